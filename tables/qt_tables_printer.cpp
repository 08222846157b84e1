#include "tables/qt_tables_printer.h"

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

// The tables page in its printer font.
PageDrawing tablesPage(const DisplayView& content, MessageBox& messages)
{
    return [&content, &messages](PagePrinter& page) {
        SetPrinterFont(page);
        return PrintTablesPage(content, page, messages);
    };
}

PageJob tablesJob(const DisplayView& content)
{
    return {QStringLiteral("Crank angle tables"), SuggestedPathFor(content, "pdf")};
}

} // namespace

QString SuggestedPathFor(const DisplayView& content, const char* extension)
{
    const std::string name = SuggestedFileName(content.engine.typed.name, extension);
    return SuggestedSavePath(QString::fromStdString(name));
}

void QtTablesPrinter::printTables(const DisplayView& content)
{
    PrintPage(tablesPage(content, m_messages), tablesJob(content), m_printers, m_chooser,
              m_messages);
}

void SavePageAsPdf(const DisplayView& content, SaveFileChooser& chooser, MessageBox& messages)
{
    SavePageAsPdfFile(tablesPage(content, messages), tablesJob(content), chooser, messages);
}

} // namespace crank
