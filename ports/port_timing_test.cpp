#include "ports/port_timing.h"

#include <gtest/gtest.h>

#include "model/engine_test_support.h"
#include "ports/port_sheet.h"

namespace crank {
namespace {

constexpr auto kCrown = PortKind::CrownOpened;
constexpr auto kSkirt = PortKind::SkirtOpened;

// 46 mm stroke, 100 mm rod: the drop at 90 degrees is L + r - sqrt(L^2 - r^2) = 123 -
// sqrt(9471) = 25.681 mm.
const Engine kKart(46, 100, 0);
const EngineSnapshot kKartShown = kKart.shown({"Kart", "46", "100", "0"});

// The mechanism worked out independently has dropped by the edge's drop at the angles found.
TEST(PortTimingTest, TimingMatchesTheMechanismDrawnOut)
{
    for (const float offset : {9.0f, -2.0f}) {
        const Engine engine(46, 100, offset);
        const ReferenceEngine drawn(46, 100, offset);
        for (const float drop : {3.0f, 40.0f}) {
            SCOPED_TRACE(testing::Message() << "offset " << offset << ", drop " << drop);
            const PortTiming t = TimePort(engine.shown(), kCrown, drop);
            EXPECT_NEAR(drawn.displacement(t.opens), drop, 0.002);
            EXPECT_NEAR(drawn.displacement(-t.closes), drop, 0.002);
        }
    }
}

TEST(PortTimingTest, TargetGivesADropThatTimesBackToIt)
{
    // The corners of the admissible geometries: stroke, rod/stroke, offset/stroke.
    for (const float S : {15.0f, 54.5f, 1000.0f}) {
        for (const float rodRatio : {1.5f, 3.0f}) {
            for (const float offsetRatio : {-0.2f, 0.0f, 0.2f}) {
                const EngineSnapshot engine = Engine(S, S * rodRatio, S * offsetRatio).shown();
                SCOPED_TRACE(testing::Message() << S << " " << rodRatio << " " << offsetRatio);
                for (const PortKind kind : {kCrown, kSkirt}) {
                    // BDC may come as early as 174 degrees on one side.
                    for (const float opening : {3.0f, 45.0f, 90.0f, 150.0f}) {
                        const PortDrop found =
                            FindPortDrop(engine, kind, TimingTarget::Opening, opening, 0);
                        ASSERT_EQ(found.status, SearchStatus::Found);
                        EXPECT_NEAR(TimePort(engine, kind, found.drop).opens, opening, 0.05);
                    }
                    for (const float duration : {3.0f, 90.0f, 175.0f, 190.0f, 300.0f, 357.0f}) {
                        const PortDrop found =
                            FindPortDrop(engine, kind, TimingTarget::Duration, duration, 0);
                        ASSERT_EQ(found.status, SearchStatus::Found);
                        EXPECT_NEAR(TimePort(engine, kind, found.drop).duration, duration, 0.05);
                    }
                }
            }
        }
    }
}

// The sheet's rows: an exhaust edge 26.181 mm down with the crown 0.5 mm down at TDC drops
// 25.681 mm; an inlet whose lower edge lies 86.181 mm down meets a skirt 60 mm below the crown
// at the same drop. Both are open 180 degrees about their dead centre.
PortSheetInput kartPorts()
{
    PortSheetInput input;
    input.deck = {"0.5"};
    input.pistonLength = {"60"};
    input.rows[0] = {"Exhaust", PortRole::Exhaust, {"26.181"}, {}};
    input.rows[1] = {"Inlet", PortRole::Inlet, {"86.181"}, {}};
    return input;
}

TEST(PortSheetTest, TimesCrownAndSkirtEdgesFromTheCylinderTop)
{
    const PortSheetView view = BuildPortSheetView(kKartShown, kartPorts(), {});
    // On the diagram the exhaust opens at three o'clock, the inlet at nine.
    ASSERT_EQ(view.diagram.arcs.size(), 2u);
    EXPECT_NEAR(view.diagram.arcs[0].from, 90, 0.01);
    EXPECT_NEAR(view.diagram.arcs[1].from, 270, 0.01);

    const std::string copied = RecordsAsTsv(PortSheetRecords(view));
    EXPECT_EQ(copied, "Engine:\tKart\nStroke (mm):\t46\nConnecting Rod Length (mm):\t100\n"
                      "Gudgeon Pin Offset (mm):\t0\nDeck (mm):\t0.50\nPiston length (mm):\t60.00\n"
                      "Heights in:\tmm\n\n"
                      "Port\tRole\tOpened by\tHeight (mm)\tOpens ATDC\tCloses BTDC\tOpens BTDC\t"
                      "Closes ATDC\tDuration (deg)\tNote\n"
                      "Exhaust\texhaust\tcrown\t26.18\t90.0\t90.0\t\t\t180.0\t\n"
                      "Inlet\tinlet\tskirt\t86.18\t\t\t90.0\t90.0\t180.0\t\n");
}

// Each row that cannot be timed says why, and so does a target no height reaches; the other rows
// keep their figures.
// A pasted name stays on one line everywhere it is shown; a row with none is called by its number.
TEST(PortSheetTest, NamesKeepToOneLine)
{
    PortSheetInput input = kartPorts();
    input.rows[0].name = " Boost\r\nport\t";
    input.rows[1].name = " ";
    const PortSheetView view = BuildPortSheetView(kKartShown, input, {});
    EXPECT_EQ(view.rows[0].name, "Boost  port");
    EXPECT_EQ(view.rows[1].name, "Port 2");
}

TEST(PortSheetTest, RowsThatCannotBeTimedSayWhy)
{
    PortSheetInput input = kartPorts();
    input.rows[2] = {"", PortRole::Exhaust, {"47"}, {}};
    input.rows[3] = {"", PortRole::Exhaust, {"-5"}, {}};
    input.rows[4] = {"", PortRole::Exhaust, {"-"}, {}};
    input.rows[5] = {"", PortRole::Inlet, {"60"}, {}};
    input.rows[6] = {"", PortRole::Inlet, {"110"}, {}};
    input.rows[7] = {"", PortRole::Exhaust, {"0"}, {}}; // at the top, above the crown at TDC
    const PortSheetView view = BuildPortSheetView(kKartShown, input, {});
    EXPECT_EQ(view.rows[2].message,
              "Beyond the stroke: the drop is 46.50 mm, the stroke 46.00 mm.");
    EXPECT_EQ(view.rows[3].message,
              "A height is measured down from the cylinder top, so it cannot be negative.");
    EXPECT_EQ(view.rows[4].message, "The height is not a number.");
    EXPECT_EQ(view.rows[7].message, "Above the crown at TDC: the drop is -0.50 mm.");
    EXPECT_EQ(view.rows[5].message, "The skirt never clears this port: at TDC its edge is 0.50 mm "
                                    "below the port's lower edge.");
    EXPECT_EQ(view.rows[6].message, "The skirt never closes this port: at BDC its edge is still "
                                    "3.50 mm above the port's lower edge.");
    EXPECT_EQ(view.rows[0].durationText, "180.0");
    EXPECT_EQ(view.diagram.arcs.size(), 2u);

    input.pistonLength = {""};
    input.deck = {"-"};
    const PortSheetView unset = BuildPortSheetView(kKartShown, input, {});
    EXPECT_EQ(unset.deck.message, "Not a number.");
    EXPECT_EQ(unset.rows[0].message, "The deck is not a number.");
    input.deck = {"-25.681"}; // proud by the drop at 90 degrees: no edge opens earlier
    input.targetDegrees = "60";
    const PortSheetView proud = BuildPortSheetView(kKartShown, input, {});
    EXPECT_EQ(proud.rows[1].message,
              "Type the piston length (crown to skirt edge) for a skirt-opened port.");
    EXPECT_EQ(proud.target.line,
              "No height gives that: a crown-opened port opens from 90.0 to 180.0 degrees ATDC.");
}

// In inches a typed millimetre height shows converted; every number takes the decimal comma.
TEST(PortSheetTest, UnitsAndTheDecimalCommaApplyToEveryNumber)
{
    const NumberStyle comma{","};
    PortSheetInput input = kartPorts();
    input.deck = {"0,5"};
    input.rows[0].height = {"26,181"};
    input.unit = LengthUnit::Inch;
    const PortSheetView view = BuildPortSheetView(
        Engine(54.5f, 110, 0.5f).shown({"", "54.5", "110", "0.5"}), input, comma);
    EXPECT_EQ(view.rows[0].heightText, "1,031"); // 26.181 / 25.4
    EXPECT_EQ(view.captions[2], "Height (in)");
    EXPECT_EQ(view.summary[1].value, "54,5");
    EXPECT_EQ(view.deckLine, "Deck (crown below the cylinder top at TDC): 0,020 in");
    EXPECT_EQ(view.note.find('.'), view.note.size() - 1) << view.note;
}

} // namespace
} // namespace crank
