#include "ports/port_timing.h"

#include <cmath>

#include "model/crank_slider.h"
#include "model/reverse_lookup.h"

// Same discipline as the model: lengths and angles are stored as float, each
// expression is evaluated in double and rounded once when stored.

namespace crank {
namespace {

using f64 = double;

// The crank angles at which the piston stands dropMm below TDC, as the port
// of this kind sees them: opening, closing and the duration between.
PortTiming anglesAt(const DropAngles& found, PortKind kind)
{
    PortTiming timing;
    timing.status = TimingStatus::Timed;
    if (kind == PortKind::CrownOpened) {
        timing.opens = found.atdc;
        timing.closes = found.btdc;
        timing.duration = static_cast<float>(360.0 - f64{found.atdc} - f64{found.btdc});
    } else {
        timing.opens = found.btdc;
        timing.closes = found.atdc;
        timing.duration = static_cast<float>(f64{found.atdc} + f64{found.btdc});
    }
    return timing;
}

PortTiming timingAtDrop(const EngineSnapshot& e, PortKind kind, float dropMm)
{
    return anglesAt(FindCrankAngles(e.geometry, e.model, dropMm), kind);
}

bool geometryReady(const EngineSnapshot& e)
{
    return FindCrankAngles(e.geometry, e.model, 0.0f).status != DropLookupStatus::NoGeometry;
}

} // namespace

float EdgeDrop(PortKind kind, float height, float deck, float pistonLength)
{
    const f64 below = f64{height} - f64{deck};
    return static_cast<float>(kind == PortKind::CrownOpened ? below : below - f64{pistonLength});
}

PortTiming TimePort(const EngineSnapshot& engine, PortKind kind, float dropMm)
{
    PortTiming timing;
    if (!geometryReady(engine)) {
        return timing;
    }
    if (!(dropMm >= 0.0f)) {
        timing.status = TimingStatus::AboveTdc;
        return timing;
    }
    if (dropMm > engine.geometry.Stroke) {
        timing.status = TimingStatus::BeyondStroke;
        return timing;
    }
    return timingAtDrop(engine, kind, dropMm);
}

PortDrop FindPortDrop(const EngineSnapshot& engine, PortKind kind, TimingTarget target,
                      float degrees, float lowestDrop)
{
    PortDrop result;
    if (!geometryReady(engine)) {
        return result;
    }
    const float lowest = lowestDrop > 0.0f ? lowestDrop : 0.0f;
    const float S = engine.geometry.Stroke;
    if (lowest > S) {
        result.status = SearchStatus::NoRoom;
        return result;
    }
    const bool crown = kind == PortKind::CrownOpened;
    const bool opening = target == TimingTarget::Opening;
    const PortTiming top = timingAtDrop(engine, kind, lowest);
    const PortTiming bottom = timingAtDrop(engine, kind, S);
    // Both the opening angle and the duration run steadily between the
    // highest and the lowest edge.
    const float fromTop = opening ? top.opens : top.duration;
    const float fromBottom = opening ? bottom.opens : bottom.duration;
    result.least = fromTop < fromBottom ? fromTop : fromBottom;
    result.most = fromTop < fromBottom ? fromBottom : fromTop;
    // The ends carry float noise of about 0.0001 degree (0 comes out as 0.00002).
    constexpr f64 kSlack = 0.001;
    if (!(f64{degrees} >= f64{result.least} - kSlack &&
          f64{degrees} <= f64{result.most} + kSlack)) {
        result.status = SearchStatus::OutOfReach;
        return result;
    }

    result.status = SearchStatus::Found;
    if (opening) {
        // The drop at the opening angle itself: ATDC, or BTDC for the skirt.
        const float angle = crown ? degrees : static_cast<float>(360.0 - f64{degrees});
        const float drop = CalcDisplacement(engine.geometry, engine.model, angle);
        result.drop = drop > lowest ? drop : lowest;
        return result;
    }
    // Bisection on the drop: a crown-opened port's duration falls as the
    // edge goes down, a skirt-opened port's rises.
    float lo = lowest;
    float hi = S;
    for (int i = 0; i < 64; ++i) {
        const float mid = static_cast<float>((f64{lo} + f64{hi}) / 2.0);
        if (mid <= lo || mid >= hi) {
            break;
        }
        const float d = timingAtDrop(engine, kind, mid).duration;
        if ((d > degrees) == crown) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    const auto miss = [&](float at) {
        return std::fabs(f64{timingAtDrop(engine, kind, at).duration} - f64{degrees});
    };
    result.drop = miss(lo) < miss(hi) ? lo : hi;
    return result;
}

} // namespace crank
