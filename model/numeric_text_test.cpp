#include "model/numeric_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace crank {
namespace {

TEST(NumericTextTest, FilterPerBoxKind)
{
    // Stroke and rod: digits and one point; offset: also a leading minus;
    // number of tables: digits only; angles: digits and a leading minus.
    // '/' lies between '-' and the digits, 0xe9 above them.
    const struct {
        const char* text;
        bool minus, point, accepted;
    } cases[] = {
        // clang-format off
        {"", false, true, true}, {"4a", false, true, false}, {"1.2.3", false, true, false},
        {".", false, true, true}, {"-5", false, true, false}, {"5/", false, true, false},
        {"1e3", false, true, false}, {"-0.5", true, true, true}, {"-", true, true, true},
        {"-.", true, true, true}, {"5-", true, true, false}, {"--5", true, true, false},
        {".", false, false, false}, {"-5", true, false, true}, {"17.", true, false, false},
        {"\xe9", true, true, false}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumericText(c.text, c.minus, c.point), c.accepted);
    }
}

TEST(NumericTextTest, ReadingAndRounding)
{
    // clang-format off
    const std::pair<const char*, double> texts[] = {{"", 0}, {"-.", 0}, {"-0.5", -0.5},
        {".5", 0.5}, {"12.5x", 12.5}, {"5-", 5}, {"1.2.3", 1.2}, {"abc", 0}};
    const std::pair<double, double> halves[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}};
    // clang-format on
    for (const auto& [text, value] : texts) {
        EXPECT_EQ(ReadNumber(text), value) << text; // the longest numeric prefix
    }
    EXPECT_FALSE(std::signbit(ReadNumber("-0")));
    EXPECT_EQ(static_cast<float>(ReadNumber("46.1")), 46.1f);
    for (const auto& [in, out] : halves) {
        EXPECT_EQ(RoundHalfEven(in), out) << in;
    }
    EXPECT_EQ(ReadInt16("99999999"), 32767);
    EXPECT_EQ(ReadInt16("-99999999"), -32768);
}

} // namespace
} // namespace crank
