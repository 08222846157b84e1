#include <algorithm>
#include <cmath>
#include <numbers>

#include "ports/time_area.h"

// The way back by width: the row's windows made wider or narrower, their
// height, corners, bridge and timing as they are. A window's open area is
// its width times the depth uncovered less its corners, which the width
// leaves be, so the angle-area runs in a straight line with the width and
// its two ends place the answer.

namespace crank {
namespace {

// Of the bore: a bridgeless exhaust window wider than this may catch the ring.
constexpr double kRingSnag = 0.7;

// The row's angle-area with its windows `chord` mm across the bore, bridge included.
double angleAreaAt(const EngineSnapshot& engine, const PortRowView& row, double chord)
{
    PortOpening port = row.shape.opening;
    const double bridge = row.shape.bridge.millimetres;
    port.window.width = bridge > 0.0 ? (chord - bridge) / 2.0 : chord;
    return AngleArea(engine, port, row.shape.span.from, row.shape.span.to);
}

} // namespace

void SearchWidth(const EngineSnapshot& engine, const PortRowView& row, const EngineFlow& flow,
                 double others, double perAngleArea, const SheetTexts& texts, WayBackView& way)
{
    const ShapeView& shape = row.shape;
    const double needed = way.target / perAngleArea - others;
    const double bridge = shape.bridge.millimetres;
    const WindowShape& window = shape.opening.window;
    // A corner's radius is half a window's width at most, and the chord the bore.
    const double narrowest = 2.0 * std::max(window.topRadius, window.bottomRadius);
    const double lo = bridge > 0.0 ? bridge + 2.0 * narrowest : narrowest;
    const double hi = flow.boreMm;
    if (!(lo < hi)) {
        way.status = WayBackStatus::NoRoom;
        return;
    }
    const double atLo = angleAreaAt(engine, row, lo);
    const double atHi = angleAreaAt(engine, row, hi);
    if (needed > atHi || needed < atLo) {
        const bool above = needed > atHi;
        way.status = above ? WayBackStatus::AboveReach : WayBackStatus::BelowReach;
        way.reached = ((above ? atHi : atLo) + others) * perAngleArea;
        return;
    }
    const double chord = lo + (needed - atLo) / (atHi - atLo) * (hi - lo);
    const bool arc = shape.measure == WidthMeasure::Arc;
    way.measure = shape.measure;
    way.width = texts.asShown(arc ? flow.boreMm * std::asin(chord / flow.boreMm) : chord);
    way.chord = arc ? ChordOfArc(way.width, flow.boreMm) : way.width;
    way.change = way.width - shape.width.millimetres;
    if (way.chord < lo || way.chord > hi ||
        (arc && way.width > flow.boreMm * std::numbers::pi / 2.0)) {
        way.status = WayBackStatus::NoRoom; // only a hair from the end of its room
        return;
    }
    if (texts.length(way.width) == texts.length(shape.width.millimetres)) {
        way.status = WayBackStatus::Unmoved;
        way.reached = (shape.angleArea + others) * perAngleArea;
        return;
    }
    way.status = WayBackStatus::Found;
    way.reached = (angleAreaAt(engine, row, way.chord) + others) * perAngleArea;
    way.cannotGrind = way.change < 0.0;
    way.ringSnag =
        row.role == PortRole::Exhaust && !(bridge > 0.0) && way.chord > kRingSnag * flow.boreMm;
}

} // namespace crank
