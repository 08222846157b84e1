#pragma once

#include <string>

#include "platform/canvas.h"
#include "wheel/degree_wheel.h"

namespace crank {

// The wheel of a ready view at true size, its top `topMm` below the sheet's
// top and centred across it: the rim, ticks every degree (every half degree
// from kHalfDegreeWheel), longer every 5, numbered every 10 (0 to 350 against
// the way the engine turns, or 0 to 180 and back with the sides of TDC
// named), the rotation arrow, the centre cross and the hole; each event's
// mark with its name and angle, placed by measuring clear of every other
// text, the hole and the cross, with a leader where it had to move from its
// mark; and under the wheel a list of the events.
void DrawWheel(Canvas& canvas, const WheelView& view, double topMm);

// The length of the tick at a step of half degrees, from the lengths of a
// ten's, a five's, a degree's and a half degree's.
double DegreeTickLength(int halfDegrees, double ten, double five, double one, double half);

// The number a wheel of this marking shows at a whole reading: 190 is "190",
// or "170" counted back from TDC.
std::string DegreeNumber(int reading, WheelMarking marking);

} // namespace crank
