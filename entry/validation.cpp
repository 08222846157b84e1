#include "entry/validation.h"

#include <cmath>

namespace crank {

std::optional<ValidationFailure> ValidateGeometry(const EngineGeometry& g)
{
    const float S = g.Stroke;
    const float L = g.RodLength;
    const float e = std::fabs(g.PinOffset);
    if (!(S >= 15.0f)) {
        return ValidationFailure{"Stroke too small", 0};
    }
    if (!(S <= 1000.0f)) {
        return ValidationFailure{"Stroke too large", 0};
    }
    if (!(static_cast<float>(1.5 * double{S}) <= L)) {
        return ValidationFailure{"Connecting Rod/Stroke Ratio too small", 1};
    }
    if (!(L <= static_cast<float>(3.0 * double{S}))) {
        return ValidationFailure{"Connecting Rod/Stroke Ratio too large", 1};
    }
    if (!(static_cast<float>(5.0 * double{e}) <= S)) {
        return ValidationFailure{"Gudgeon Pin Offset too large", 2};
    }
    return std::nullopt;
}

} // namespace crank
