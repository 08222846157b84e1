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

// The tables page in its printer font.
PageDrawing tablesPage(const DisplayView& content, MessageBox& messages)
{
    return [&content, &messages](QtPagePrinter& page) {
        SetPrinterFont(page);
        return PrintTablesPage(content, page, messages);
    };
}

} // namespace

QString SuggestedPathFor(const DisplayView& content, const char* extension)
{
    const std::string name = SuggestedFileName(content.engine.typed.name, extension);
    return SuggestedSavePath(QString::fromStdString(name));
}

void QtTablesPrinter::printTables(const DisplayView& content)
{
    PrintPage(tablesPage(content, m_messages), SuggestedPathFor(content, "pdf"), m_printers,
              m_chooser, m_messages);
}

void SavePageAsPdf(const DisplayView& content, SaveFileChooser& chooser, MessageBox& messages)
{
    SavePageAsPdfFile(tablesPage(content, messages), SuggestedPathFor(content, "pdf"), chooser,
                      messages);
}

} // namespace crank
