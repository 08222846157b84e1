#pragma once

#include <optional>
#include <string>

#include "model/engine_snapshot.h"
#include "model/typed_number.h"
#include "ports/port_timing.h"

namespace crank {

// Two checks of a degree wheel against the engine. A reading is what the
// wheel shows at the pointer, in degrees counted from the wheel's zero the
// way the engine turns; -50 and 310 are the same reading. A zero error is how
// many degrees more than the true crank angle (after TDC) the wheel reads,
// from -180 to 180.

// Finding TDC with a piston stop: the piston touches the stop once before
// TDC (rising) and once after it (falling). With a pin offset the two contacts
// do not lie the same number of degrees either side of TDC, so the midpoint of
// the two readings is not TDC.
struct StopCheck {
    bool found = false;
    std::string message;     // why there is no answer, in plain words; empty when found
    bool dropSolved = false; // the stop's drop came from the spread of the readings
    double drop = 0.0;       // mm below TDC at which the piston touches the stop
    double spread = 0.0;     // degrees from the contact before TDC to the one after
    double before = 0.0;     // degrees BTDC of the rising contact
    double after = 0.0;      // degrees ATDC of the falling contact
    // Degrees by which the midpoint of the contacts lies after true TDC:
    // (after - before) / 2; negative when it lies before.
    double correction = 0.0;
    double tdcReading = 0.0; // the wheel's reading at true TDC, 0 to 360
    double zeroError = 0.0;  // the wheel reads this much more than the crank angle
    // Set when a drop was given whose contacts lie more than half a degree
    // away from the spread read (one of the three is probably mistyped), or
    // when without one the readings lie more than half a turn apart (typed
    // the other way round, most likely).
    std::string warning;
    std::string result; // the answer in words, with the correction and what to do
};

StopCheck FindTdcWithStop(const EngineSnapshot& engine, double readingBefore, double readingAfter,
                          std::optional<double> dropMm, const NumberStyle& style);

// Checking the wheel with a port: the readings at which the port is seen to
// open and to close give its duration, which fixes the edge's drop, and the
// engine's true timing at that drop gives the wheel's zero error.
struct PortCheck {
    bool found = false;
    std::string message;   // why there is no answer; empty when found
    double duration = 0.0; // degrees open
    double drop = 0.0;     // mm below TDC at which the piston passes the edge
    PortTiming timing;     // the true timing at that drop
    double zeroError = 0.0;
    std::string result; // the answer in words: the edge, the error and what to do
};

// A skirt-opened port is open across TDC: a closing reading below the opening
// reading counts a turn on (opening at 290, closing at 60 is open 130 degrees).
PortCheck CheckWheelWithPort(const EngineSnapshot& engine, PortKind kind, double openingReading,
                             double closingReading, const NumberStyle& style);

// What to do about a zero error, in words: "move the pointer 0.88 degree back
// (towards lower readings)"; decimals as shown.
std::string PointerAdvice(double zeroError, int decimals, const NumberStyle& style);

} // namespace crank
