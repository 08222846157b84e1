#include "model/typed_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace crank {
namespace {

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The length of the decimal separator at the start of text: "." or ",", or
// the style's own (which may be more than one byte); 0 for none.
std::size_t separatorAt(std::string_view text, const NumberStyle& style)
{
    if (text.starts_with('.') || text.starts_with(',')) {
        return 1;
    }
    if (!style.decimal.empty() && text.starts_with(style.decimal)) {
        return style.decimal.size();
    }
    return 0;
}

enum class Fault { None, Minus, NoMinus, SecondSeparator, Stray };

struct Scan {
    Fault fault = Fault::None;
    bool digits = false;
    std::string stray; // the first character that cannot belong, whole (UTF-8)
};

Scan scan(std::string_view text, const NumberStyle& style, bool allowMinus)
{
    Scan result;
    bool separator = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (isDigit(rest.front())) {
            result.digits = true;
            ++i;
        } else if (const std::size_t length = separatorAt(rest, style); length > 0) {
            if (separator) {
                result.fault = Fault::SecondSeparator;
                return result;
            }
            separator = true;
            i += length;
        } else if (rest.front() == '-') {
            result.fault = !allowMinus ? Fault::NoMinus : i > 0 ? Fault::Minus : Fault::None;
            if (result.fault != Fault::None) {
                return result;
            }
            ++i;
        } else {
            // A UTF-8 character: its lead byte and the continuation bytes after it.
            std::size_t end = 1;
            while (end < rest.size() && (static_cast<unsigned char>(rest[end]) & 0xC0) == 0x80) {
                ++end;
            }
            result.fault = Fault::Stray;
            result.stray = std::string(rest.substr(0, end));
            return result;
        }
    }
    return result;
}

} // namespace

std::string FormatDecimal(double value, int decimals, const NumberStyle& style)
{
    // Halves away from zero on the decimal value, not on its binary neighbour.
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0) {
        rounded = 0.0; // no "-0.0"
    }
    // to_chars ignores the C locale, which Qt sets from the environment.
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, decimals);
    return InStyle(std::string_view(text, written.ptr), style);
}

std::string FormatSignificant(double value, int digits, const NumberStyle& style)
{
    if (value == 0.0 || !std::isfinite(value)) {
        return FormatDecimal(0.0, 0, style);
    }
    // The place of the first significant digit, after rounding to `digits`
    // of them: 0.00009996 to four is 0.0001000.
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, digits - 1 - magnitude);
    if (std::fabs(std::round(value * scale)) >= std::pow(10.0, digits)) {
        ++magnitude;
    }
    return FormatDecimal(value, std::max(0, digits - 1 - magnitude), style);
}

std::string InStyle(std::string_view text, const NumberStyle& style)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = separatorAt(text.substr(i), style); length > 0) {
            out += style.decimal;
            i += length;
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

TypedNumber ClassifyTyped(std::string_view text, const NumberStyle& style, bool allowMinus)
{
    if (text.empty()) {
        return TypedNumber::Empty;
    }
    const Scan result = scan(text, style, allowMinus);
    if (result.fault != Fault::None) {
        return TypedNumber::Refused;
    }
    return result.digits ? TypedNumber::Complete : TypedNumber::Partial;
}

std::string WhyRefused(std::string_view text, const NumberStyle& style, bool allowMinus)
{
    const Scan result = scan(text, style, allowMinus);
    switch (result.fault) {
    case Fault::None:
        return {};
    case Fault::Minus:
        return "A minus goes first, before the digits.";
    case Fault::NoMinus:
        return "This box takes no minus: the value is never negative.";
    case Fault::SecondSeparator:
        return "A number has one decimal separator (\".\" or \",\").";
    case Fault::Stray:
        return "\"" + result.stray +
               "\" cannot belong to a number: type digits and one \".\" or \",\".";
    }
    return {};
}

std::optional<double> ReadTyped(std::string_view text, const NumberStyle& style)
{
    if (ClassifyTyped(text, style, true) != TypedNumber::Complete) {
        return std::nullopt;
    }
    const std::string pointText = InStyle(text, NumberStyle{"."});
    // from_chars ignores the C locale and takes no leading "+" or blanks.
    double value = 0.0;
    std::from_chars(pointText.data(), pointText.data() + pointText.size(), value);
    return value;
}

} // namespace crank
