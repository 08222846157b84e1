#include "entry/numeric_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace crank {
namespace {

TEST(NumericTextTest, FilterPerBoxKind)
{
    struct Case {
        const char* text;
        bool allowMinus, allowPoint, accepted;
    };
    const Case cases[] = {
        // stroke and rod: digits and one point
        {"", false, true, true},
        {"46", false, true, true},
        {"4a", false, true, false},
        {"1.2", false, true, true},
        {"1.2.", false, true, false},
        {"1.2.3", false, true, false},
        {".", false, true, true},
        {"-", false, true, false},
        {"-5", false, true, false},
        {" 5", false, true, false},
        {"5/", false, true, false}, // '/' sits between '-' and the digits
        {"5,0", false, true, false},
        {"1e3", false, true, false},
        // offset: leading minus and one point
        {"-0.5", true, true, true},
        {"-", true, true, true},
        {"-.", true, true, true},
        {"5-", true, true, false},
        {"--5", true, true, false},
        {"-0.5.", true, true, false},
        // number of tables: digits only
        {"3", false, false, true},
        {".", false, false, false},
        {"-", false, false, false},
        // angles: leading minus, no point
        {"-5", true, false, true},
        {"176", true, false, true},
        {"17.", true, false, false},
        {"\xe9", true, true, false}, // a byte above '9'
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumericText(c.text, c.allowMinus, c.allowPoint), c.accepted);
    }
}

TEST(NumericTextTest, ReadsLongestNumericPrefix)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"", 0},       {"-", 0},     {".", 0},        {"-.", 0},
                          {"46", 46},    {"-0.5", -0.5}, {".5", 0.5},   {"5.", 5},
                          {"12.5x", 12.5}, {"1.2.3", 1.2}, {"5-", 5},    {"-0", 0},
                          {"007", 7},    {"999999", 999999}, {"abc", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadNumber(c.text), c.value);
    }
    EXPECT_FALSE(std::signbit(ReadNumber("-0")));
    // Stored as float, "46.1" is the float nearest 46.1.
    EXPECT_EQ(static_cast<float>(ReadNumber("46.1")), 46.1f);
}

TEST(NumericTextTest, WholeNumbersRoundHalvesToEven)
{
    const std::pair<double, double> cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},   {3.5, 4},
                                               {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2},
                                               {2.5001, 3}, {176, 176}, {-177.5, -178}};
    for (const auto& [in, out] : cases) {
        SCOPED_TRACE(in);
        EXPECT_EQ(RoundHalfEven(in), out);
    }
    EXPECT_EQ(ReadInt16("3"), 3);
    EXPECT_EQ(ReadInt16(""), 0);
    EXPECT_EQ(ReadInt16("99999999"), 32767);
    EXPECT_EQ(ReadInt16("-99999999"), -32768);
}

} // namespace
} // namespace crank
