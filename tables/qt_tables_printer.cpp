#include "tables/qt_tables_printer.h"

#include <QDir>
#include <QStandardPaths>

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

QString QtTablesPrinter::suggestedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(QStringLiteral("crank-angle-tables.pdf"));
}

void QtTablesPrinter::printTables(const PageContent& content)
{
    std::unique_ptr<QtPagePrinter> page;
    const QPrinterInfo printer = m_printers.defaultPrinter();
    if (!printer.isNull()) {
        page = std::make_unique<QtPagePrinter>(printer);
    } else {
        const QString path = m_chooser.chooseSavePath(suggestedPdfPath());
        if (path.isEmpty()) {
            return;
        }
        page = std::make_unique<QtPagePrinter>(path);
    }
    SetPrinterFont(*page);
    const PrintOutcome outcome = PrintTablesPage(content, *page, m_messages);
    if (!outcome.ok) {
        m_messages.show(outcome.reason, kPrintFailedTitle);
    }
}

} // namespace crank
