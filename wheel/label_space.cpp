#include "wheel/label_space.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace crank {
namespace {

// Texts keep this far from lines and from other texts, mm.
constexpr double kClearance = 0.3;
// From the end of a mark to its label at home, mm.
constexpr double kHomeGap = 0.5;
// Steps of the search: inwards, mm; along, mm at the label's home.
constexpr double kStepIn = 0.5;
constexpr double kStepAlong = 1.0;
constexpr double kMostAlong = 50.0 * std::numbers::pi / 180.0;

MmBox grown(const MmBox& box, double by)
{
    return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

bool overlap(const MmBox& a, const MmBox& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether any part of the segment lies inside the box: the segment clipped
// to the box's slabs in x and then in y (Liang-Barsky) keeps a piece.
bool meets(const MmBox& box, MmPoint from, MmPoint to)
{
    double enter = 0.0;
    double leave = 1.0;
    const auto clip = [&](double start, double delta, double low, double high) {
        if (std::fabs(delta) < 1e-12) {
            return start > low && start < high;
        }
        double t1 = (low - start) / delta;
        double t2 = (high - start) / delta;
        if (t1 > t2) {
            std::swap(t1, t2);
        }
        enter = std::max(enter, t1);
        leave = std::min(leave, t2);
        return enter < leave;
    };
    return clip(from.x, to.x - from.x, box.left, box.right) &&
           clip(from.y, to.y - from.y, box.top, box.bottom);
}

double distance(MmPoint a, MmPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

MmBox BoxAround(MmPoint centre, double width, double height)
{
    return {centre.x - width / 2.0, centre.y - height / 2.0, centre.x + width / 2.0,
            centre.y + height / 2.0};
}

MmPoint NearestOnBox(const MmBox& box, MmPoint p)
{
    return {std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.top, box.bottom)};
}

bool BoxesMeet(const MmBox& a, const MmBox& b)
{
    return overlap(grown(a, kClearance), b);
}

bool LabelSpace::clear(const MmBox& box) const
{
    for (const double x : {box.left, box.right}) {
        for (const double y : {box.top, box.bottom}) {
            if (distance({x, y}, m_centre) > m_radius) {
                return false;
            }
        }
    }
    const MmBox wide = grown(box, kClearance);
    return std::ranges::none_of(m_boxes, [&](const MmBox& b) { return overlap(wide, b); }) &&
           std::ranges::none_of(m_segments,
                                [&](const Segment& s) { return meets(wide, s.from, s.to); }) &&
           std::ranges::none_of(m_discs, [&](const Disc& d) {
               return distance(NearestOnBox(wide, d.centre), d.centre) < d.radius;
           });
}

bool LabelSpace::clearPath(MmPoint from, MmPoint to) const
{
    return std::ranges::none_of(m_boxes, [&](const MmBox& b) { return meets(b, from, to); });
}

namespace {

// The centre of a label on the line at `angle` (radians from the top,
// towards +x) that lies kHomeGap from the point `reach` mm from the wheel's
// centre on that line, then `in` mm further in: the least s (how far in from
// that point the centre lies) at which the box is kHomeGap away, by
// bisection, as the gap grows with s.
MmPoint centreAt(MmPoint c, double reach, double angle, double in, double width, double height)
{
    const double ux = std::sin(angle);
    const double uy = -std::cos(angle);
    const auto gap = [&](double s) {
        return std::hypot(std::max(s * std::fabs(ux) - width / 2.0, 0.0),
                          std::max(s * std::fabs(uy) - height / 2.0, 0.0));
    };
    double lo = 0.0;
    double hi = width + height + kHomeGap;
    for (int i = 0; i < 40; ++i) {
        (gap((lo + hi) / 2.0) < kHomeGap ? lo : hi) = (lo + hi) / 2.0;
    }
    const double r = std::max(0.0, reach - hi - in);
    return {c.x + r * ux, c.y + r * uy};
}

double angleOf(MmPoint c, MmPoint p)
{
    return std::atan2(p.x - c.x, c.y - p.y);
}

} // namespace

MmBox HomeBox(const LabelSpace& space, MmPoint anchor, double width, double height)
{
    const MmPoint c = space.centre();
    return BoxAround(centreAt(c, distance(anchor, c), angleOf(c, anchor), 0.0, width, height),
                     width, height);
}

std::optional<PlacedLabel> PlaceLabel(const LabelSpace& space, MmPoint anchor, double width,
                                      double height)
{
    const MmPoint c = space.centre();
    const double reach = distance(anchor, c);
    const double homeAngle = angleOf(c, anchor);
    const MmPoint home = centreAt(c, reach, homeAngle, 0.0, width, height);
    // Steps of about a quarter of the label's height inwards and half of it
    // along, at least kStepIn and kStepAlong.
    const double stepIn = std::max(kStepIn, height / 4.0);
    const double stepAngle = std::max(kStepAlong, height / 2.0) / std::max(distance(home, c), 5.0);
    const int along = static_cast<int>(kMostAlong / stepAngle);
    const int inwards = static_cast<int>(reach / stepIn);
    struct Candidate {
        MmPoint centre;
        double away;
    };
    std::vector<Candidate> candidates;
    for (int k = -along; k <= along; ++k) {
        for (int j = 0; j <= inwards; ++j) {
            const MmPoint at =
                centreAt(c, reach, homeAngle + k * stepAngle, j * stepIn, width, height);
            candidates.push_back({at, distance(at, home)});
        }
    }
    std::ranges::stable_sort(candidates, {}, &Candidate::away);
    for (const Candidate& candidate : candidates) {
        PlacedLabel placed;
        placed.box = BoxAround(candidate.centre, width, height);
        if (!space.clear(placed.box)) {
            continue;
        }
        placed.leaderFrom = anchor;
        placed.leaderTo = NearestOnBox(placed.box, anchor);
        placed.moved = candidate.away > 1e-9;
        if (!placed.moved || space.clearPath(placed.leaderFrom, placed.leaderTo)) {
            return placed;
        }
    }
    return std::nullopt;
}

} // namespace crank
