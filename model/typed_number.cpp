#include "model/typed_number.h"

#include <charconv>
#include <cmath>

namespace crank {
namespace {

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
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

std::string InStyle(std::string_view pointText, const NumberStyle& style)
{
    std::string out;
    for (const char ch : pointText) {
        if (ch == '.') {
            out += style.decimal;
        } else {
            out += ch;
        }
    }
    return out;
}

TypedNumber ClassifyTyped(std::string_view text, const NumberStyle& style, bool allowMinus)
{
    if (text.empty()) {
        return TypedNumber::Empty;
    }
    std::string_view rest = text;
    if (rest.front() == '-') {
        if (!allowMinus) {
            return TypedNumber::Refused;
        }
        rest.remove_prefix(1);
    }
    bool digits = false;
    bool separator = false;
    while (!rest.empty()) {
        if (isDigit(rest.front())) {
            digits = true;
            rest.remove_prefix(1);
        } else if (!separator && !style.decimal.empty() && rest.starts_with(style.decimal)) {
            separator = true;
            rest.remove_prefix(style.decimal.size());
        } else {
            return TypedNumber::Refused;
        }
    }
    return digits ? TypedNumber::Complete : TypedNumber::Partial;
}

std::optional<double> ReadTyped(std::string_view text, const NumberStyle& style)
{
    if (ClassifyTyped(text, style, true) != TypedNumber::Complete) {
        return std::nullopt;
    }
    std::string pointText;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(style.decimal)) {
            pointText += '.';
            i += style.decimal.size();
        } else {
            pointText += text[i];
            ++i;
        }
    }
    // from_chars ignores the C locale and takes no leading "+" or blanks.
    double value = 0.0;
    std::from_chars(pointText.data(), pointText.data() + pointText.size(), value);
    return value;
}

} // namespace crank
