#pragma once

#include <QString>
#include <memory>

#include "platform/message_box.h"
#include "platform/page_output.h"
#include "platform/print_targets.h"
#include "tables/tables_printer.h"

namespace crank {

// The page as an A4 PDF at a place the user chooses, printer or not. A
// cancelled choice does nothing; a failed save is told through messages with
// its reason and leaves no partial file.
void SavePageAsPdf(const DisplayView& content, SaveFileChooser& chooser, MessageBox& messages);

// Where a save dialog for the tables starts: "<engine> crank angles.<extension>"
// in the save folder (see SaveFolder).
QString SuggestedPathFor(const DisplayView& content, const char* extension);

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

private:
    std::unique_ptr<PrinterSource> m_ownPrinters;
    std::unique_ptr<SaveFileChooser> m_ownChooser;
    MessageBox& m_messages;
    PrinterSource& m_printers;
    SaveFileChooser& m_chooser;
};

} // namespace crank
