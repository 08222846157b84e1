#pragma once

#include <cstdint>

namespace crank {

// Top of a scrolling panel in its viewport (twips, 0 or less) for scroll value
// `value` of 0..maximum: -Int(value (panel - viewport) / maximum), Int rounding
// towards minus infinity. A scroll bar without travel leaves the panel at its
// top. Both scrolling screens move their panels by it.
inline int PanelTop(int value, int panelHeight, int viewportHeight, int maximum)
{
    if (maximum <= 0) {
        return 0;
    }
    const std::int64_t travel = std::int64_t{value} * (panelHeight - viewportHeight);
    std::int64_t quotient = travel / maximum;
    if (travel % maximum != 0 && travel < 0) {
        --quotient;
    }
    return static_cast<int>(-quotient);
}

} // namespace crank
