#pragma once

#include "platform/message_box.h"
#include "platform/page_printer.h"
#include "tables/display_view.h"

namespace crank {

// Title of the message shown when the rows would run off the page.
inline constexpr const char* kOverflowTitle = "Page Overflow Detected and Prevented";

// Puts the printer's font into a known state: "Courier", 8 points, character
// set 0, regular, no underline, italic or strikethrough.
void SetPrinterFont(PagePrinter& printer);

// Prints the tables screen's content on one page: the title, the engine
// summary, the column headings and the 49 rows of each table, at the fixed
// positions of the layout for content.NumTables and content.OffsetNonZero.
// When a row inside a degree ends below 1000 twips above the bottom of the
// sheet, the rows stop there and the user is told so through messages. The
// document is ended in every case; the outcome is that of ending it.
PrintOutcome PrintTablesPage(const DisplayView& content, PagePrinter& printer,
                             MessageBox& messages);

} // namespace crank
