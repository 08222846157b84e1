#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crank {

// How the program's own tools (beyond the four screens) write and read
// numbers: with the locale's decimal separator ("." or "," and the like),
// ASCII digits and a leading "-". No group separators.
struct NumberStyle {
    std::string decimal = ".";
};

// value rounded to `decimals` places (halves away from zero), with the
// style's separator; never "-0.0".
std::string FormatDecimal(double value, int decimals, const NumberStyle& style);

// A number text of the four screens ("54.5", "-0.5") in the style.
std::string InStyle(std::string_view pointText, const NumberStyle& style);

// What a box's text is as a number.
enum class TypedNumber {
    Empty,    // nothing typed
    Partial,  // on the way to a number: "-", ",", "-,"
    Complete, // reads as a number: "27", "27,4", ",5", "27,"
    Refused,  // holds what no number can: a letter, a second separator, a misplaced "-"
};

// allowMinus: a leading "-" may belong.
TypedNumber ClassifyTyped(std::string_view text, const NumberStyle& style, bool allowMinus);

// The value of a Complete text; nothing for any other.
std::optional<double> ReadTyped(std::string_view text, const NumberStyle& style);

} // namespace crank
