#pragma once

#include <vector>

#include "platform/canvas.h"
#include "ports/port_sheet.h"

namespace crank {

// How every picture of the port tool draws a port of a role: a colour dark
// enough for a grey printer and a dash pattern of its own (in line widths,
// empty for solid), so that the roles tell apart in black and white.
struct RoleStyle {
    Rgb colour;
    std::vector<float> dashes;
};
const RoleStyle& StyleOf(PortRole role);

} // namespace crank
