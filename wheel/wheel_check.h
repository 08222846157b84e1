#pragma once

#include <optional>

#include "model/engine_snapshot.h"
#include "ports/port_timing.h"
#include "wheel/degree_wheel.h"

namespace crank {

// Two checks of a degree wheel against the engine, as numbers and states
// (CheckWords phrases them). A reading is degrees from the wheel's zero the
// way the engine turns (wheel_reading.h); a zero error is how many degrees
// more than the true crank angle (after TDC) the wheel reads, from -180 to
// 180.

enum class CheckState {
    Empty,            // neither reading typed: nothing to say
    OneReading,       // only one of the two readings typed
    NotANumber,       // a reading does not read as a number
    BeyondHalfTurn,   // a reading on a 0-180-0 wheel outside 0 to 180
    DropNotANumber,   // the stop's drop does not read as a number
    NoEngine,         // no tables on display
    SameReadings,     // both readings alike: the stop touched once, a port never open
    DropNotPositive,  // a stop at or above the piston's place at TDC
    DropBeyondStroke, // a stop the piston never reaches
    NoEdge,           // no port edge on this engine is open that long
    Found,
};

// What looks wrong in an answer.
enum class CheckWarning {
    None,
    ShallowStop,  // the drop solved from the readings is under kLeastStopDrop
    DeepStop,     // readings without a drop more than half a turn apart
    DropMismatch, // the typed drop's contacts lie more than kSpreadSlack from the readings'
    FarOff,       // the port puts the wheel's zero more than kFarOff from TDC
};

// The slip that explains a warning: undone, the readings fit the engine.
enum class LikelySlip {
    Unknown,
    SideOfTdc, // a reading taken on the wrong side of TDC (a 0-180-0 wheel typed as if 0-360)
    Swapped,   // the two readings typed the other way round
    Drop,      // the readings fit each other, not the typed drop
};

// No stop is set this close to TDC, mm: the piston barely moves there.
inline constexpr double kLeastStopDrop = 0.5;
// Degrees a typed drop's contacts may lie from the readings' spread.
inline constexpr double kSpreadSlack = 0.5;
// Degrees beyond which a port check's zero error is taken for a slip.
inline constexpr double kFarOff = 20.0;

// Finding TDC with a piston stop: the piston touches the stop once before
// TDC (rising) and once after it (falling). With a pin offset the two contacts
// do not lie the same number of degrees either side of TDC, so the midpoint of
// the two readings is not TDC.
struct StopCheck {
    CheckState state = CheckState::Empty;
    bool dropSolved = false; // the stop's drop came from the spread of the readings
    double drop = 0.0;       // mm below TDC at which the piston touches the stop (as typed)
    double stroke = 0.0;     // mm
    double spread = 0.0;     // degrees from the reading before TDC to the one after
    double before = 0.0;     // degrees BTDC of the rising contact
    double after = 0.0;      // degrees ATDC of the falling contact
    // Degrees by which the midpoint of the contacts lies after true TDC:
    // (after - before) / 2; negative when it lies before.
    double correction = 0.0;
    double tdcReading = 0.0; // the wheel's reading at true TDC, 0 up to 360
    double zeroError = 0.0;
    CheckWarning warning = CheckWarning::None;
    LikelySlip slip = LikelySlip::Unknown;
};

StopCheck FindTdcWithStop(const EngineSnapshot& engine, double readingBefore, double readingAfter,
                          std::optional<double> dropMm);

// Checking the wheel with a port: the readings at which the port is seen to
// open and to close give its duration, counted from the opening the way the
// engine turns, which fixes the edge's drop; the engine's true timing at
// that drop gives the wheel's zero error.
struct PortCheck {
    CheckState state = CheckState::Empty;
    PortKind kind = PortKind::CrownOpened;
    double duration = 0.0; // degrees open
    double drop = 0.0;     // mm below TDC at which the piston passes the edge
    PortTiming timing;     // the true timing at that drop
    double zeroError = 0.0;
    CheckWarning warning = CheckWarning::None;
    LikelySlip slip = LikelySlip::Unknown;
};

PortCheck CheckWheelWithPort(const EngineSnapshot& engine, PortKind kind, double openingReading,
                             double closingReading);

// Both checks of what is typed in the wheel's window, its readings read on
// the wheel's marking.
struct WheelChecks {
    StopCheck stop;
    PortCheck port;
};
WheelChecks CheckWheel(const EngineSnapshot& engine, const WheelInput& input,
                       const NumberStyle& style);

} // namespace crank
