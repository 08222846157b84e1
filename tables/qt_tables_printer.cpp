#include "tables/qt_tables_printer.h"

#include "platform/qt_page_printer.h"
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

QString QtTablesPrinter::suggestedPdfPath()
{
    return SuggestedSavePath(QStringLiteral("crank-angle-tables.pdf"));
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
    const QString path = chooser.chooseSavePath(QtTablesPrinter::suggestedPdfPath());
    if (path.isEmpty()) {
        return;
    }
    QtPagePrinter page(path);
    printOn(page, content, messages);
}

} // namespace crank
