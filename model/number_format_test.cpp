#include "model/number_format.h"

#include <gtest/gtest.h>

namespace crank {
namespace {

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

} // namespace
} // namespace crank
