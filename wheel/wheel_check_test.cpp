// The wheel's checks against the engine, on figures worked by hand.
#include "wheel/wheel_check.h"

#include <gtest/gtest.h>

#include "model/engine_test_support.h"

namespace crank {
namespace {

// Stroke 50, rod 100, no offset: 90 degrees either side of TDC the piston
// stands 25 + 100 - sqrt(100^2 - 25^2) = 28.1754 mm down.
constexpr double kQuarterDrop = 28.1754;

struct StopCase {
    const char* name;
    float stroke;
    float offset;
    double before; // readings
    double after;
    std::optional<double> drop;
    double wantDrop;
    double wantCorrection; // midpoint after true TDC, degrees
    double wantTdcReading;
};

// 46/100/+3 with a stop 10 mm down: contacts at 50.502 BTDC and 50.749 ATDC,
// so a wheel zeroed at their midpoint reads 50.63 at both and true TDC lies
// 0.124 before its zero. Offset -3 is the mirror image.
TEST(WheelCheckTest, PistonStopFindsTrueTdcRatherThanTheMidpoint)
{
    const StopCase cases[] = {
        {"offset +3, drop typed", 46, 3, 309.37, 50.63, 10.0, 10.0, 0.124, 359.876},
        {"offset +3, drop from the spread", 46, 3, -50.63, 50.63, {}, 10.0, 0.124, 359.876},
        {"offset -3", 46, -3, 309.37, 50.63, 10.0, 10.0, -0.124, 0.124},
        {"no offset, wheel 2 ahead", 50, 0, 272, 92, {}, kQuarterDrop, 0.0, 2.0},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Engine engine(c.stroke, 100, c.offset);
        const StopCheck check = FindTdcWithStop(engine.shown(), c.before, c.after, c.drop, {});
        ASSERT_TRUE(check.found) << check.message;
        EXPECT_NEAR(check.drop, c.wantDrop, 0.01);
        EXPECT_NEAR(check.correction, c.wantCorrection, 0.001);
        EXPECT_NEAR(check.tdcReading, c.wantTdcReading, 0.001);
        EXPECT_TRUE(check.warning.empty()) << check.warning;
    }
}

TEST(WheelCheckTest, PistonStopReportsTheContactsAndTheCorrectionInWords)
{
    const Engine engine(46, 100, 3);
    const StopCheck check = FindTdcWithStop(engine.shown(), -50.63, 50.63, 10.0, {});
    EXPECT_NEAR(check.after, 50.749, 0.001);
    EXPECT_NEAR(check.before, 50.502, 0.001);
    EXPECT_NE(check.result.find("lies 0.124 degree after true TDC"), std::string::npos)
        << check.result;
    EXPECT_NE(check.result.find("move the pointer 0.124 degree forward"), std::string::npos);
}

TEST(WheelCheckTest, ImpossibleStopReadingsGetAPlainMessage)
{
    const struct {
        double before;
        double after;
        std::optional<double> drop;
        const char* words;
    } cases[] = {
        {50, 50, {}, "The two readings are the same"},
        {-50, 50, 46.0, "never touched: the stroke is 46.00 mm"},
        {-50, 50, 0.0, "more than 0 mm"},
    };
    const Engine engine(46, 100, 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        const StopCheck check = FindTdcWithStop(engine.shown(), c.before, c.after, c.drop, {});
        EXPECT_FALSE(check.found);
        EXPECT_NE(check.message.find(c.words), std::string::npos) << check.message;
    }
    // Readings 100 degrees apart cannot come from a stop 20 mm down (about 149 apart), and
    // readings typed the other way round put the stop near BDC.
    EXPECT_FALSE(FindTdcWithStop(engine.shown(), -50, 50, 20.0, {}).warning.empty());
    EXPECT_FALSE(FindTdcWithStop(engine.shown(), 50, -50, {}, {}).warning.empty());
}

struct PortCase {
    const char* name;
    float stroke;
    float rod;
    float offset;
    PortKind kind;
    double opens; // readings
    double closes;
    double wantDrop;
    double wantError; // the wheel reads this much more than the crank angle
    const char* words;
};

// 57/110/+1 read at 90 and 272: the edge 31.76 mm down opens 89.12 ATDC and
// closes 88.88 BTDC, so the wheel reads 0.88 more. With -1 the engine's
// angles swap sides: 88.88 ATDC and 89.12 BTDC, 1.12 more.
TEST(WheelCheckTest, PortReadingsGiveTheEdgeAndTheWheelsZeroError)
{
    const PortCase cases[] = {
        {"offset +1", 57, 110, 1, PortKind::CrownOpened, 90, 272, 31.76, 0.88,
         "move the pointer 0.88 degree back"},
        {"offset -1", 57, 110, -1, PortKind::CrownOpened, 90, 272, 31.76, 1.12,
         "1.12 degrees back"},
        {"no offset", 50, 100, 0, PortKind::CrownOpened, 93, 273, kQuarterDrop, 3.0,
         "3.00 degrees"},
        {"skirt across zero", 50, 100, 0, PortKind::SkirtOpened, 268, 88, kQuarterDrop, -2.0,
         "move the pointer 2.00 degrees forward"},
    };
    for (const PortCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Engine engine(c.stroke, c.rod, c.offset);
        const PortCheck check = CheckWheelWithPort(engine.shown(), c.kind, c.opens, c.closes, {});
        ASSERT_TRUE(check.found) << check.message;
        EXPECT_NEAR(check.drop, c.wantDrop, 0.005);
        EXPECT_NEAR(check.zeroError, c.wantError, 0.005);
        EXPECT_NE(check.result.find(c.words), std::string::npos) << check.result;
    }
}

TEST(WheelCheckTest, PortReadingsNoEdgeCouldGiveGetAPlainMessage)
{
    const struct {
        double opens;
        double closes;
        const char* words;
    } cases[] = {
        {90, 90, "it is never open"},
        {272, 90, "The closing reading (90.00) comes before the opening reading (272.00)"},
        {10, 380, "no port is open for a whole turn or more"},
    };
    const Engine engine(57, 110, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        const PortCheck check =
            CheckWheelWithPort(engine.shown(), PortKind::CrownOpened, c.opens, c.closes, {});
        EXPECT_FALSE(check.found);
        EXPECT_NE(check.message.find(c.words), std::string::npos) << check.message;
    }
    EXPECT_EQ(CheckWheelWithPort({}, PortKind::CrownOpened, 90, 272, {}).message,
              "Display the tables first.");
}

} // namespace
} // namespace crank
