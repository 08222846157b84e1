#include "model/crank_slider.h"

#include <cmath>

// Precision discipline: every named quantity is stored as float; each
// expression between stored quantities is evaluated in double and rounded to
// float once, when it is stored. sin, cos, atan and sqrt run in double on
// float arguments. The explicit casts below are the rounding points.

namespace crank {
namespace {

using f64 = double;

// Arcsine as atan(s / sqrt(1 - s^2)), with the quotient rounded to float
// before the arctangent is taken.
float arcSin(float s)
{
    const float quotient = static_cast<float>(f64{s} / std::sqrt(1.0 - f64{s} * f64{s}));
    return static_cast<float>(std::atan(f64{quotient}));
}

} // namespace

void CalcGeometry(EngineGeometry& geometry, CrankModel& m)
{
    m.Pi = static_cast<float>(4.0 * std::atan(1.0));
    m.RadToDeg = static_cast<float>(180.0 / f64{m.Pi});
    m.DegToRad = static_cast<float>(f64{m.Pi} / 180.0);

    const float S = geometry.Stroke;
    const float L = geometry.RodLength;
    float e;
    if (0.0f <= geometry.PinOffset) {
        m.OffsetWithRotation = true;
        e = geometry.PinOffset;
    } else {
        m.OffsetWithRotation = false;
        e = -geometry.PinOffset;
    }

    float bdcAngle; // radians until the final conversion
    if (!geometry.OffsetNonZero) {
        m.CrankRadius = static_cast<float>(f64{S} / 2.0);
        bdcAngle = m.Pi;
    } else {
        const float e2 = static_cast<float>(f64{e} * f64{e});
        const float L2 = static_cast<float>(f64{L} * f64{L});
        const float S2 = static_cast<float>(f64{S} * f64{S});
        // Squared radius for which sqrt((L+r)^2 - e^2) - sqrt((L-r)^2 - e^2) = S.
        const float r2 = static_cast<float>(
            ((f64{S2} - 4.0 * (f64{L2} - f64{e2})) * f64{S2} / 4.0) / (f64{S2} - 4.0 * f64{L2}));
        const float r = static_cast<float>(std::sqrt(f64{r2}));
        m.CrankRadius = r;
        const float RL = static_cast<float>(f64{r} + f64{L});
        // TDC: crankpin and pin in line through the axis, tilted by asin(e / (L + r)).
        const float sA = static_cast<float>(f64{e} / f64{RL});
        m.TdcTilt = arcSin(sA);
        m.TdcHeight = static_cast<float>(f64{RL} * std::cos(f64{m.TdcTilt}));
        // BDC: rod folded back over the crank, tilted by asin(e / (L - r)).
        const float sB = static_cast<float>((f64{RL} / (f64{L} - f64{r})) * f64{sA});
        const float B = arcSin(sB);
        const float t1 = static_cast<float>(f64{m.Pi} - f64{B});
        // B - TdcTilt: how far BDC lies from 180 degrees.
        const float t2 = static_cast<float>(f64{m.Pi} - f64{m.TdcTilt} - f64{t1});
        bdcAngle = m.OffsetWithRotation ? static_cast<float>(f64{t2} + f64{m.Pi})
                                        : static_cast<float>(f64{m.Pi} - f64{t2});
        m.CosCoef = static_cast<float>(-2.0 * f64{r});
        m.ConstCoef = static_cast<float>(f64{e2} + f64{r2} - f64{L2});
        m.SinCoef = static_cast<float>(f64{m.CosCoef} * f64{e});
    }
    geometry.BdcAngle = static_cast<float>(f64{bdcAngle} * f64{m.RadToDeg});
}

float CalcDisplacement(const EngineGeometry& geometry, const CrankModel& m, float crankAngle)
{
    // A negative offset mirrors the mechanism: offset -e at X is offset +e at 360 - X.
    float a = crankAngle;
    if (!m.OffsetWithRotation) {
        a = static_cast<float>(360.0 - f64{a});
    }

    // TDC, and anything outside 0..360.
    if (a < 0.005f || 360.0 - f64{a} < 0.005) {
        return 0.0f;
    }
    // BDC: compared with the angle as the caller passed it.
    if (static_cast<float>(std::fabs(f64{crankAngle} - f64{geometry.BdcAngle})) < 0.005f) {
        return geometry.Stroke;
    }

    const float L = geometry.RodLength;
    const float r = m.CrankRadius;
    if (!geometry.OffsetNonZero) {
        // Zero offset: law of cosines, symmetric about TDC.
        if (a > 180.0f) {
            a = static_cast<float>(360.0 - f64{a});
        }
        const float t = static_cast<float>(f64{m.DegToRad} * f64{a});
        const float s = static_cast<float>(f64{r} * std::sin(f64{t}) / f64{L});
        const float phi = arcSin(s); // rod angle to the cylinder axis
        const float w = static_cast<float>(f64{m.Pi} - f64{t} - f64{phi});
        // Squared distance from the crank axis to the gudgeon pin.
        const float d2 = static_cast<float>((f64{L} * f64{L} + f64{r} * f64{r}) -
                                            (f64{r} + f64{r}) * f64{L} * std::cos(f64{w}));
        return static_cast<float>((f64{L} + f64{r}) - std::sqrt(f64{d2}));
    }

    // Offset case: the pin height y is the larger root of y^2 + b y + c = 0,
    // where the crankpin (r sin t, r cos t) lies at rod length from the pin (e, y).
    const float t = static_cast<float>(f64{m.DegToRad} * f64{a} + f64{m.TdcTilt});
    const float b = static_cast<float>(f64{m.CosCoef} * std::cos(f64{t}));
    const float c = static_cast<float>(f64{m.SinCoef} * std::sin(f64{t}) + f64{m.ConstCoef});
    const float y = static_cast<float>((-f64{b} + std::sqrt(f64{b} * f64{b} - 4.0 * f64{c})) / 2.0);
    return static_cast<float>(f64{m.TdcHeight} - f64{y});
}

} // namespace crank
