#pragma once

#include "platform/page_printer.h"
#include "wheel/degree_wheel.h"
#include "wheel/page_units.h"

namespace crank {

// Draws the view's page (the wheel or the strip) with its positions measured
// from the sheet's corner, 1 mm to kTwipsPerMm twips. At the top: the title,
// the engine's geometry, the sizes, a 100 mm calibration bar and the line
// that asks for printing at 100%. Then the wheel (DrawWheel) or the strip, a
// degree every pi rim / 360 mm, split over lines of whole tens of degrees,
// with the same marks. Nothing is drawn for a view that is not ready but the
// top.
void DrawWheelPage(Canvas& canvas, const WheelView& view);

// The page on a printer that places positions from the sheet's corner; the
// document is ended and the outcome is that of ending it.
PrintOutcome PrintWheelPage(const WheelView& view, PagePrinter& printer);

// The least distance (mm) from anything the page draws (lines with their
// width, texts with their line's box) to an edge of the A4 sheet.
double SheetMargin(const WheelView& view);

} // namespace crank
