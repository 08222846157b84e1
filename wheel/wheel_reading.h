#pragma once

#include <string>

#include "model/typed_number.h"

namespace crank {

// Readings of a degree wheel. Whatever the marking, a reading is held as
// degrees from the wheel's zero the way the engine turns, 0 up to 360: on a
// wheel zeroed at TDC, 30 ATDC is 30 and 30 BTDC is 330.

// How the wheel's numbers run.
enum class WheelMarking {
    BothWays, // "0-180-0": 0 at TDC rising to 180 on either side, read with the side of TDC
    FullTurn, // "0-360": 0 at TDC rising to 350 against the way the engine turns
};

enum class TdcSide { Btdc, Atdc };

// A reading as typed: the number, and beside it on a 0-180-0 wheel its side of TDC.
struct TypedReading {
    std::string degrees;
    TdcSide side = TdcSide::Btdc;
};

enum class ReadingState {
    Empty,
    NotANumber,
    BeyondHalfTurn, // a 0-180-0 wheel reads from 0 to 180 on either side
    Read,
};

struct Reading {
    ReadingState state = ReadingState::Empty;
    double degrees = 0.0; // 0 up to 360 the way the engine turns, when read
};

// A typed reading on a wheel of this marking. On a 0-360 wheel every number
// is a reading: -88 and 272 are the same one, as are 380 and 20.
Reading ReadWheelReading(const TypedReading& typed, WheelMarking marking, const NumberStyle& style);

// Degrees brought to 0 up to 360, and to -180 up to 180.
double FullTurn(double degrees);
double HalfTurn(double degrees);

// A reading (degrees the way the engine turns) as the wheel shows it,
// rounded to `decimals`: the number, and on a 0-180-0 wheel its side of TDC,
// none at 0 and 180. What rounds to a whole turn shows as 0.
struct ShownReading {
    double degrees = 0.0;
    std::string side; // "BTDC", "ATDC" or empty
};
ShownReading ShowReading(double reading, int decimals, WheelMarking marking);

// The same in words: "359.876" on a 0-360 wheel, "0.124 BTDC" on a 0-180-0 one.
std::string FormatReading(double reading, int decimals, WheelMarking marking,
                          const NumberStyle& style);

// "0-180-0" or "0-360".
std::string MarkingName(WheelMarking marking);

} // namespace crank
