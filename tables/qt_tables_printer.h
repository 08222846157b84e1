#pragma once

#include <QString>
#include <memory>

#include "platform/message_box.h"
#include "platform/print_targets.h"
#include "tables/tables_printer.h"

namespace crank {

// Title of the message shown when the page could not be printed or saved.
inline constexpr const char* kPrintFailedTitle = "Page Not Printed";

// The page as an A4 PDF at a place the user chooses, printer or not. A
// cancelled choice does nothing; an unwritable file is told through messages.
void SavePageAsPdf(const DisplayView& content, SaveFileChooser& chooser, MessageBox& messages);

// The print command of the tables screen: the page on the default printer,
// or, when the system has none, as an A4 PDF at a place the user chooses.
// A refused job or an unwritable file is reported through messages; a
// cancelled save does nothing at all.
class QtTablesPrinter final : public TablesPrinter {
public:
    // The system's printers and the standard save dialog.
    explicit QtTablesPrinter(MessageBox& messages);
    QtTablesPrinter(MessageBox& messages, PrinterSource& printers, SaveFileChooser& chooser);
    ~QtTablesPrinter() override;

    void printTables(const DisplayView& content) override;

    // "crank-angle-tables.pdf" in the user's documents folder.
    static QString suggestedPdfPath();

private:
    std::unique_ptr<PrinterSource> m_ownPrinters;
    std::unique_ptr<SaveFileChooser> m_ownChooser;
    MessageBox& m_messages;
    PrinterSource& m_printers;
    SaveFileChooser& m_chooser;
};

} // namespace crank
