#include "ports/port_area.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/crank_slider.h"

namespace crank {
namespace {

// ∫ sqrt(r² - s²) ds from 0 to s.
double circleStrip(double r, double s)
{
    const double q = std::clamp(s / r, -1.0, 1.0);
    return (s * std::sqrt(std::max(0.0, r * r - s * s)) + r * r * std::asin(q)) / 2.0;
}

// What two rounded corners of radius r take from a band of the window `y`
// deep, measured from the straight edge inwards along the corner (0 to r):
// at a level t into the corner each side loses r - sqrt(r² - (r - t)²).
double cornersCut(double r, double y)
{
    if (r <= 0.0 || y <= 0.0) {
        return 0.0;
    }
    y = std::min(y, r);
    // ∫ sqrt(r² - (r - t)²) dt over t from 0 to y.
    const double kept = circleStrip(r, r) - circleStrip(r, r - y);
    return 2.0 * (r * y - kept);
}

} // namespace

double ChordOfArc(double arc, double bore)
{
    return bore * std::sin(arc / bore);
}

double UncoveredArea(const WindowShape& w, double depth)
{
    const double y = std::clamp(depth, 0.0, w.height);
    const double top = cornersCut(w.topRadius, y);
    // The bottom corners start bottomRadius above the floor; measured from
    // the floor upwards they are the top corners turned over.
    const double straight = w.height - w.bottomRadius;
    double bottom = 0.0;
    if (w.bottomRadius > 0.0 && y > straight) {
        bottom =
            cornersCut(w.bottomRadius, w.bottomRadius) - cornersCut(w.bottomRadius, w.height - y);
    }
    return w.width * y - top - bottom;
}

double WindowArea(const WindowShape& window)
{
    return UncoveredArea(window, window.height);
}

double OpenAreaAt(const EngineSnapshot& engine, const PortOpening& port, double crankAngle)
{
    double angle = std::fmod(crankAngle, 360.0);
    if (angle < 0.0) {
        angle += 360.0;
    }
    return OpenAreaAtDisplacement(
        port, CalcDisplacement(engine.geometry, engine.model, static_cast<float>(angle)));
}

double OpenAreaAtDisplacement(const PortOpening& port, double x)
{
    const double drop = port.drop;
    if (port.kind == PortKind::CrownOpened) {
        return port.windows * UncoveredArea(port.window, x - drop);
    }
    // Uncovered from the floor up: the same window upside down.
    const WindowShape turned{port.window.width, port.window.height, port.window.bottomRadius,
                             port.window.topRadius};
    return port.windows * UncoveredArea(turned, drop - x);
}

double IntegrateOverAngle(const std::function<double(double)>& area, double from, double to,
                          double step)
{
    if (!(to > from) || !(step > 0.0)) {
        return 0.0;
    }
    // Simpson's rule over an even number of steps.
    int n = std::max(2, static_cast<int>(std::ceil((to - from) / step)));
    n += n % 2;
    const double h = (to - from) / n;
    double sum = area(from) + area(to);
    for (int i = 1; i < n; ++i) {
        sum += (i % 2 == 1 ? 4.0 : 2.0) * area(from + h * i);
    }
    return sum * h / 3.0;
}

double AngleArea(const EngineSnapshot& engine, const PortOpening& port, double from, double to,
                 double step)
{
    return IntegrateOverAngle([&](double angle) { return OpenAreaAt(engine, port, angle); }, from,
                              to, step);
}

double TimeAreaOf(double angleArea, double rpm)
{
    return angleArea / (6.0 * rpm);
}

double StaOf(double timeArea, double sweptCc)
{
    return timeArea / sweptCc;
}

double SweptVolume(double bore, double stroke)
{
    return std::numbers::pi / 4.0 * bore * bore * stroke / 1000.0;
}

OpenSpan OpenSpanOf(PortKind kind, const PortTiming& timing)
{
    if (kind == PortKind::CrownOpened) {
        return {double{timing.opens}, 360.0 - double{timing.closes}};
    }
    return {360.0 - double{timing.opens}, 360.0 + double{timing.closes}};
}

} // namespace crank
