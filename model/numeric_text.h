#pragma once

#include <cstdint>
#include <string_view>

namespace crank {

// Keystroke filter of the value boxes: digits only, optionally one decimal
// point (allowPoint) and optionally a minus as the first character
// (allowMinus). The empty text is acceptable.
bool IsNumericText(std::string_view text, bool allowMinus, bool allowPoint);

// Numeric reading of a box's text: the value of its longest numeric prefix
// (optional minus, digits, optional point and digits). "", "-", "." and "-."
// read as 0; "12.5x" reads as 12.5.
double ReadNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// The numeric reading rounded to a whole number and converted to a 16-bit
// integer (saturating, so no text can overflow it).
std::int16_t ReadInt16(std::string_view text);

} // namespace crank
