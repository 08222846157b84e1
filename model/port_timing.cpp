#include "model/port_timing.h"

#include <cmath>
#include <cstdio>

#include "model/crank_slider.h"
#include "model/reverse_lookup.h"

// Same discipline as the model: lengths and angles are stored as float, each
// expression is evaluated in double and rounded once when stored.

namespace crank {
namespace {

using f64 = double;

std::string fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    if (out.find_first_not_of("-0.") == std::string::npos && out[0] == '-') {
        out.erase(0, 1); // no "-0.0"
    }
    return out;
}

std::string lengthText(float mm, LengthUnit unit)
{
    return FormatLength(FromMillimetres(mm, unit), unit) + " " + UnitName(unit);
}

// The crank angles at which the piston stands dropMm below TDC, as the port
// of this kind sees them: opening, closing and the duration between.
struct Angles {
    float opens = 0.0f;
    float closes = 0.0f;
    float duration = 0.0f;
};

Angles anglesAt(const DropAngles& found, PortKind kind)
{
    if (kind == PortKind::CrownOpened) {
        return {found.atdc, found.btdc,
                static_cast<float>(360.0 - f64{found.atdc} - f64{found.btdc})};
    }
    return {found.btdc, found.atdc, static_cast<float>(f64{found.atdc} + f64{found.btdc})};
}

Angles timingAtDrop(const EngineGeometry& g, const CrankModel& m, PortKind kind, float dropMm)
{
    return anglesAt(FindCrankAngles(g, m, dropMm), kind);
}

bool geometryReady(const EngineGeometry& g, const CrankModel& m)
{
    return FindCrankAngles(g, m, 0.0f).status != DropLookupStatus::NoGeometry;
}

const char* kindText(PortKind kind)
{
    return kind == PortKind::CrownOpened ? "crown-opened" : "skirt-opened";
}

constexpr const char* kNoGeometry = "Display the tables first.";

} // namespace

float ToMillimetres(float value, LengthUnit unit)
{
    return unit == LengthUnit::Inch ? static_cast<float>(f64{value} * kMillimetresPerInch) : value;
}

float FromMillimetres(float mm, LengthUnit unit)
{
    return unit == LengthUnit::Inch ? static_cast<float>(f64{mm} / kMillimetresPerInch) : mm;
}

const char* UnitName(LengthUnit unit)
{
    return unit == LengthUnit::Inch ? "in" : "mm";
}

std::string FormatAngle(float degrees)
{
    return fixed(f64{degrees}, 1);
}

std::string FormatLength(float value, LengthUnit unit)
{
    return fixed(f64{value}, unit == LengthUnit::Inch ? 3 : 2);
}

PortTiming TimePort(const EngineGeometry& geometry, const CrankModel& model, PortKind kind,
                    float height, float deck, LengthUnit unit)
{
    PortTiming timing;
    if (!geometryReady(geometry, model)) {
        timing.message = kNoGeometry;
        return timing;
    }
    const float drop =
        static_cast<float>(f64{ToMillimetres(height, unit)} - f64{ToMillimetres(deck, unit)});
    timing.drop = FromMillimetres(drop, unit);
    if (!std::isfinite(drop)) {
        timing.message = "The height is not a number.";
        return timing;
    }
    if (drop < 0.0f) {
        timing.message = "Above the crown at TDC: the drop is " + lengthText(drop, unit) + ".";
        return timing;
    }
    if (drop > geometry.Stroke) {
        timing.message = "Beyond the stroke: the drop is " + lengthText(drop, unit) +
                         ", the stroke " + lengthText(geometry.Stroke, unit) + ".";
        return timing;
    }
    const Angles angles = timingAtDrop(geometry, model, kind, drop);
    timing.ok = true;
    timing.opens = angles.opens;
    timing.closes = angles.closes;
    timing.duration = angles.duration;
    return timing;
}

