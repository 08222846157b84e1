#include "entry/validation.h"

#include <gtest/gtest.h>

#include "entry/numeric_text.h"

namespace crank {
namespace {

// The geometry as the boxes would store it: each text read and rounded to float.
EngineGeometry typed(const char* stroke, const char* rod, const char* offset)
{
    EngineGeometry g;
    g.Stroke = static_cast<float>(ReadNumber(stroke));
    g.RodLength = static_cast<float>(ReadNumber(rod));
    g.PinOffset = static_cast<float>(ReadNumber(offset));
    return g;
}

TEST(ValidationTest, ChecksInOrderAtEveryInclusiveLimit)
{
    struct Case {
        const char *stroke, *rod, *offset;
        const char* message; // nullptr: passes
        int box;
    };
    const Case cases[] = {
        {"15", "30", "0", nullptr, -1},
        {"14.99", "30", "0", "Stroke too small", 0},
        {".", "30", "0", "Stroke too small", 0},
        {"", "", "", "Stroke too small", 0},
        {"10", "5", "0", "Stroke too small", 0}, // the rod checks are not made
        {"1000", "2000", "0", nullptr, -1},
        {"1000.1", "2000", "0", "Stroke too large", 0},
        {"46", "69", "0", nullptr, -1},
        {"46", "68.9", "0", "Connecting Rod/Stroke Ratio too small", 1},
        {"46", "138", "0", nullptr, -1},
        {"46", "138.1", "0", "Connecting Rod/Stroke Ratio too large", 1},
        {"46", "100", "9.2", nullptr, -1},
        {"46", "100", "-9.2", nullptr, -1},
        {"46", "100", "9.3", "Gudgeon Pin Offset too large", 2},
        {"46", "100", "-9.3", "Gudgeon Pin Offset too large", 2},
        {"46", "10", "50", "Connecting Rod/Stroke Ratio too small", 1},
        // Pass only because each product is rounded to float before comparing.
        {"16", "32", "3.2", nullptr, -1},
        {"15.2", "22.8", "0", nullptr, -1},
        {"15.3", "45.9", "0", nullptr, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stroke << " / " << c.rod << " / " << c.offset);
        const auto failure = ValidateGeometry(typed(c.stroke, c.rod, c.offset));
        if (c.message == nullptr) {
            EXPECT_FALSE(failure.has_value()) << failure->message;
        } else {
            ASSERT_TRUE(failure.has_value());
            EXPECT_EQ(failure->message, c.message);
            EXPECT_EQ(failure->boxIndex, c.box);
        }
    }
}

} // namespace
} // namespace crank
