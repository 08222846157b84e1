// The wheel's view: its marks, its messages for sizes it cannot draw, and its copy.
#include "wheel/degree_wheel.h"

#include <gtest/gtest.h>

#include "model/engine_test_support.h"

namespace crank {
namespace {

// Stroke 50, rod 100, no offset: 30 degrees from TDC the piston stands
// 25 (1 - cos 30) + 100 - sqrt(100^2 - 25^2 sin^2 30) = 4.1337 mm down.
TEST(DegreeWheelTest, IgnitionTypedInMillimetresIsMarkedAtItsAngle)
{
    const Engine engine(50, 100, 0);
    WheelInput input;
    input.ignition = "4,1337";
    input.ignitionUnit = IgnitionUnit::MillimetresBtdc;
    const WheelView view =
        BuildWheelView(engine.shown({"Kart", "50", "100", "0"}), {}, input, {","});
    EXPECT_EQ(WheelRecords(view).back(), (Record{"Ignition", "30,00", "BTDC", "30,00", "BTDC"}));
    EXPECT_EQ(WheelFileName(view), "Kart degree wheel.pdf");
}

// The copy gives each event's reading where the pointer stands on a wheel zeroed at TDC: BDC
// of 46/100/+3 (180 + asin(3 / 77) - asin(3 / 123) = 180.83 ATDC) reads 180.83 on a 0-360
// wheel, 179.17 BTDC on a 0-180-0 wheel.
TEST(DegreeWheelTest, TheCopyNamesReadingsAsTheWheelShowsThem)
{
    for (const auto marking : {WheelMarking::FullTurn, WheelMarking::BothWays}) {
        SCOPED_TRACE(MarkingName(marking));
        WheelInput input;
        input.marking = marking;
        const std::vector<Record> records =
            WheelRecords(BuildWheelView(Engine(46, 100, 3).shown(), {}, input, {}));
        const bool both = marking == WheelMarking::BothWays;
        ASSERT_EQ(records.size(), 9u);
        EXPECT_EQ(records[4], (Record{"Wheel marked:", both ? "0-180-0" : "0-360"}));
        EXPECT_EQ(records.back(), (both ? Record{"BDC", "179.17", "BTDC", "180.83", "ATDC"}
                                        : Record{"BDC", "180.83", "180.83", "ATDC"}));
    }
}

TEST(DegreeWheelTest, SizesItCannotDrawGetAPlainMessageAndNoPage)
{
    constexpr const char* kDiameters =
        "From 80 to 197 mm: the largest wheel that keeps 6 mm clear of the edges of A4 is 197 mm.";
    const struct {
        const char* diameter;
        const char* hole;
        const char* ignition;
        bool ready;
        const char* message;
    } cases[] = {
        {"79.9", "10", "", false, kDiameters},
        {"197.1", "10", "", false, kDiameters},
        {"-", "10", "", false, "Not a number."},
        {"100", "50.1", "", false, "From 1 to 50 mm, at most half the wheel."},
        {"100", "", "91", true, "That is 91.0 degrees BTDC: the mark goes from 0 to 90."},
    };
    const Engine engine(46, 100, 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        WheelInput input;
        input.diameter = c.diameter;
        input.hole = c.hole;
        input.ignition = c.ignition;
        const WheelView view = BuildWheelView(engine.shown(), {}, input, {});
        EXPECT_EQ(view.ready, c.ready);
        EXPECT_EQ(view.diameterMessage + view.holeMessage + view.ignitionMessage, c.message);
    }
    EXPECT_EQ(BuildWheelView({}, {}, {}, {}).engineMessage, "Display the tables first.");
}

} // namespace
} // namespace crank
