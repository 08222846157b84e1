#include "app/banner_logo.h"

#include <cmath>
#include <sstream>

namespace crank {
namespace {

std::vector<LogoSegment> makeLogo()
{
    std::vector<LogoSegment> s;
    // Crank disc: a 24-sided polygon round the crank axis.
    const double cx = 800, cy = 900, disc = 560;
    const double pi = std::acos(-1.0);
    auto at = [&](double radius, double degrees, double& x, double& y) {
        x = cx + radius * std::cos(degrees * pi / 180);
        y = cy - radius * std::sin(degrees * pi / 180);
    };
    for (int i = 0; i < 24; ++i) {
        double x1, y1, x2, y2;
        at(disc, i * 15.0, x1, y1);
        at(disc, (i + 1) * 15.0, x2, y2);
        s.push_back({int(std::lround(x1)), int(std::lround(y1)), int(std::lround(x2)),
                     int(std::lround(y2))});
    }
    // Crank throw to the crankpin at 50 degrees, 380 twips out.
    double px, py;
    at(380, 50, px, py);
    const int pinX = int(std::lround(px)), pinY = int(std::lround(py));
    s.push_back({int(cx), int(cy), pinX, pinY});
    // Crank axis cross.
    s.push_back({int(cx) - 90, int(cy), int(cx) + 90, int(cy)});
    s.push_back({int(cx), int(cy) - 90, int(cx), int(cy) + 90});
    // Connecting rod to the gudgeon pin on the cylinder axis (y = 900).
    const int gudgeonX = 2350, axisY = 900;
    s.push_back({pinX, pinY, gudgeonX, axisY});
    // Piston: a box round the gudgeon pin, with two ring grooves.
    const int pistonLeft = 2150, pistonRight = 2900, pistonTop = 560, pistonBottom = 1240;
    s.push_back({pistonLeft, pistonTop, pistonRight, pistonTop});
    s.push_back({pistonRight, pistonTop, pistonRight, pistonBottom});
    s.push_back({pistonRight, pistonBottom, pistonLeft, pistonBottom});
    s.push_back({pistonLeft, pistonBottom, pistonLeft, pistonTop});
    s.push_back({2760, pistonTop, 2760, pistonBottom});
    s.push_back({2820, pistonTop, 2820, pistonBottom});
    // Cylinder walls and head.
    s.push_back({1900, 480, 3450, 480});
    s.push_back({1900, 1320, 3450, 1320});
    s.push_back({3450, 480, 3450, 1320});
    return s;
}

} // namespace

const std::vector<LogoSegment>& BannerLogoSegments()
{
    static const std::vector<LogoSegment> segments = makeLogo();
    return segments;
}

std::string BannerLogoSvg()
{
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        << "viewBox=\"0 -900 " << kLogoWidth << ' ' << kLogoWidth << "\">\n"
        << "  <rect x=\"0\" y=\"-900\" width=\"" << kLogoWidth << "\" height=\"" << kLogoWidth
        << "\" rx=\"360\" fill=\"#c00000\"/>\n"
        << "  <g stroke=\"#ffffff\" stroke-width=\"60\" stroke-linecap=\"round\" fill=\"none\">\n";
    for (const LogoSegment& l : BannerLogoSegments()) {
        svg << "    <line x1=\"" << l.x1 << "\" y1=\"" << l.y1 << "\" x2=\"" << l.x2 << "\" y2=\""
            << l.y2 << "\"/>\n";
    }
    svg << "  </g>\n</svg>\n";
    return svg.str();
}

} // namespace crank