PortHeight FindPortHeight(const EngineGeometry& geometry, const CrankModel& model, PortKind kind,
                          TimingTarget target, float degrees, float deck, LengthUnit unit)
{
    PortHeight result;
    if (!geometryReady(geometry, model)) {
        result.message = kNoGeometry;
        return result;
    }
    const float deckMm = ToMillimetres(deck, unit);
    // A port edge lies at or below the cylinder top and no lower than BDC.
    const float lowest = deckMm < 0.0f ? static_cast<float>(-f64{deckMm}) : 0.0f;
    const float S = geometry.Stroke;
    if (lowest > S) {
        result.message = "The crown stands proud of the cylinder top by more than the stroke.";
        return result;
    }
    const bool crown = kind == PortKind::CrownOpened;
    const Angles top = timingAtDrop(geometry, model, kind, lowest);
    const Angles bottom = timingAtDrop(geometry, model, kind, S);
    const bool opening = target == TimingTarget::Opening;
    // Both the opening angle and the duration run steadily between the
    // highest and the lowest edge.
    const float fromTop = opening ? top.opens : top.duration;
    const float fromBottom = opening ? bottom.opens : bottom.duration;
    const float least = fromTop < fromBottom ? fromTop : fromBottom;
    const float most = fromTop < fromBottom ? fromBottom : fromTop;
    // The ends carry float noise of about 0.0001 degree (0 comes out as 0.00002).
    constexpr f64 kSlack = 0.001;
    if (!(f64{degrees} >= f64{least} - kSlack && f64{degrees} <= f64{most} + kSlack)) {
        const char* side = crown ? "ATDC" : "BTDC";
        result.message = std::string("No height gives that: a ") + kindText(kind) + " port " +
                         (opening ? std::string("opens from ") + FormatAngle(least) + " to " +
                                        FormatAngle(most) + " degrees " + side
                                  : std::string("is open from ") + FormatAngle(least) + " to " +
                                        FormatAngle(most) + " degrees") +
                         ".";
        return result;
    }

    float drop = 0.0f;
    if (opening) {
        // The drop at the opening angle itself: ATDC, or BTDC for the skirt.
        const float angle = crown ? degrees : static_cast<float>(360.0 - f64{degrees});
        drop = CalcDisplacement(geometry, model, angle);
    } else {
        // Bisection on the drop: a crown-opened port's duration falls as the
        // edge goes down, a skirt-opened port's rises.
        float lo = lowest;
        float hi = S;
        for (int i = 0; i < 64; ++i) {
            const float mid = static_cast<float>((f64{lo} + f64{hi}) / 2.0);
            if (mid <= lo || mid >= hi) {
                break;
            }
            const float d = timingAtDrop(geometry, model, kind, mid).duration;
            if ((d > degrees) == crown) {
                lo = mid;
            } else {
                hi = mid;
            }
        }
        const auto miss = [&](float at) {
            return std::fabs(f64{timingAtDrop(geometry, model, kind, at).duration} - f64{degrees});
        };
        drop = miss(lo) < miss(hi) ? lo : hi;
    }
    result.ok = true;
    result.height = FromMillimetres(static_cast<float>(f64{drop} + f64{deckMm}), unit);
    return result;
}

std::string AsymmetryNote(const EngineGeometry& geometry)
{
    if (!geometry.OffsetNonZero) {
        return "No pin offset: every port opens and closes at the same angle either side of TDC.";
    }
    const bool withRotation = geometry.PinOffset > 0.0f;
    return "Pin offset " + std::string(withRotation ? "+" : "") +
           fixed(f64{geometry.PinOffset}, 2) + " mm: the piston passes each edge " +
           (withRotation ? "later" : "earlier") +
           " ATDC than BTDC, so opening and closing differ (BDC at " +
           fixed(f64{geometry.BdcAngle}, 2) + " degrees ATDC).";
}

std::vector<std::string> PortSheetHeader(LengthUnit unit)
{
    return {"Port",        "Opened by",    "Height (" + std::string(UnitName(unit)) + ")",
            "Opens (deg)", "Closes (deg)", "Duration (deg)"};
}

std::vector<std::string> PortRowCells(const std::string& name, PortKind kind, float height,
                                      LengthUnit unit, const PortTiming& timing)
{
    std::vector<std::string> cells = {name, kind == PortKind::CrownOpened ? "crown" : "skirt",
                                      FormatLength(height, unit)};
    if (!timing.ok) {
        cells.push_back(timing.message);
        return cells;
    }
    const bool crown = kind == PortKind::CrownOpened;
    cells.push_back(FormatAngle(timing.opens) + (crown ? " ATDC" : " BTDC"));
    cells.push_back(FormatAngle(timing.closes) + (crown ? " BTDC" : " ATDC"));
    cells.push_back(FormatAngle(timing.duration));
    return cells;
}

} // namespace crank
