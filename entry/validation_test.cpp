#include "entry/validation.h"

#include <gtest/gtest.h>

namespace crank {
namespace {

TEST(ValidationTest, ChecksInOrderAtEveryInclusiveLimit)
{
    const char* small = "Stroke too small";
    const char* ratioLow = "Connecting Rod/Stroke Ratio too small";
    const char* ratioHigh = "Connecting Rod/Stroke Ratio too large";
    const char* offset = "Gudgeon Pin Offset too large";
    // Stroke, rod, offset (mm), the message (nullptr: passes) and the box it
    // selects. The last two pass only because each product is rounded to
    // float before it is compared (1.5 x 15.2f is a hair above 22.8f).
    const struct {
        float stroke;
        float rod;
        float offset;
        const char* message;
        int box;
    } cases[] = {
        {15, 30, 0, nullptr, -1},
        {14.99f, 30, 0, small, 0},
        {0, 0, 0, small, 0},
        {10, 5, 0, small, 0},
        {1000, 2000, 0, nullptr, -1},
        {1000.1f, 2000, 0, "Stroke too large", 0},
        {46, 69, 0, nullptr, -1},
        {46, 68.9f, 0, ratioLow, 1},
        {46, 138, 0, nullptr, -1},
        {46, 138.1f, 0, ratioHigh, 1},
        {46, 100, -9.2f, nullptr, -1},
        {46, 100, 9.3f, offset, 2},
        {46, 100, -9.3f, offset, 2},
        {46, 10, 50, ratioLow, 1},
        {15.2f, 22.8f, 0, nullptr, -1},
        {15.3f, 45.9f, 0, nullptr, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.stroke << " / " << c.rod << " / " << c.offset);
        const auto failure =
            ValidateGeometry({.Stroke = c.stroke, .RodLength = c.rod, .PinOffset = c.offset});
        ASSERT_EQ(failure.has_value(), c.message != nullptr);
        if (failure) {
            EXPECT_EQ(failure->message, c.message);
            EXPECT_EQ(failure->boxIndex, c.box);
        }
    }
}

} // namespace
} // namespace crank
