// The wheel's checks against the engine, on figures worked by hand, as typed in its window.
#include "wheel/wheel_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/engine_test_support.h"
#include "wheel/check_words.h"

namespace crank {
namespace {

constexpr auto kFullTurn = WheelMarking::FullTurn;
constexpr auto kBothWays = WheelMarking::BothWays;
constexpr auto kBtdc = TdcSide::Btdc;
constexpr auto kAtdc = TdcSide::Atdc;

// Stroke 50, rod 100, no offset: 90 degrees either side of TDC the piston
// stands 25 + 100 - sqrt(100^2 - 25^2) = 28.1754 mm down.
constexpr double kQuarterDrop = 28.1754;

// Two readings typed on a wheel of that marking, as the stop's (with its drop) and as a port's.
WheelChecks typed(const Engine& engine, WheelMarking marking, TypedReading first,
                  TypedReading second, const char* drop = "", PortKind kind = PortKind::CrownOpened)
{
    WheelInput input;
    input.marking = marking;
    input.stopBefore = input.portOpens = std::move(first);
    input.stopAfter = input.portCloses = std::move(second);
    input.stopDrop = drop;
    input.portKind = kind;
    return CheckWheel(engine.shown(), input, {});
}

template <class Check> void expectSlip(const Check& check, CheckWarning warning, LikelySlip slip)
{
    ASSERT_EQ(check.state, CheckState::Found);
    EXPECT_EQ(check.warning, warning);
    EXPECT_EQ(check.slip, slip);
}

// 46/100/+3 with a stop 10 mm down: contacts at 50.502 BTDC and 50.749 ATDC, so a wheel zeroed
// at their midpoint reads 50.63 at both and true TDC lies 0.124 before its zero. Offset -3 is
// the mirror image. 50.63 BTDC on a 0-180-0 wheel is the reading 309.37.
TEST(WheelCheckTest, PistonStopFindsTrueTdcRatherThanTheMidpoint)
{
    const Engine kart(46, 100, 3);
    const struct {
        const char* name;
        StopCheck check;
        double drop;
        double correction; // midpoint after true TDC, degrees
        double tdcReading;
    } cases[] = {
        {"drop typed", typed(kart, kFullTurn, {"309.37"}, {"50.63"}, "10").stop, 10, 0.124,
         359.876},
        {"0-180-0, solved drop", typed(kart, kBothWays, {"50.63", kBtdc}, {"50,63", kAtdc}).stop,
         10, 0.124, 359.876},
        {"offset -3", typed(Engine(46, 100, -3), kFullTurn, {"309.37"}, {"50.63"}, "10").stop, 10,
         -0.124, 0.124},
        {"no offset, 2 ahead", typed(Engine(50, 100, 0), kFullTurn, {"272"}, {"92"}).stop,
         kQuarterDrop, 0, 2.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.check.state, CheckState::Found);
        EXPECT_NEAR(c.check.drop, c.drop, 0.01);
        EXPECT_NEAR(c.check.correction, c.correction, 0.001);
        EXPECT_NEAR(c.check.tdcReading, c.tdcReading, 0.001);
        EXPECT_EQ(c.check.warning, CheckWarning::None);
    }
}

// Each box that keeps a check from an answer, and the engine missing; -50 is the reading 310.
TEST(WheelCheckTest, ReadingsThatCannotBeCheckedSayWhy)
{
    const Engine kart(46, 100, 3);
    EXPECT_EQ(typed(kart, kFullTurn, {""}, {""}).stop.state, CheckState::Empty);
    EXPECT_EQ(typed(kart, kFullTurn, {"50"}, {""}).stop.state, CheckState::OneReading);
    EXPECT_EQ(typed(kart, kFullTurn, {"-"}, {"50"}).stop.state, CheckState::NotANumber);
    EXPECT_EQ(typed(kart, kBothWays, {"309.4", kBtdc}, {"50", kAtdc}).stop.state,
              CheckState::BeyondHalfTurn);
    EXPECT_EQ(typed(kart, kBothWays, {"-5", kBtdc}, {"50", kAtdc}).stop.state,
              CheckState::BeyondHalfTurn);
    EXPECT_EQ(typed(kart, kFullTurn, {"-50"}, {"50"}, ",").stop.state, CheckState::DropNotANumber);
    EXPECT_EQ(typed(kart, kFullTurn, {"50"}, {"410"}).stop.state, CheckState::SameReadings);
    EXPECT_EQ(typed(kart, kFullTurn, {"-50"}, {"50"}, "46").stop.state,
              CheckState::DropBeyondStroke);
    EXPECT_EQ(typed(kart, kFullTurn, {"-50"}, {"50"}, "0").stop.state, CheckState::DropNotPositive);
    EXPECT_EQ(typed(Engine(0, 0, 0), kFullTurn, {"-50"}, {"50"}).stop.state, CheckState::NoEngine);
    EXPECT_EQ(typed(kart, kFullTurn, {"90"}, {"90"}).port.state, CheckState::SameReadings);
    EXPECT_EQ(typed(Engine(0, 0, 0), kFullTurn, {"90"}, {"88"}).port.state, CheckState::NoEngine);
}

// The slips people make with a stop, on 46/100/+3 whose stop 10 mm down reads 309.37 and 50.63:
// 43.8 BTDC and 47.8 ATDC typed as 0-360 readings (4 degrees apart, a stop 0.02 mm down), or
// on a 0-180-0 wheel both as ATDC or both as BTDC, with or without the drop; the readings the
// other way round; a drop of 20 for 10; and readings 2 degrees apart that no one slip explains.
TEST(WheelCheckTest, StopReadingsThatDoNotFitNameTheLikelySlip)
{
    const Engine kart(46, 100, 3);
    expectSlip(typed(kart, kFullTurn, {"43.8"}, {"47.8"}).stop, CheckWarning::ShallowStop,
               LikelySlip::SideOfTdc);
    expectSlip(typed(kart, kBothWays, {"43.8", kAtdc}, {"47.8", kAtdc}).stop,
               CheckWarning::ShallowStop, LikelySlip::SideOfTdc);
    expectSlip(typed(kart, kBothWays, {"43.8", kBtdc}, {"47.8", kBtdc}).stop,
               CheckWarning::DeepStop, LikelySlip::SideOfTdc);
    expectSlip(typed(kart, kBothWays, {"50.5", kAtdc}, {"50.75", kAtdc}, "10").stop,
               CheckWarning::DropMismatch, LikelySlip::SideOfTdc);
    expectSlip(typed(kart, kFullTurn, {"50.63"}, {"309.37"}).stop, CheckWarning::DeepStop,
               LikelySlip::Swapped);
    expectSlip(typed(kart, kFullTurn, {"309.37"}, {"50.63"}, "20").stop, CheckWarning::DropMismatch,
               LikelySlip::Drop);
    expectSlip(typed(kart, kFullTurn, {"1"}, {"3"}).stop, CheckWarning::ShallowStop,
               LikelySlip::Unknown);
}

// 57/110/+1 read at 90 and 272: the edge 31.76 mm down opens 89.12 ATDC and closes 88.88 BTDC,
// so the wheel reads 0.88 more. With -1 the engine's angles swap sides: 88.88 ATDC and 89.12
// BTDC, 1.12 more. 272 is typed as -88 too, or as 88 BTDC on a 0-180-0 wheel.
TEST(WheelCheckTest, PortReadingsGiveTheEdgeAndTheWheelsZeroError)
{
    const Engine plus(57, 110, 1);
    const Engine square(50, 100, 0);
    const struct {
        const char* name;
        PortCheck check;
        double drop;
        double error; // the wheel reads this much more than the crank angle
    } cases[] = {
        {"offset +1", typed(plus, kFullTurn, {"90"}, {"272"}).port, 31.76, 0.88},
        {"closing typed -88", typed(plus, kFullTurn, {"90"}, {"-88"}).port, 31.76, 0.88},
        {"0-180-0", typed(plus, kBothWays, {"90", kAtdc}, {"88", kBtdc}).port, 31.76, 0.88},
        {"offset -1", typed(Engine(57, 110, -1), kFullTurn, {"90"}, {"272"}).port, 31.76, 1.12},
        {"no offset", typed(square, kFullTurn, {"93"}, {"273"}).port, kQuarterDrop, 3.0},
        {"skirt across zero",
         typed(square, kFullTurn, {"268"}, {"88"}, "", PortKind::SkirtOpened).port, kQuarterDrop,
         -2.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.check.state, CheckState::Found);
        EXPECT_NEAR(c.check.drop, c.drop, 0.005);
        EXPECT_NEAR(c.check.zeroError, c.error, 0.005);
        EXPECT_EQ(c.check.warning, CheckWarning::None);
    }
}

// Readings of the port above that do not fit: a 0-180-0 wheel read as 0-360 (a crown port
// open 358 degrees, the wheel 89 off), the sides both ATDC, the readings the other way round;
// and a wheel truly 40 degrees off, which no slip explains.
TEST(WheelCheckTest, PortReadingsThatDoNotFitNameTheLikelySlip)
{
    const Engine engine(57, 110, 1);
    expectSlip(typed(engine, kFullTurn, {"90"}, {"88"}).port, CheckWarning::FarOff,
               LikelySlip::SideOfTdc);
    expectSlip(typed(engine, kBothWays, {"90", kAtdc}, {"88", kAtdc}).port, CheckWarning::FarOff,
               LikelySlip::SideOfTdc);
    expectSlip(typed(engine, kFullTurn, {"272"}, {"90"}).port, CheckWarning::FarOff,
               LikelySlip::Swapped);
    expectSlip(typed(engine, kFullTurn, {"130"}, {"312"}).port, CheckWarning::FarOff,
               LikelySlip::Unknown);
}

// What the window says, sentence by sentence.
TEST(WheelCheckTest, TheAnswersSayWhatToDo)
{
    const Engine kart(46, 100, 3);
    const StopCheck offset = typed(kart, kFullTurn, {"-50.63"}, {"50.63"}, "10").stop;
    EXPECT_EQ(
        StopCheckWords(offset, kBothWays, {","}),
        "The piston touches a stop 10,00 mm down 50,502 degrees BTDC and 50,749 ATDC. The "
        "midpoint of the two readings lies 0,124 degree after true TDC. True TDC reads 0,124 "
        "BTDC on this wheel: move the pointer 0,124 degree against the way the engine turns.");
    EXPECT_THAT(StopCheckWords(typed(kart, kFullTurn, {"43.8"}, {"47.8"}).stop, kFullTurn, {}),
                testing::HasSubstr(" But no stop is set only 0.02 mm down. The readings fit with "
                                   "one of them on the other side of TDC: if the wheel is marked "
                                   "0-180-0, choose that marking and the side of each reading."));
    // True TDC read 0.0002 degree short of a whole turn shows as 0 to three decimals.
    EXPECT_EQ(FormatReading(359.9998, 3, kFullTurn, {}), "0.000");
    EXPECT_THAT(
        StopCheckWords(typed(Engine(50, 100, 0), kFullTurn, {"272"}, {"92"}).stop, kFullTurn, {}),
        testing::HasSubstr("The midpoint of the two readings is true TDC. True TDC"));
    EXPECT_EQ(
        PortCheckWords(typed(Engine(57, 110, 1), kFullTurn, {"90"}, {"272"}).port, kFullTurn, {}),
        "The edge lies 31.76 mm below the crown at TDC: the port opens 89.12 ATDC and closes "
        "88.88 BTDC, 182.00 degrees. The wheel reads 0.88 degree more than the crank angle: "
        "move the pointer 0.88 degree the way the engine turns.");
}

} // namespace
} // namespace crank
