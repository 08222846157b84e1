#pragma once

#include "platform/canvas.h"
#include "ports/port_sheet.h"

namespace crank {

// The diagram's height over its width.
inline constexpr float kDiagramAspect = 1.32f;

// Draws the timing diagram centred in box: the crank circle with TDC at the
// top, the direction of rotation (clockwise, as seen), BDC at its true angle,
// each port's open arc on a ring of its own, from the outside in, in its
// role's colour and dash pattern (StyleOf, as on the area plot), with its
// number where the arc starts, and below them a legend of samples, names and
// angles. Reads in black and white by the dash patterns alone. Every text is laid out in a
// fixed-pitch face and fits inside box; the screen and the page draw the same.
void DrawTimingDiagram(Canvas& canvas, const TwipRect& box, const DiagramView& diagram);

} // namespace crank
