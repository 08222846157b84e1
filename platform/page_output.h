#pragma once

#include <QString>
#include <functional>

#include "platform/page_printer.h"

namespace crank {

class MessageBox;
class PrinterSource;
class SaveFileChooser;

// Title of the message shown when a page could not be printed or saved.
inline constexpr const char* kPrintFailedTitle = "Page Not Printed";

// Draws one page on a printer or into a PDF file and ends the job.
using PageDrawing = std::function<PrintOutcome(PagePrinter&)>;

// What a page is called on its way out.
struct PageJob {
    QString title;         // the document's name in the print queue and in the PDF
    QString suggestedPath; // where a save dialog starts
    // The message's title when the PDF cannot be written.
    const char* saveFailedTitle = kPrintFailedTitle;
    // On a printer, positions count from the sheet's corner as in the PDF,
    // not from the printable area's: a page drawn at true size prints where
    // it was drawn.
    bool fromSheetCorner = false;
    // How near (mm) anything drawn comes to the sheet's edges, for a page
    // drawn from the sheet's corner; negative when nothing needs the check.
    double inkMarginMm = -1.0;
};

// Title of the question asked when a printer would cut the page.
inline constexpr const char* kPageWouldBeCutTitle = "Page Would Be Cut";

// Asks where to save, starting at the job's suggested path, and saves the drawn page there as an
// A4 PDF. A cancelled choice does nothing; a file that cannot be written is told through
// messages, naming it and why, and leaves no partial file.
void SavePageAsPdfFile(const PageDrawing& draw, const PageJob& job, SaveFileChooser& chooser,
                       MessageBox& messages);

// The page on the default printer, a refused job told through messages; with no printer
// installed, the PDF save above. A page drawn from the sheet's corner that comes nearer the
// edge than the printer can print asks first whether to print it all the same.
void PrintPage(const PageDrawing& draw, const PageJob& job, PrinterSource& printers,
               SaveFileChooser& chooser, MessageBox& messages);

} // namespace crank
