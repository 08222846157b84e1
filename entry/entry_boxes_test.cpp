#include "entry/entry_boxes.h"

#include <functional>
#include <gtest/gtest.h>

namespace crank {
namespace {

// What the data entry screen would not keep or display is named with its value.
TEST(EntryBoxesTest, NamesTheFirstBoxTheScreenWouldRefuse)
{
    const EntryBoxes good{"Kart B", "54.5", "110", "-1.0", "2", {"96", "40", ""}};
    EXPECT_EQ(RefusedEntry(good), "");
    const auto with = [&good](auto change) {
        EntryBoxes boxes = good;
        change(boxes);
        return RefusedEntry(boxes);
    };
    struct Case {
        std::function<void(EntryBoxes&)> change;
        std::string why;
    };
    const Case cases[] = {
        {[](EntryBoxes& b) { b.stroke = "1200"; },
         "the stroke, \"1200\", is out of range: Stroke too large"},
        {[](EntryBoxes& b) { b.rod = "330"; },
         "the rod length, \"330\", is out of range: Connecting Rod/Stroke Ratio too large"},
        {[](EntryBoxes& b) { b.stroke = "54,5"; },
         "the stroke, \"54,5\", is not a number its box takes"},
        {[](EntryBoxes& b) { b.stroke = "1234.56"; },
         "the stroke, \"1234.56\", is longer than its box takes"},
        {[](EntryBoxes& b) { b.offset = "-"; }, "the pin offset is missing"},
        {[](EntryBoxes& b) { b.tables = "4"; }, "the number of tables, \"4\", is not 1, 2 or 3"},
        {[](EntryBoxes& b) { b.angles[1] = "177"; },
         "the initial angle, \"177\", is not from 0 to 176 degrees"},
        {[](EntryBoxes& b) { b.angles[1] = ""; }, "the initial angle is missing"},
        {[](EntryBoxes& b) { b.name = std::string(26, 'W'); },
         "the name is longer than 25 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(with(c.change), c.why);
    }
    // An angle beyond the number of tables is not looked at; "-." reads as 0.
    EXPECT_EQ(with([](EntryBoxes& b) { b.angles[2] = "x"; }), "");
    EXPECT_EQ(with([](EntryBoxes& b) { b.offset = "-."; }), "");
}

} // namespace
} // namespace crank
