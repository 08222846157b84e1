#include "wheel/wheel_check.h"

#include <cmath>

#include "model/reverse_lookup.h"

namespace crank {
namespace {

bool geometryReady(const EngineSnapshot& engine)
{
    return FindCrankAngles(engine.geometry, engine.model, 0.0f).status !=
           DropLookupStatus::NoGeometry;
}

DropAngles anglesAt(const EngineSnapshot& engine, double drop)
{
    return FindCrankAngles(engine.geometry, engine.model, static_cast<float>(drop));
}

// The drop at which the piston passes a point `spread` degrees apart either
// side of TDC. The spread grows steadily from 0 at TDC to 360 at BDC.
double dropForSpread(const EngineSnapshot& engine, double spread)
{
    double lo = 0.0;
    double hi = double{engine.geometry.Stroke};
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2.0;
        const DropAngles at = anglesAt(engine, mid);
        if (double{at.atdc} + double{at.btdc} < spread) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return (lo + hi) / 2.0;
}

// The answer of a piston stop, its warning included but not what explains it.
StopCheck solveStop(const EngineSnapshot& engine, double readingBefore, double readingAfter,
                    std::optional<double> dropMm)
{
    StopCheck check;
    check.stroke = double{engine.geometry.Stroke};
    check.spread = FullTurn(readingAfter - readingBefore);
    if (check.spread < 0.01) {
        check.state = CheckState::SameReadings;
        return check;
    }
    if (dropMm) {
        check.drop = *dropMm;
        if (!(*dropMm > 0.0)) {
            check.state = CheckState::DropNotPositive;
            return check;
        }
        if (*dropMm >= check.stroke) {
            check.state = CheckState::DropBeyondStroke;
            return check;
        }
    } else {
        check.drop = dropForSpread(engine, check.spread);
        check.dropSolved = true;
    }
    const DropAngles at = anglesAt(engine, check.drop);
    check.state = CheckState::Found;
    check.before = double{at.btdc};
    check.after = double{at.atdc};
    // Offset case: the contacts are not mirror images, so the midpoint of the
    // two readings is not TDC but lies half their difference after it.
    check.correction = (check.after - check.before) / 2.0;
    const double midpoint = readingBefore + check.spread / 2.0;
    check.zeroError = HalfTurn(midpoint - check.correction);
    check.tdcReading = FullTurn(check.zeroError);
    if (!check.dropSolved) {
        if (std::fabs(check.before + check.after - check.spread) > kSpreadSlack) {
            check.warning = CheckWarning::DropMismatch;
        }
    } else if (check.drop < kLeastStopDrop) {
        check.warning = CheckWarning::ShallowStop;
    } else if (check.spread > 180.0) {
        // A stop is set near TDC; readings typed the other way round look
        // like a stop touched far down, near BDC.
        check.warning = CheckWarning::DeepStop;
    }
    return check;
}

PortCheck solvePort(const EngineSnapshot& engine, PortKind kind, double openingReading,
                    double closingReading)
{
    PortCheck check;
    check.kind = kind;
    // Both kinds open, then close the way the engine turns; a skirt-opened
    // port is open across TDC, so its closing reading may be the lower.
    check.duration = FullTurn(closingReading - openingReading);
    if (check.duration < 0.005) {
        check.state = CheckState::SameReadings;
        return check;
    }
    const PortDrop found = FindPortDrop(engine, kind, TimingTarget::Duration,
                                        static_cast<float>(check.duration), 0.0f);
    if (found.status != SearchStatus::Found) {
        check.state = CheckState::NoEdge;
        return check;
    }
    check.state = CheckState::Found;
    check.drop = double{found.drop};
    check.timing = TimePort(engine, kind, found.drop);
    // Where the events truly lie, counted from TDC the way the engine turns.
    const bool crown = kind == PortKind::CrownOpened;
    const double trueOpening = crown ? double{check.timing.opens} : -double{check.timing.opens};
    const double trueClosing = trueOpening + double{check.timing.duration};
    const double closing = openingReading + check.duration;
    check.zeroError = HalfTurn(((openingReading - trueOpening) + (closing - trueClosing)) / 2.0);
    if (std::fabs(check.zeroError) > kFarOff) {
        check.warning = CheckWarning::FarOff;
    }
    return check;
}

template <class Check> bool fits(const Check& check)
{
    return check.state == CheckState::Found && check.warning == CheckWarning::None;
}

// The slip that, undone, makes the readings fit: a reading on the other side
// of TDC (-x for x), then the two the other way round.
template <class Solve> LikelySlip slipOf(double first, double second, Solve solve)
{
    if (fits(solve(-first, second)) || fits(solve(first, -second))) {
        return LikelySlip::SideOfTdc;
    }
    return fits(solve(second, first)) ? LikelySlip::Swapped : LikelySlip::Unknown;
}

// Two readings typed together: both read, or the first thing wrong with them.
CheckState readPair(const TypedReading& a, const TypedReading& b, WheelMarking marking,
                    const NumberStyle& style, Reading& first, Reading& second)
{
    first = ReadWheelReading(a, marking, style);
    second = ReadWheelReading(b, marking, style);
    const auto either = [&](ReadingState state) {
        return first.state == state || second.state == state;
    };
    if (first.state == ReadingState::Empty && second.state == ReadingState::Empty) {
        return CheckState::Empty;
    }
    if (either(ReadingState::Empty)) {
        return CheckState::OneReading;
    }
    if (either(ReadingState::NotANumber)) {
        return CheckState::NotANumber;
    }
    return either(ReadingState::BeyondHalfTurn) ? CheckState::BeyondHalfTurn : CheckState::Found;
}

} // namespace

StopCheck FindTdcWithStop(const EngineSnapshot& engine, double readingBefore, double readingAfter,
                          std::optional<double> dropMm)
{
    if (!geometryReady(engine)) {
        StopCheck check;
        check.state = CheckState::NoEngine;
        return check;
    }
    StopCheck check = solveStop(engine, readingBefore, readingAfter, dropMm);
    if (check.warning != CheckWarning::None) {
        check.slip = slipOf(readingBefore, readingAfter, [&](double before, double after) {
            return solveStop(engine, before, after, dropMm);
        });
        if (check.slip == LikelySlip::Unknown && dropMm &&
            fits(solveStop(engine, readingBefore, readingAfter, std::nullopt))) {
            check.slip = LikelySlip::Drop;
        }
    }
    return check;
}

PortCheck CheckWheelWithPort(const EngineSnapshot& engine, PortKind kind, double openingReading,
                             double closingReading)
{
    if (!geometryReady(engine)) {
        PortCheck check;
        check.state = CheckState::NoEngine;
        check.kind = kind;
        return check;
    }
    PortCheck check = solvePort(engine, kind, openingReading, closingReading);
    if (check.warning != CheckWarning::None) {
        check.slip = slipOf(openingReading, closingReading, [&](double opening, double closing) {
            return solvePort(engine, kind, opening, closing);
        });
    }
    return check;
}

WheelChecks CheckWheel(const EngineSnapshot& engine, const WheelInput& input,
                       const NumberStyle& style)
{
    WheelChecks checks;
    Reading first;
    Reading second;
    checks.stop.state =
        readPair(input.stopBefore, input.stopAfter, input.marking, style, first, second);
    const std::optional<double> drop = ReadTyped(input.stopDrop, style);
    if (checks.stop.state == CheckState::Found && !input.stopDrop.empty() && !drop) {
        checks.stop.state = CheckState::DropNotANumber;
    }
    if (checks.stop.state == CheckState::Found) {
        checks.stop = FindTdcWithStop(engine, first.degrees, second.degrees, drop);
    }
    checks.port.kind = input.portKind;
    checks.port.state =
        readPair(input.portOpens, input.portCloses, input.marking, style, first, second);
    if (checks.port.state == CheckState::Found) {
        checks.port = CheckWheelWithPort(engine, input.portKind, first.degrees, second.degrees);
    }
    return checks;
}

} // namespace crank
