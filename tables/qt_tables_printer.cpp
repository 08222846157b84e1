#include "tables/qt_tables_printer.h"

#include "platform/qt_page_printer.h"
#include "platform/save_location.h"
#include "tables/file_name.h"
#include "tables/print_page.h"

namespace crank {

QtTablesPrinter::QtTablesPrinter(MessageBox& messages)
    : m_ownPrinters(std::make_unique<SystemPrinterSource>()),
      m_ownChooser(std::make_unique<PdfSaveDialog>()), m_messages(messages),
      m_printers(*m_ownPrinters), m_chooser(*m_ownChooser)
{
}

QtTablesPrinter::QtTablesPrinter(MessageBox& messages, PrinterSource& printers,
                                 SaveFileChooser& chooser)
    : m_messages(messages), m_printers(printers), m_chooser(chooser)
{
}

QtTablesPrinter::~QtTablesPrinter() = default;

namespace {

void printOn(QtPagePrinter& page, const DisplayView& content, MessageBox& messages)
{
    SetPrinterFont(page);
    const PrintOutcome outcome = PrintTablesPage(content, page, messages);
    if (!outcome.ok) {
        messages.show(outcome.reason, kPrintFailedTitle);
    }
}

} // namespace

QString SuggestedPathFor(const DisplayView& content, const char* extension)
{
    const std::string name = SuggestedFileName(EngineNameOf(content.engineCaption), extension);
    return SuggestedSavePath(QString::fromStdString(name));
}

void QtTablesPrinter::printTables(const DisplayView& content)
{
    const QPrinterInfo printer = m_printers.defaultPrinter();
    if (printer.isNull()) {
        SavePageAsPdf(content, m_chooser, m_messages);
        return;
    }
    QtPagePrinter page(printer);
    printOn(page, content, m_messages);
}

void SavePageAsPdf(const DisplayView& content, SaveFileChooser& chooser, MessageBox& messages)
{
    const QString path = chooser.chooseSavePath(SuggestedPathFor(content, "pdf"));
    if (path.isEmpty()) {
        return;
    }
    RememberSaveFolder(path);
    const QString reason = SaveDrawnFile(path, [&](const QString& draft) {
        QtPagePrinter page(draft);
        SetPrinterFont(page);
        return PrintTablesPage(content, page, messages).ok;
    });
    if (!reason.isEmpty()) {
        messages.show(SaveFailedPrompt("The page", path, reason), kPrintFailedTitle);
    }
}

} // namespace crank
