#include "model/number_format.h"
#include "model/numeric_text.h"
#include "model/typed_number.h"

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

TEST(NumberFormatTest, ThreePatterns)
{
    // Halves away from zero, no minus on a value that rounds to zero, and
    // 1.005 stored as a float just below it.
    using P = NumberPattern;
    const struct {
        float value;
        P pattern;
        const char* text;
    } cases[] = {
        {77, P::Whole, "77"},          {0.5f, P::Whole, "1"},
        {-2.5f, P::Whole, "-3"},       {-0.4f, P::Whole, "0"},
        {77.25f, P::UpToTwo, "77.25"}, {176.0f + 0.9f, P::UpToTwo, "176.9"},
        {5, P::UpToTwo, "5"},          {-0.75f, P::UpToTwo, "-0.75"},
        {0, P::Two, "0.00"},           {9.999f, P::Two, "10.00"},
        {0.125f, P::Two, "0.13"},      {-0.125f, P::Two, "-0.13"},
        {-0.004f, P::Two, "0.00"},     {1.005f, P::Two, "1.00"},
        {1234.5f, P::Two, "1234.50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text);
    }
}

// The tools' boxes read "." and "," alike in every locale, and refuse only
// what cannot belong to a number, saying why.
TEST(TypedNumberTest, ReadsEitherSeparatorAndRefusesOnlyWhatCannotBelong)
{
    const NumberStyle comma{","};
    const NumberStyle point{"."};
    for (const NumberStyle& style : {comma, point}) {
        SCOPED_TRACE(style.decimal);
        EXPECT_EQ(ReadTyped("0,3", style), 0.3);
        EXPECT_EQ(ReadTyped("0.3", style), 0.3);
        EXPECT_EQ(ReadTyped(",5", style), 0.5);
        EXPECT_EQ(ReadTyped("-27.", style), -27.0);
        EXPECT_EQ(ClassifyTyped("-,", style, true), TypedNumber::Partial);
        EXPECT_FALSE(ReadTyped("-.", style).has_value());
        EXPECT_EQ(ClassifyTyped("1,2.3", style, true), TypedNumber::Refused);
        EXPECT_EQ(ClassifyTyped("5-", style, true), TypedNumber::Refused);
        EXPECT_EQ(ClassifyTyped("-5", style, false), TypedNumber::Refused);
        EXPECT_EQ(ClassifyTyped("2e3", style, true), TypedNumber::Refused);
    }
    EXPECT_EQ(WhyRefused("0,3,", comma, true),
              "A number has one decimal separator (\".\" or \",\").");
    EXPECT_EQ(WhyRefused("28µ", point, true),
              "\"µ\" cannot belong to a number: type digits and one \".\" or \",\".");
    EXPECT_EQ(WhyRefused("-1", point, false),
              "This box takes no minus: the value is never negative.");
    EXPECT_EQ(WhyRefused("28,5", point, true), "");
}

TEST(TypedNumberTest, WritesInTheLocaleStyle)
{
    const NumberStyle comma{","};
    EXPECT_EQ(FormatDecimal(0.125, 2, comma), "0,13");
    EXPECT_EQ(FormatDecimal(-0.04, 1, {}), "0.0");
    EXPECT_EQ(InStyle("0.000140", comma), "0,000140");
    EXPECT_EQ(InStyle("22,6", {}), "22.6");
    // Four significant digits, the carry into a new place included.
    EXPECT_EQ(FormatSignificant(0.000018, 4, comma), "0,00001800");
    EXPECT_EQ(FormatSignificant(0.00014249, 4, {}), "0.0001425");
    EXPECT_EQ(FormatSignificant(0.000099996, 4, {}), "0.0001000");
    EXPECT_EQ(FormatSignificant(1234.56, 4, {}), "1235");
    EXPECT_EQ(FormatSignificant(0.0, 4, {}), "0");
}

} // namespace
} // namespace crank
