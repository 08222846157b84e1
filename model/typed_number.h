#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crank {

// How the program's own tools (beyond the four screens) write and read
// numbers. They write with the locale's decimal separator ("." or "," and
// the like); they read "." and "," alike, and the locale's own separator
// too, whatever the locale, since their boxes take no group separators and
// nothing is ambiguous. ASCII digits and a leading "-".
struct NumberStyle {
    std::string decimal = ".";
};

// value rounded to `decimals` places (halves away from zero), with the
// style's separator; never "-0.0".
std::string FormatDecimal(double value, int decimals, const NumberStyle& style);

// value with `digits` significant digits, in fixed notation ("0.0001420",
// "142.0", "0.00001800"), with the style's separator; 0 as "0".
std::string FormatSignificant(double value, int digits, const NumberStyle& style);

// A number text ("54.5", "-0.5", or one typed with either separator) with
// the style's separator: how a text kept in a tool's input is shown.
std::string InStyle(std::string_view text, const NumberStyle& style);

// What a box's text is as a number.
enum class TypedNumber {
    Empty,    // nothing typed
    Partial,  // on the way to a number: "-", ",", "-."
    Complete, // reads as a number: "27", "27,4", "27.4", ",5", "27,"
    Refused,  // holds what no number can: a letter, a second separator, a misplaced "-"
};

// allowMinus: a leading "-" may belong.
TypedNumber ClassifyTyped(std::string_view text, const NumberStyle& style, bool allowMinus);

// Why a Refused text cannot be a number, in plain words for the box that
// refuses it ("A number has one decimal separator."); empty for any other.
std::string WhyRefused(std::string_view text, const NumberStyle& style, bool allowMinus);

// The value of a Complete text; nothing for any other.
std::optional<double> ReadTyped(std::string_view text, const NumberStyle& style);

} // namespace crank
