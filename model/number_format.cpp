#include "model/number_format.h"

#include <cmath>
#include <cstdio>

namespace crank {

std::string FormatNumber(float value, NumberPattern pattern)
{
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
    }
    const int decimals = pattern == NumberPattern::Whole ? 0 : 2;
    // A float has a 24-bit significand, so multiplying by 1 or 100 in double is
    // exact and std::round sees the float's exact value: ties go away from zero.
    const double scaled = std::round(double{value} * (decimals == 0 ? 1.0 : 100.0));
    const bool negative = scaled < 0.0;

    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(scaled));
    std::string digits = buffer;
    if (decimals > 0) {
        if (digits.size() < 3) {
            digits.insert(0, 3 - digits.size(), '0');
        }
        digits.insert(digits.size() - 2, 1, '.');
        if (pattern == NumberPattern::UpToTwo) {
            while (digits.back() == '0') {
                digits.pop_back();
            }
            if (digits.back() == '.') {
                digits.pop_back();
            }
        }
    }
    return negative ? "-" + digits : digits;
}

} // namespace crank
