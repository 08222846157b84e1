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
    EXPECT_EQ(WheelRecords(view).back(), (Record{"Ignition", "330,00", "30,00", "BTDC"}));
    EXPECT_EQ(WheelFileName(view), "Kart degree wheel.pdf");
}

TEST(DegreeWheelTest, SizesItCannotDrawGetAPlainMessageAndNoPage)
{
    const struct {
        const char* diameter;
        const char* hole;
        const char* ignition;
        bool ready;
        const char* message;
    } cases[] = {
        {"79.9", "10", "", false, "From 80 to 200 mm: the largest wheel that fits A4 is 200 mm."},
        {"200.1", "10", "", false, "From 80 to 200 mm: the largest wheel that fits A4 is 200 mm."},
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
