#pragma once

#include "platform/page_printer.h"
#include "ports/port_sheet.h"

namespace crank {

// The port timing sheet on one page, as the sheet shows it: the title, the
// engine summary, the deck and piston length, the note and how heights are
// measured, the rows in columns (a row without timing gives its message in
// place of the angles); with shaped rows the time-area: each row's windows
// and figures, the figures per role and group, the targets, the blowdown and
// the way back with its goal; then the timing diagram and the area plot in
// the room left below them.
// Every text is in Courier, inside the width of an A4 sheet, long texts
// wrapped. The document is ended; the outcome is that of ending it.
PrintOutcome PrintPortSheetPage(const PortSheetView& view, PagePrinter& printer);

} // namespace crank
