#pragma once

#include <string>
#include <vector>

#include "platform/page_output.h"
#include "tables/port_timing_diagram.h"

namespace crank {

// Everything the port timing sheet puts on paper, as shown on the sheet.
struct PortTimingPage {
    std::vector<std::string> summary; // engine summary lines
    std::string note;                 // how opening and closing relate
    std::string deck;                 // "Deck: 0.50 mm"
    // The column captions, then one row of cells per timed port.
    std::vector<std::vector<std::string>> rows;
    TimingDiagramData diagram;
};

// One page: title, engine summary, the rows in fixed-pitch columns and the
// diagram below them, shrunk if the paper is short.
PrintOutcome PrintPortTimingPage(const PortTimingPage& page, QtPagePrinter& printer);

// The page as an A4 PDF at a place the user chooses; a cancelled choice does
// nothing. A file that cannot be written is told as the tables page tells it.
void SavePortTimingAsPdf(const PortTimingPage& page, SaveFileChooser& chooser,
                         MessageBox& messages);

// The page on the default printer, or, with none installed, as a PDF as
// above. A refused job gets the tables page's "Page Not Printed" message.
void PrintPortTiming(const PortTimingPage& page, PrinterSource& printers, SaveFileChooser& chooser,
                     MessageBox& messages);

} // namespace crank
