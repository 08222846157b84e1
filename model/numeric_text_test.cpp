#include "model/numeric_text.h"

#include <gtest/gtest.h>

namespace crank {
namespace {

TEST(NumericTextTest, FilterPerBoxKind)
{
    // Stroke and rod take digits and one point; the offset also a leading
    // minus; the angles digits and a leading minus. '/' lies between '-' and
    // the digits; the bytes of a UTF-8 letter are negative as char.
    const struct {
        const char* text;
        bool minus;
        bool point;
        bool accepted;
    } cases[] = {
        {"", false, true, true},       {".", false, true, true},    {"4a", false, true, false},
        {"1.2.3", false, true, false}, {"-5", false, true, false},  {"5/", false, true, false},
        {"1e3", false, true, false},   {"-0.5", true, true, true},  {"-.", true, true, true},
        {"5-", true, true, false},     {"--5", true, true, false},  {".", false, false, false},
        {"-5", true, false, true},     {"17.", true, false, false}, {"\xc3\xa9", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumericText(c.text, c.minus, c.point), c.accepted);
    }
}

TEST(NumericTextTest, ReadsTheLongestNumericPrefix)
{
    const std::pair<const char*, double> cases[] = {
        {"", 0},     {"-", 0},        {"-.", 0}, {"abc", 0},     {"-0.5", -0.5},
        {".5", 0.5}, {"12.5x", 12.5}, {"5-", 5}, {"1.2.3", 1.2},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadNumber(text), value) << text;
    }
    EXPECT_EQ(static_cast<float>(ReadNumber("46.1")), 46.1f);
}

TEST(NumericTextTest, RoundsHalvesToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3},
    };
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
    EXPECT_EQ(ReadInt16("176.5"), 176);
    EXPECT_EQ(ReadInt16("99999999"), 32767);
    EXPECT_EQ(ReadInt16("-99999999"), -32768);
}

} // namespace
} // namespace crank
