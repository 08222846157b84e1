#pragma once

#include "platform/canvas.h"
#include "ports/port_sheet.h"

namespace crank {

// The plot's height over its width.
inline constexpr float kAreaPlotAspect = 0.62f;

// Draws the open area against crank angle in box: crank angle from TDC to
// TDC across (ticks every 30 degrees), area up (a round step of mm²), a curve
// per role in the role's dash pattern and colour (StyleOf, as on the timing
// diagram) so that they tell apart in black and white, the exhaust opening,
// the first transfer opening and BDC as upright lines with their angles, the
// blowdown under the exhaust curve between the first two shaded grey, and a
// legend of samples and roles below. A baseline's curves go under the
// present ones, thin and grey in each role's dashes, its blowdown outlined
// and its marks in grey after the present's. Every text is laid out in a
// fixed-pitch face inside box.
void DrawAreaPlot(Canvas& canvas, const TwipRect& box, const AreaPlotView& plot);

} // namespace crank
