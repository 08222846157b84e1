#pragma once

#include <string>
#include <vector>

namespace crank {

// One straight line of the banner logo, in twips inside the logo's
// 3600 x 1800 picture area (x to the right, y downwards).
struct LogoSegment {
    int x1, y1, x2, y2;
};

inline constexpr int kLogoWidth = 3600;
inline constexpr int kLogoHeight = 1800;

// The banner logo: a crank, a connecting rod and a piston in its cylinder,
// drawn with straight white lines only.
const std::vector<LogoSegment>& BannerLogoSegments();

// The same logo as a standalone SVG document (white lines on the front
// screen's red), used as the program's icon.
std::string BannerLogoSvg();

} // namespace crank
