#include "model/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace crank {

bool IsNumericText(std::string_view text, bool allowMinus, bool allowPoint)
{
    bool result = true;
    // Without allowPoint the point counts as already seen, so any point fails.
    bool pointSeen = !allowPoint;
    for (std::size_t p = 0; p < text.size(); ++p) {
        const auto c = static_cast<unsigned char>(text[p]);
        if (c == '.') {
            if (pointSeen) {
                result = false;
            } else {
                pointSeen = true;
            }
        } else if (c == '-') {
            if (!(allowMinus && p == 0)) {
                result = false;
            }
        } else if (c < '0' || c > '9') {
            result = false;
        }
    }
    return result;
}

double ReadNumber(std::string_view text)
{
    std::size_t end = 0;
    std::string digits;
    if (end < text.size() && text[end] == '-') {
        digits += '-';
        ++end;
    }
    bool anyDigit = false;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        digits += text[end++];
        anyDigit = true;
    }
    if (end < text.size() && text[end] == '.') {
        digits += text[end++];
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            digits += text[end++];
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    // from_chars is locale-independent: the decimal separator is always '.'.
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
        return digits.front() == '-' ? -std::numeric_limits<double>::max()
                                     : std::numeric_limits<double>::max();
    }
    (void)ptr;
    return value == 0.0 ? 0.0 : value; // no negative zero from "-0"
}

double RoundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5) {
        return lower;
    }
    if (diff > 0.5) {
        return lower + 1.0;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::int16_t ReadInt16(std::string_view text)
{
    const double whole = RoundHalfEven(ReadNumber(text));
    if (whole >= std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    if (whole <= std::numeric_limits<std::int16_t>::min()) {
        return std::numeric_limits<std::int16_t>::min();
    }
    return static_cast<std::int16_t>(whole);
}

} // namespace crank
