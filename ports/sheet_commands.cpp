#include "ports/sheet_commands.h"

#include <QClipboard>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>

#include "platform/message_box.h"
#include "platform/page_output.h"
#include "platform/print_targets.h"
#include "platform/save_location.h"
#include "ports/engine_json.h"
#include "ports/port_page.h"
#include "ports/port_sheet_file.h"
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
    return {view.compare.on ? QStringLiteral("Port timing, before and after")
                            : QStringLiteral("Port timing"),
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

std::optional<Baseline> ChooseBaselineFile(const Services& services)
{
    const QString path = services.engineOpener.chooseOpenPath(SaveFolder());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    RememberSaveFolder(path);
    const auto refuse = [&](const std::string& problem) {
        services.messages.show("The file " + path.toStdString() + " " + problem +
                                   " Nothing of it was compared.",
                               "File Not Compared");
        return std::nullopt;
    };
    const EngineFileBytes file = ReadEngineFileBytes(path);
    if (!file.problem.empty()) {
        return refuse(file.problem);
    }
    const QFileInfo info(path);
    const BaselineRead read = ReadBaselineFile(
        file.bytes, {info.fileName().toStdString(),
                     info.lastModified().date().toString(Qt::ISODate).toStdString()});
    if (!read.baseline) {
        return refuse(read.problem);
    }
    return read.baseline;
}

} // namespace crank
