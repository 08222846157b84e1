#pragma once

#include "platform/page_printer.h"
#include "wheel/degree_wheel.h"

namespace crank {

// Twips in a millimetre: the wheel and the strip are drawn at true size.
inline constexpr float kTwipsPerMm = 1440.0f / 25.4f;
// The page the drawing is laid out on: A4, mm.
inline constexpr float kPageWidthMm = 210.0f;
inline constexpr float kPageHeightMm = 297.0f;

// Draws the view's page (the wheel or the strip) with its positions measured
// from the sheet's corner, 1 mm to kTwipsPerMm twips. At the top: the title,
// the engine's geometry, the sizes, a 100 mm calibration bar and the line
// that asks for printing at 100%. Then the wheel (rim circle, ticks every
// degree, every half degree from 200 mm, longer every 5, labelled every 10
// with readings that rise against the way the engine turns, the events'
// marks with their names and angles, the rotation arrow, the centre cross
// and the hole circle) and a list of the events; or the strip, a degree
// every pi rim / 360 mm, split over lines of whole tens of degrees, with the
// same marks. Nothing is drawn for a view that is not ready but the top.
void DrawWheelPage(Canvas& canvas, const WheelView& view);

// The page on a printer that places positions from the sheet's corner; the
// document is ended and the outcome is that of ending it.
PrintOutcome PrintWheelPage(const WheelView& view, PagePrinter& printer);

} // namespace crank
