#include "ports/port_area.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "model/reverse_lookup.h"

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

// The piston's drop below TDC (mm) at a crank angle (degrees ATDC): the
// crank-slider that CalcGeometry and CalcDisplacement work in single
// precision, here in double, without their roundings of a few micrometres,
// so that an angle-area is exact to far below the figures shown. The
// crankpin at (r sin t, r cos t) and the pin on the line x = e (signed)
// a rod's length apart; TDC lies at t = asin(e / (L + r)).
class ExactDrop {
public:
    explicit ExactDrop(const EngineGeometry& geometry)
        : m_rod(geometry.RodLength), m_offset(geometry.OffsetNonZero ? geometry.PinOffset : 0.0f)
    {
        // The crank radius whose pin travels the stroke between the dead
        // centres: sqrt((L + r)² - e²) - sqrt((L - r)² - e²) = S.
        const double S2 = double{geometry.Stroke} * geometry.Stroke;
        const double L2 = m_rod * m_rod;
        m_radius = std::sqrt((S2 - 4.0 * (L2 - m_offset * m_offset)) * S2 / 4.0 / (S2 - 4.0 * L2));
        m_tilt = std::asin(m_offset / (m_rod + m_radius));
        m_top = height(m_tilt);
    }
    double at(double degrees) const
    {
        return m_top - height(m_tilt + degrees * std::numbers::pi / 180.0);
    }

private:
    double height(double t) const
    {
        const double across = m_offset - m_radius * std::sin(t);
        return m_radius * std::cos(t) + std::sqrt(m_rod * m_rod - across * across);
    }

    double m_rod;
    double m_offset;
    double m_radius = 0.0;
    double m_tilt = 0.0;
    double m_top = 0.0;
};

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
    return OpenAreaAtDisplacement(port, ExactDrop(engine.geometry).at(crankAngle));
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

double IntegratePiece(const std::function<double(double)>& f, double from, double to, double step)
{
    if (!(to > from) || !(step > 0.0)) {
        return 0.0;
    }
    // Gauss-Legendre, 8 points: the nodes and weights of one half of [-1, 1].
    constexpr std::array<double, 4> kNodes = {0.1834346424956498, 0.5255324099163290,
                                              0.7966664774136267, 0.9602898564975363};
    constexpr std::array<double, 4> kWeights = {0.3626837833783620, 0.3137066458778873,
                                                0.2223810344533745, 0.1012285362903763};
    // angle = from + span·(3s² - 2s³): where a corner or the floor is reached the area
    // grows as the 3/2 power of the crank angle, and in s it is smooth.
    const double span = to - from;
    const int parts = std::max(1, static_cast<int>(std::ceil(span / step)));
    const double width = 1.0 / parts;
    double sum = 0.0;
    for (int p = 0; p < parts; ++p) {
        const double middle = (p + 0.5) * width;
        for (std::size_t k = 0; k < kNodes.size(); ++k) {
            for (const double side : {-1.0, 1.0}) {
                const double s = middle + side * kNodes[k] * width / 2.0;
                const double angle = from + span * s * s * (3.0 - 2.0 * s);
                sum += kWeights[k] * f(angle) * 6.0 * s * (1.0 - s);
            }
        }
    }
    return sum * span * width / 2.0;
}

std::vector<double> ShapeChanges(const EngineSnapshot& engine, const PortOpening& port, double from,
                                 double to)
{
    const bool crown = port.kind == PortKind::CrownOpened;
    // Uncovered from the timed edge: a crown-opened port's top corners come
    // first, a skirt-opened one's bottom corners.
    const WindowShape& w = port.window;
    const double first = crown ? w.topRadius : w.bottomRadius;
    const double last = crown ? w.bottomRadius : w.topRadius;
    std::vector<double> angles;
    const double stroke = engine.geometry.Stroke;
    for (const double depth : {first, w.height - last, w.height}) {
        const double x = crown ? port.drop + depth : port.drop - depth;
        if (!(depth > 0.0) || !(x > 0.0) || !(x < stroke)) {
            continue;
        }
        const DropAngles found =
            FindCrankAngles(engine.geometry, engine.model, static_cast<float>(x));
        if (found.status != DropLookupStatus::Found) {
            continue;
        }
        const double down = found.atdc;
        const double up = 360.0 - double{found.btdc};
        angles.insert(angles.end(), {down, up, down + 360.0, up - 360.0});
    }
    // The dead centres: the piston turns back there, and an edge passed
    // just before is passed again just after.
    const double bdc = engine.geometry.BdcAngle;
    angles.insert(angles.end(), {bdc, 0.0, 360.0, 720.0});
    std::erase_if(angles, [&](double a) { return !(a > from && a < to); });
    std::ranges::sort(angles);
    angles.insert(angles.begin(), from);
    angles.push_back(to);
    return angles;
}

double AngleArea(const EngineSnapshot& engine, const PortOpening& port, double from, double to,
                 double step)
{
    const std::vector<double> at = ShapeChanges(engine, port, from, to);
    const ExactDrop drop(engine.geometry);
    const auto area = [&](double angle) { return OpenAreaAtDisplacement(port, drop.at(angle)); };
    double sum = 0.0;
    for (std::size_t i = 1; i < at.size(); ++i) {
        sum += IntegratePiece(area, at[i - 1], at[i], step);
    }
    return sum;
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
