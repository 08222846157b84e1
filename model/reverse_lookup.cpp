#include "model/reverse_lookup.h"

#include <cmath>

#include "model/crank_slider.h"

namespace crank {
namespace {

// Bisection on a crank-angle interval over which the displacement runs
// monotonically from `from` (at lo) to `to` (at hi). The model is flat within
// 0.005 degree of either dead centre and carries float noise of a few
// micrometres, so the search keeps the bracket f(lo) <= drop <= f(hi) (or the
// reverse on the return stroke) and stops when the float angles meet.
float bisect(const EngineGeometry& g, const CrankModel& m, float drop, float lo, float hi,
             bool rising)
{
    auto below = [&](float angle) {
        const float d = CalcDisplacement(g, m, angle);
        return rising ? d < drop : d > drop;
    };
    for (int i = 0; i < 64; ++i) {
        const float mid = static_cast<float>((double{lo} + double{hi}) / 2.0);
        if (mid <= lo || mid >= hi) {
            break; // adjacent floats: about 0.00002 degree near BDC
        }
        if (below(mid)) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    const double errLo = std::fabs(double{CalcDisplacement(g, m, lo)} - double{drop});
    const double errHi = std::fabs(double{CalcDisplacement(g, m, hi)} - double{drop});
    return errLo < errHi ? lo : hi;
}

} // namespace

DropAngles FindCrankAngles(const EngineGeometry& geometry, const CrankModel& model, float dropMm)
{
    DropAngles result;
    // CalcGeometry leaves BdcAngle near 180 for every geometry that passes
    // validation; anything else means the model was never set up.
    if (!(geometry.Stroke > 0.0f) || model.Pi == 0.0f || !(geometry.BdcAngle > 90.0f) ||
        !(geometry.BdcAngle < 270.0f)) {
        result.status = DropLookupStatus::NoGeometry;
        return result;
    }
    if (!std::isfinite(dropMm)) {
        result.status = DropLookupStatus::NotANumber;
        return result;
    }
    if (dropMm < 0.0f || dropMm > geometry.Stroke) {
        result.status = DropLookupStatus::OutOfRange;
        return result;
    }
    result.status = DropLookupStatus::Found;
    const float bdc = geometry.BdcAngle;
    if (dropMm == 0.0f) {
        return result; // TDC on both sides
    }
    if (dropMm == geometry.Stroke) {
        result.atdc = bdc;
        result.btdc = static_cast<float>(360.0 - double{bdc});
        return result;
    }
    result.atdc = bisect(geometry, model, dropMm, 0.0f, bdc, true);
    const float returning = bisect(geometry, model, dropMm, bdc, 360.0f, false);
    result.btdc = static_cast<float>(360.0 - double{returning});
    return result;
}

} // namespace crank
