#pragma once

#include <string>

namespace crank {

// The three number texts of the tables and the engine summary.
enum class NumberPattern {
    Whole,   // "##0":    77, 0, -1
    UpToTwo, // "##0.##": 77.1, 77.25, 77.5 (trailing zeros and a bare point dropped)
    Two,     // "##0.00": 20.55, 0.00
};

// The float's exact value rounded to the pattern's decimals, halves away from
// zero, with at least one integer digit. A value that rounds to zero shows no
// minus sign.
std::string FormatNumber(float value, NumberPattern pattern);

} // namespace crank
