#include "wheel/wheel_check.h"

#include <cmath>

#include "model/reverse_lookup.h"

namespace crank {
namespace {

// A reading brought to 0 up to 360.
double fullTurn(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0.0 ? turned + 360.0 : turned;
}

// An angle brought to -180 up to 180.
double halfTurn(double degrees)
{
    const double turned = fullTurn(degrees);
    return turned > 180.0 ? turned - 360.0 : turned;
}

bool geometryReady(const EngineSnapshot& engine)
{
    return FindCrankAngles(engine.geometry, engine.model, 0.0f).status !=
           DropLookupStatus::NoGeometry;
}

constexpr const char* kNoEngine = "Display the tables first.";

// The drop at which the piston passes a point `spread` degrees apart either
// side of TDC. The spread grows steadily from 0 at TDC to 360 at BDC.
double dropForSpread(const EngineSnapshot& engine, double spread)
{
    double lo = 0.0;
    double hi = double{engine.geometry.Stroke};
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2.0;
        const DropAngles at =
            FindCrankAngles(engine.geometry, engine.model, static_cast<float>(mid));
        if (double{at.atdc} + double{at.btdc} < spread) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return (lo + hi) / 2.0;
}

std::string degreesWord(double rounded)
{
    return std::fabs(rounded) > 1.0 ? " degrees" : " degree";
}

} // namespace

std::string PointerAdvice(double zeroError, int decimals, const NumberStyle& style)
{
    const std::string size = FormatDecimal(std::fabs(zeroError), decimals, style);
    const double scale = std::pow(10.0, decimals);
    const double shown = std::round(std::fabs(zeroError) * scale) / scale;
    if (shown == 0.0) {
        return "the wheel reads true: leave the pointer where it is";
    }
    // The pointer stands still while the wheel turns under it, so moving it
    // the way the engine turns makes it read less.
    if (zeroError > 0.0) {
        return "move the pointer " + size + degreesWord(shown) +
               " back (towards lower readings, the way the engine turns)";
    }
    return "move the pointer " + size + degreesWord(shown) +
           " forward (towards higher readings, against the way the engine turns)";
}

StopCheck FindTdcWithStop(const EngineSnapshot& engine, double readingBefore, double readingAfter,
                          std::optional<double> dropMm, const NumberStyle& style)
{
    StopCheck check;
    if (!geometryReady(engine)) {
        check.message = kNoEngine;
        return check;
    }
    const auto fmt = [&style](double value, int decimals) {
        return FormatDecimal(value, decimals, style);
    };
    const double stroke = double{engine.geometry.Stroke};
    check.spread = fullTurn(readingAfter - readingBefore);
    if (check.spread < 0.01) {
        check.message = "The two readings are the same: the piston touches the stop once before "
                        "TDC and once after it, at two different readings.";
        return check;
    }
    if (dropMm) {
        if (!(*dropMm > 0.0)) {
            check.message = "The stop's drop must be more than 0 mm: the piston reaches the "
                            "stop below its place at TDC.";
            return check;
        }
        if (*dropMm >= stroke) {
            check.message = "A stop " + fmt(*dropMm, 2) +
                            " mm down is never touched: the stroke is " + fmt(stroke, 2) + " mm.";
            return check;
        }
        check.drop = *dropMm;
    } else {
        check.drop = dropForSpread(engine, check.spread);
        check.dropSolved = true;
    }
    const DropAngles at =
        FindCrankAngles(engine.geometry, engine.model, static_cast<float>(check.drop));
    check.found = true;
    check.before = double{at.btdc};
    check.after = double{at.atdc};
    // Offset case: the contacts are not mirror images, so the midpoint of the
    // two readings is not TDC but lies half their difference after it.
    check.correction = (check.after - check.before) / 2.0;
    const double midpoint = readingBefore + check.spread / 2.0;
    check.zeroError = halfTurn(midpoint - check.correction);
    check.tdcReading = fullTurn(check.zeroError);
    if (check.dropSolved && check.spread > 180.0) {
        // A stop is set near TDC; readings typed the other way round look
        // like a stop touched far down, near BDC.
        check.warning = "The readings are more than half a turn apart: check that the first is "
                        "the one before TDC.";
    }
    if (!check.dropSolved && std::fabs(check.before + check.after - check.spread) > 0.5) {
        check.warning = "The readings are " + fmt(check.spread, 2) + " degrees apart, but a stop " +
                        fmt(check.drop, 2) + " mm down is touched " +
                        fmt(check.before + check.after, 2) +
                        " degrees apart: check the readings and the drop.";
    }

    std::string text = "The piston touches a stop " + fmt(check.drop, 2) + " mm down " +
                       fmt(check.before, 3) + " degrees BTDC and " + fmt(check.after, 3) + " ATDC";
    if (check.dropSolved) {
        text += " (the drop follows from the " + fmt(check.spread, 2) +
                " degrees between the readings)";
    }
    text += ". ";
    const double rounded = std::round(check.correction * 1000.0) / 1000.0;
    if (rounded == 0.0) {
        text += "The midpoint of the two readings is true TDC. ";
    } else {
        text += "The midpoint of the two readings lies " + fmt(std::fabs(check.correction), 3) +
                degreesWord(rounded) + (rounded > 0.0 ? " after" : " before") + " true TDC. ";
    }
    text += "True TDC reads " + fmt(check.tdcReading, 3) +
            " on this wheel: " + PointerAdvice(check.zeroError, 3, style) + ".";
    check.result = text;
    return check;
}

PortCheck CheckWheelWithPort(const EngineSnapshot& engine, PortKind kind, double openingReading,
                             double closingReading, const NumberStyle& style)
{
    PortCheck check;
    if (!geometryReady(engine)) {
        check.message = kNoEngine;
        return check;
    }
    const auto fmt = [&style](double value, int decimals) {
        return FormatDecimal(value, decimals, style);
    };
    const bool crown = kind == PortKind::CrownOpened;
    double closing = closingReading;
    if (!crown && closing < openingReading) {
        closing += 360.0; // open across the wheel's zero
    }
    check.duration = closing - openingReading;
    if (check.duration < 0.0) {
        check.message = "The closing reading (" + fmt(closingReading, 2) +
                        ") comes before the opening reading (" + fmt(openingReading, 2) +
                        "): a port the crown opens opens after TDC and closes before the next "
                        "TDC, so it closes at the higher reading.";
        return check;
    }
    if (check.duration < 0.005) {
        check.message = "The port opens and closes at the same reading: it is never open.";
        return check;
    }
    if (check.duration >= 360.0) {
        check.message = "That port would be open " + fmt(check.duration, 2) +
                        " degrees: no port is open for a whole turn or more.";
        return check;
    }
    const PortDrop found = FindPortDrop(engine, kind, TimingTarget::Duration,
                                        static_cast<float>(check.duration), 0.0f);
    if (found.status != SearchStatus::Found) {
        check.message =
            "No edge gives a port open " + fmt(check.duration, 2) + " degrees on this engine.";
        return check;
    }
    check.found = true;
    check.drop = double{found.drop};
    check.timing = TimePort(engine, kind, found.drop);
    // Where the events truly lie, counted from TDC the way the engine turns.
    const double trueOpening = crown ? double{check.timing.opens} : -double{check.timing.opens};
    const double trueClosing =
        crown ? 360.0 - double{check.timing.closes} : double{check.timing.closes};
    check.zeroError = halfTurn(((openingReading - trueOpening) + (closing - trueClosing)) / 2.0);

    std::string text = crown ? "The edge lies " + fmt(check.drop, 2) +
                                   " mm below the crown at TDC: the port opens " +
                                   fmt(double{check.timing.opens}, 2) + " ATDC and closes " +
                                   fmt(double{check.timing.closes}, 2) + " BTDC"
                             : "The port's lower edge lies " + fmt(check.drop, 2) +
                                   " mm below the skirt's edge at TDC: the port opens " +
                                   fmt(double{check.timing.opens}, 2) + " BTDC and closes " +
                                   fmt(double{check.timing.closes}, 2) + " ATDC";
    text += ", " + fmt(check.duration, 2) + " degrees. ";
    const double rounded = std::round(check.zeroError * 100.0) / 100.0;
    if (rounded != 0.0) {
        text += "The wheel reads " + fmt(std::fabs(check.zeroError), 2) + degreesWord(rounded) +
                (rounded > 0.0 ? " more" : " less") + " than the crank angle: ";
    } else {
        text += "So ";
    }
    text += PointerAdvice(check.zeroError, 2, style) + ".";
    if (std::fabs(check.zeroError) > 20.0) {
        text += " That is far off: check that both readings count from the wheel's zero the "
                "way the engine turns.";
    }
    check.result = text;
    return check;
}

} // namespace crank
