#include "ports/sheet_commands.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include "platform/message_box.h"
#include "platform/page_output.h"
#include "platform/print_targets.h"
#include "platform/save_location.h"
#include "ports/port_page.h"
#include "tables/csv_file.h"
#include "tables/file_name.h"
#include "tables/table_export.h"

namespace crank {
namespace {

PageDrawing sheetPage(const PortSheetView& view)
{
    return [&view](PagePrinter& printer) { return PrintPortSheetPage(view, printer); };
}

PageJob sheetJob(const PortSheetView& view)
{
    return {QStringLiteral("Port timing"),
            SuggestedSavePath(QString::fromStdString(PortSheetFileName(view))), "Page Not Saved"};
}

QString proposed(const PortSheetView& view, const char* what, const char* bare, const char* ext)
{
    return SuggestedSavePath(
        QString::fromStdString(EngineFileName(view.engineName, what, bare, ext)));
}

} // namespace

void CopySheet(const PortSheetView& view)
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(RecordsAsTsv(PortSheetRecords(view))));
}

void SaveSheetAsPdf(const PortSheetView& view, const Services& services)
{
    SavePageAsPdfFile(sheetPage(view), sheetJob(view), services.pdfSaver, services.messages);
}

void PrintSheet(const PortSheetView& view, const Services& services)
{
    PrintPage(sheetPage(view), sheetJob(view), services.printers, services.pdfSaver,
              services.messages);
}

void SaveSheetAsCsv(const PortSheetView& view, const Services& services)
{
    const std::vector<Record> records = PortSheetRecords(view);
    SaveCsvFile(
        [&](CsvDialect dialect) { return RecordsAsCsv(records, dialect, view.style.decimal); },
        {proposed(view, "ports", "ports", "csv"), "The ports", "File Not Saved"},
        services.portsCsvSaver, services.messages);
}

void SaveSetupFile(const PortSetup& setup, const PortSheetView& view, const Services& services)
{
    const QString path =
        services.setupSaver.chooseSavePath(proposed(view, "port setup", "port-setup", "json"));
    if (path.isEmpty()) {
        return;
    }
    RememberSaveFolder(path);
    const QString reason = WriteWholeFile(path, SetupAsJson(setup, view.style));
    if (!reason.isEmpty()) {
        services.messages.show(SaveFailedPrompt("The setup", path, reason), "Setup Not Saved");
    }
}

std::optional<PortSetup> OpenSetupFile(const NumberStyle& style, const Services& services)
{
    const QString path = services.setupOpener.chooseOpenPath(SaveFolder());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    RememberSaveFolder(path);
    constexpr qint64 kLargest = 1 << 20; // a setup is a few kilobytes
    QFile file(path);
    std::string problem;
    SetupRead read;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = "could not be read: " + file.errorString().toStdString() + ".";
    } else if (file.size() > kLargest) {
        problem = "is not a port setup: it is far too large.";
    } else {
        read = ReadSetup(file.readAll(), style);
        problem = read.problem;
    }
    if (!read.setup) {
        services.messages.show("The file " + path.toStdString() + " " + problem +
                                   " The sheet is left as it was.",
                               "Setup Not Opened");
    }
    return read.setup;
}

} // namespace crank
