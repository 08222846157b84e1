#pragma once

#include <cmath>

namespace crank {

// Positions and sizes of the screens are given in twips (1/1440 inch); the
// screens are laid out at 15 twips to one logical pixel (96 dpi).
inline constexpr int kTwipsPerPixel = 15;

// Nearest logical pixel; halves away from zero, so the mapping is symmetric.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace crank
