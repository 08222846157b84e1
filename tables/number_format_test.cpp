#include "tables/number_format.h"

#include <gtest/gtest.h>

namespace crank {
namespace {

TEST(NumberFormatTest, ThreePatterns)
{
    using P = NumberPattern;
    struct Case {
        float value;
        P pattern;
        const char* text;
    };
    const Case cases[] = {
        {77, P::Whole, "77"},
        {0, P::Whole, "0"},
        {-1, P::Whole, "-1"},
        {180, P::Whole, "180"},
        {0.5f, P::Whole, "1"},   // halves away from zero
        {2.5f, P::Whole, "3"},
        {-2.5f, P::Whole, "-3"},
        {-0.4f, P::Whole, "0"},  // no minus on a value that rounds to zero
        {77.0f + 0.1f, P::UpToTwo, "77.1"},
        {77.0f + 0.25f, P::UpToTwo, "77.25"},
        {77.0f + 0.5f, P::UpToTwo, "77.5"},
        {0.1f, P::UpToTwo, "0.1"},
        {176.0f + 0.9f, P::UpToTwo, "176.9"},
        {5, P::UpToTwo, "5"},
        {-0.75f, P::UpToTwo, "-0.75"},
        {20.55f, P::Two, "20.55"},
        {0, P::Two, "0.00"},
        {46, P::Two, "46.00"},
        {9.999f, P::Two, "10.00"},
        {0.125f, P::Two, "0.13"},  // exact tie in binary: away from zero
        {0.375f, P::Two, "0.38"},
        {-0.125f, P::Two, "-0.13"},
        {-0.004f, P::Two, "0.00"},
        {1.005f, P::Two, "1.00"},  // the float lies just below 1.005
        {179.86f, P::Two, "179.86"},
        {1234.5f, P::Two, "1234.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text);
    }
}

} // namespace
} // namespace crank
