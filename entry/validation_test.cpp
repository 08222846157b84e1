#include "entry/validation.h"

#include <gtest/gtest.h>

#include "model/numeric_text.h"

namespace crank {
namespace {

TEST(ValidationTest, ChecksInOrderAtEveryInclusiveLimit)
{
    // Stroke 10 with rod 5 reports only the stroke; the last three pass only
    // because each product is rounded to float before comparing.
    const char *small = "Stroke too small", *ratioLow = "Connecting Rod/Stroke Ratio too small",
               *ratioHigh = "Connecting Rod/Stroke Ratio too large",
               *offset = "Gudgeon Pin Offset too large";
    const struct {
        const char *stroke, *rod, *offset;
        const char* message; // nullptr: passes
        int box;
    } cases[] = {// clang-format off
        {"15", "30", "0", nullptr, -1}, {"14.99", "30", "0", small, 0}, {"", "", "", small, 0},
        {"10", "5", "0", small, 0}, {"1000", "2000", "0", nullptr, -1},
        {"1000.1", "2000", "0", "Stroke too large", 0}, {"46", "69", "0", nullptr, -1},
        {"46", "68.9", "0", ratioLow, 1}, {"46", "138", "0", nullptr, -1},
        {"46", "138.1", "0", ratioHigh, 1}, {"46", "100", "-9.2", nullptr, -1},
        {"46", "100", "9.3", offset, 2}, {"46", "100", "-9.3", offset, 2},
        {"46", "10", "50", ratioLow, 1}, {"16", "32", "3.2", nullptr, -1},
        {"15.2", "22.8", "0", nullptr, -1}, {"15.3", "45.9", "0", nullptr, -1}};
    // clang-format on
    // Each text read and stored as float, as the boxes store it.
    const auto read = [](const char* text) { return static_cast<float>(ReadNumber(text)); };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stroke << " / " << c.rod << " / " << c.offset);
        const auto failure = ValidateGeometry(
            {.Stroke = read(c.stroke), .RodLength = read(c.rod), .PinOffset = read(c.offset)});
        ASSERT_EQ(failure.has_value(), c.message != nullptr);
        if (failure) {
            EXPECT_EQ(failure->message, c.message);
            EXPECT_EQ(failure->boxIndex, c.box);
        }
    }
}

} // namespace
} // namespace crank
