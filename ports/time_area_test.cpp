// The sheet's time-area half, from what is typed to the figures, messages and
// copy, against figures worked out by hand and invariants of the engine.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "model/engine_test_support.h"
#include "ports/port_sheet.h"
#include "tables/table_export.h"

namespace crank {
namespace {

// 54 mm stroke and bore (123.7 cm³), 110 mm rod, no offset; an exhaust 40 x 25 mm with 4 mm
// corners, its roof 26 mm down; a transfer pair 30 mm down.
const EngineSnapshot kEngine = Engine(54, 110, 0).shown({"Twin", "54", "110", "0"});

PortSheetInput ports()
{
    PortSheetInput input;
    input.bore = {"54"};
    input.rpm = "10000";
    input.rows[0] = {
        "Exhaust", PortRole::Exhaust, {"26"}, {"", {"40"}, {}, {"25"}, {"4"}, {"4"}, {}}};
    input.rows[1] = {
        "Transfers", PortRole::Transfer, {"30"}, {"2", {"16"}, {}, {"12"}, {"2"}, {}, {}}};
    return input;
}

// A boost port 10 x 8 mm, its roof 31 mm down.
const PortRowInput kBoost = {"Boost", PortRole::Boost, {"31"}, {"", {"10"}, {}, {"8"}, {}, {}, {}}};

PortSheetView sheetOf(const PortSheetInput& input)
{
    return BuildPortSheetView(kEngine, input, {});
}

TEST(TimeAreaTest, BadShapesSayWhyOnTheirRowAndTheOthersKeepTheirFigures)
{
    const struct {
        PortShapeInput shape;
        const char* message;
    } cases[] = {
        {{"", {"10"}, WidthMeasure::Chord, {"12"}, {"6"}, {}, {}},
         "A corner radius is more than half the window's width (10.00 mm)."},
        {{"", {"20"}, WidthMeasure::Chord, {"8"}, {"4"}, {"5"}, {}},
         "The top and bottom radii together are more than the window's height."},
        {{"", {"20"}, WidthMeasure::Chord, {"12"}, {}, {}, {"20"}},
         "The bridge is as wide as the window or wider."},
        {{"0", {"20"}, WidthMeasure::Chord, {"12"}, {}, {}, {}},
         "The count must be a whole number from 1 to 99."},
        {{"", {"60"}, WidthMeasure::Chord, {"12"}, {}, {}, {}},
         "The window is wider than the bore (54.00 mm)."},
        {{"", {"90"}, WidthMeasure::Arc, {"12"}, {}, {}, {}},
         "An arc of 90.00 mm is more than half round the bore."},
        {{"", {"20"}, WidthMeasure::Chord, {}, {}, {}, {}}, "Type the window's width and height."},
        {{"", {}, {}, {}, {}, {"3"}, {}}, "Type the window's width and height."},
    };
    for (const auto& c : cases) {
        PortSheetInput input = ports();
        input.rows[1].shape = c.shape;
        const PortSheetView view = sheetOf(input);
        EXPECT_EQ(view.rows[1].shape.message, c.message);
        EXPECT_FALSE(view.rows[1].shape.figures);
        EXPECT_TRUE(view.rows[0].shape.figures) << c.message;
    }
}

// A transfer row that cannot be worked out stops the transfers' and the group's sums, the speeds
// that meet the group's range, its way back and the blowdown; the boost and the exhaust stand.
TEST(TimeAreaTest, AGroupHasFiguresOnlyWhenEveryShapedRowHasThem)
{
    PortSheetInput input = ports();
    input.rows[1].shape.count = "0";
    input.rows[2] = kBoost;
    input.staRow = 2;
    input.staTarget = "0.00009";
    const TimeAreaView view = sheetOf(input).timeArea;
    const TargetView& transfers = view.targets[static_cast<std::size_t>(TargetGroup::Transfers)];
    EXPECT_EQ(transfers.state, GroupState::Stopped);
    EXPECT_EQ(transfers.rows, (std::vector<int>{1, 2}));
    EXPECT_EQ(transfers.stoppedBy, 1);
    EXPECT_EQ(transfers.line, "Transfers and boost: no figures while Transfers has none: The "
                              "count must be a whole number from 1 to 99.");
    ASSERT_EQ(view.figures.size(), 4u); // exhaust, transfer, boost, transfers and boost
    for (std::size_t f = 0; f < view.figures.size(); ++f) {
        SCOPED_TRACE(view.figures[f].name);
        const bool stopped = f == 1 || f == 3;
        EXPECT_EQ(view.figures[f].state, stopped ? GroupState::Stopped : GroupState::Whole);
        EXPECT_EQ(view.figures[f].angleArea > 0.0, !stopped);
    }
    // The boost's STA to four significant digits, small as it is.
    const std::string boost = view.figures[2].cells[5];
    EXPECT_EQ(boost.substr(boost.find_first_not_of("0.")).size(), 4u) << boost;
    EXPECT_EQ(view.wayBack.status, WayBackStatus::Stopped);
    EXPECT_FALSE(view.blowdownFigures);
    EXPECT_TRUE(view.targets[0].met);
}

TEST(TimeAreaTest, AFloorBelowBdcIsNeverFullyOpenYetHasItsFigures)
{
    PortSheetInput input = ports();
    input.rows[0].shape.windowHeight = {"30"}; // 26 + 30 mm: 2 mm below the crown at BDC
    const PortSheetView view = sheetOf(input);
    const ShapeView& shape = view.rows[0].shape;
    EXPECT_FALSE(shape.fullyOpens);
    EXPECT_NEAR(shape.uncovered, 28, 1e-5);
    EXPECT_EQ(shape.note, "Never fully open: its floor lies below the crown at BDC, which "
                          "uncovers 28.00 mm of 30.00 mm.");
    // A degree at 10000 rpm lasts 1/60000 s.
    EXPECT_EQ(shape.timeAreaText, FormatDecimal(shape.angleArea / 60000, 3, {}));
    EXPECT_FALSE(shape.staCmText.empty());
    // At BDC the crown stands 28 mm below the roof: 40 x 28 less the top corners, and less the
    // first 2 mm of the bottom ones, 2·∫(4 - sqrt(16 - t²)) dt from 0 to 2 = 2·(8 - √12 - 8π/6).
    const AreaCurve& exhaust = view.timeArea.plot.curves.front();
    const double pi = std::numbers::pi;
    EXPECT_NEAR(exhaust.area[360],
                40 * 28 - (1 - pi / 4) * 2 * 16 - 2 * (8 - std::sqrt(12.0) - 8 * pi / 6), 0.005);
}

TEST(TimeAreaTest, WithoutAnRpmThereIsAngleAreaButNoStaAndNoCrash)
{
    PortSheetInput input = ports();
    input.rpm = "0";
    input.bore = {"0"};
    input.staTarget = "0.00015";
    const PortSheetView view = sheetOf(input);
    EXPECT_EQ(view.timeArea.rpmMessage, "The rpm must be a number more than 0.");
    EXPECT_EQ(view.timeArea.bore.message, "Must be more than 0.");
    EXPECT_FALSE(view.rows[0].shape.angleAreaText.empty());
    EXPECT_TRUE(view.rows[0].shape.staCmText.empty());
    EXPECT_EQ(view.timeArea.wayBack.status, WayBackStatus::NoFlow);
    const std::vector<Record> records = PortSheetRecords(view);
    EXPECT_NE(std::ranges::find(records, Record{"Swept volume (cm³):", ""}), records.end());
    input.rpm = "";
    EXPECT_EQ(sheetOf(input).timeArea.rpmMessage, ""); // nothing typed is no slip
}

// The engine speed the sheet gives for a target meets it: at that speed the STA is the target.
TEST(TimeAreaTest, TheSpeedsGivenMeetTheTargetRange)
{
    const TargetView target = sheetOf(ports()).timeArea.targets[0];
    ASSERT_TRUE(target.met);
    PortSheetInput input = ports();
    for (const auto& [rpm, sta] : {std::pair{target.rpmFrom, 0.00015}, {target.rpmTo, 0.00014}}) {
        input.rpm = FormatDecimal(rpm, 6, {});
        EXPECT_NEAR(sheetOf(input).timeArea.figures.front().sta / 100, sta, 1e-11) << rpm;
    }
    input.rows[0].height = {"54"}; // opens at BDC and shuts there: never open
    EXPECT_FALSE(sheetOf(input).timeArea.targets[0].met);
}

// The height the way back shows, typed on the timing page with the window grown or shrunk by as
// much (its floor stays), gives the same angles to the last digit and the group STA it says.
TEST(TimeAreaTest, TheWayBackHeightTypedGivesItsAnglesAndItsSta)
{
    const double now = sheetOf(ports()).timeArea.figures.front().sta / 100;
    for (const double wanted : {now * 1.1, now * 0.9}) {
        SCOPED_TRACE(wanted);
        PortSheetInput input = ports();
        input.staTarget = FormatDecimal(wanted, 8, {});
        const WayBackView way = sheetOf(input).timeArea.wayBack;
        ASSERT_EQ(way.status, WayBackStatus::Found);
        const bool raised = way.change < 0;
        EXPECT_EQ(raised, wanted > now); // more flow: a higher roof
        EXPECT_EQ(way.cannotGrind, wanted < now);
        EXPECT_NEAR(way.height + way.windowHeight, 26 + 25, 1e-9);
        EXPECT_NEAR(way.reached, wanted, wanted * 1e-3); // within 0.01 mm of roof
        input.rows[0].height = {FormatDecimal(way.height, 2, {})};
        input.rows[0].shape.windowHeight = {FormatDecimal(way.windowHeight, 2, {})};
        const PortSheetView moved = sheetOf(input);
        EXPECT_EQ(moved.rows[0].opens, way.opens);
        EXPECT_EQ(moved.rows[0].duration, way.duration);
        EXPECT_NE(way.line.find("opens at " + moved.rows[0].opensText + " and is open " +
                                moved.rows[0].durationText + " degrees"),
                  std::string::npos)
            << way.line;
        EXPECT_EQ(moved.timeArea.figures.front().cells[5], FormatSignificant(way.reached, 4, {}));
        EXPECT_EQ(moved.timeArea.wayBack.status, WayBackStatus::Unmoved);
    }
    PortSheetInput input = ports();
    input.staTarget = "0";
    EXPECT_EQ(sheetOf(input).timeArea.wayBack.status, WayBackStatus::NotANumber);
    input.staTarget = "0.01";
    EXPECT_EQ(sheetOf(input).timeArea.wayBack.status, WayBackStatus::AboveReach);
    input.staTarget = "0.00003"; // less than the window down to its corners gives
    EXPECT_EQ(sheetOf(input).timeArea.wayBack.status, WayBackStatus::BelowReach);
}

// By width, the window's height and timing stay; the width the way back shows, typed as the row
// measures it, gives the STA it says. A bridgeless exhaust over 70% of the 54 mm bore (37.8 mm)
// may snag the ring; the width stays between the bore and twice the 4 mm corners.
TEST(TimeAreaTest, TheWayBackByWidthKeepsTheTimingAndWarnsOfTheRing)
{
    const double now = sheetOf(ports()).timeArea.figures.front().sta / 100;
    const struct {
        double goal;
        WidthMeasure measure;
        const char* bridge;
        WayBackStatus status;
        bool ringSnag;
    } cases[] = {
        {now * 1.05, WidthMeasure::Chord, "", WayBackStatus::Found, true},
        {now * 0.9, WidthMeasure::Arc, "", WayBackStatus::Found, false},
        {now * 1.05, WidthMeasure::Chord, "3", WayBackStatus::Found, false},
        {now * 1.5, WidthMeasure::Chord, "", WayBackStatus::AboveReach, false},
        {now * 0.1, WidthMeasure::Chord, "", WayBackStatus::BelowReach, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.goal);
        PortSheetInput input = ports();
        input.wayBackBy = WayBackBy::Width;
        input.staTarget = FormatDecimal(c.goal, 8, {});
        input.rows[0].shape.measure = c.measure;
        input.rows[0].shape.bridge = {c.bridge};
        const WayBackView way = sheetOf(input).timeArea.wayBack;
        ASSERT_EQ(way.status, c.status) << way.line;
        EXPECT_EQ(way.ringSnag, c.ringSnag);
        if (c.status != WayBackStatus::Found) {
            EXPECT_TRUE(way.line.starts_with("No width of Exhaust reaches")) << way.line;
            // At least what a window of its corners alone gives, 8 mm wide.
            input.rows[0].shape.width = {c.status == WayBackStatus::BelowReach ? "8" : "54"};
            EXPECT_EQ(FormatSignificant(way.reached, 4, {}),
                      sheetOf(input).timeArea.figures.front().cells[5]);
            continue;
        }
        EXPECT_EQ(way.cannotGrind, c.goal < now);
        input.rows[0].shape.width = {FormatDecimal(way.width, 2, {})};
        const PortSheetView typed = sheetOf(input);
        EXPECT_EQ(typed.rows[0].opens, sheetOf(ports()).rows[0].opens);
        EXPECT_NEAR(typed.rows[0].shape.chord, way.chord, 1e-9);
        EXPECT_EQ(typed.timeArea.figures.front().cells[5], FormatSignificant(way.reached, 4, {}));
        EXPECT_EQ(typed.timeArea.wayBack.status, WayBackStatus::Unmoved);
    }
}

// Moving any row may leave the exhaust opening at or after the first scavenge port; a roof can
// only be ground higher and an inlet's floor lower. The answer speaks for the row's group.
TEST(TimeAreaTest, TheWayBackWarnsOfLostBlowdownAndOfWhatCannotBeGround)
{
    const struct {
        int row;
        const char* goal;
        bool noBlowdown;
        bool cannotGrind;
    } cases[] = {
        {0, "0.00015", false, true},  // the exhaust roof lowered a little
        {0, "0.00011", true, true},   // below the transfers' 30 mm
        {1, "0.00013", true, false},  // the transfer roof raised above the exhaust's 26 mm
        {2, "0.00011", false, false}, // the inlet's floor lowered
        {2, "0.00005", false, true},  // and raised
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.goal);
        PortSheetInput input = ports();
        input.pistonLength = {"60"};
        input.rows[2] = {
            "Inlet", PortRole::Inlet, {"85"}, {"", {"30"}, {}, {"18"}, {"3"}, {"6"}, {}}};
        input.rows[3] = kBoost;
        input.staRow = c.row;
        input.staTarget = c.goal;
        const WayBackView way = sheetOf(input).timeArea.wayBack;
        ASSERT_EQ(way.status, WayBackStatus::Found) << way.line;
        EXPECT_EQ(way.noBlowdown, c.noBlowdown);
        EXPECT_EQ(way.cannotGrind, c.cannotGrind);
        EXPECT_EQ(way.line.find("Warning") != std::string::npos, c.noBlowdown || c.cannotGrind);
        if (c.row == 1) {
            EXPECT_TRUE(way.line.starts_with(
                "The transfers and boost together reach 0.0001300 s·cm²/cm³ at 10000 rpm when "
                "the roof of Transfers is raised by "))
                << way.line;
            EXPECT_NE(way.line.find("; the window grows with it to "), std::string::npos);
            EXPECT_NE(way.line.find(", its floor stays."), std::string::npos);
        }
    }
}

// Blowdown runs from the exhaust's opening to the first scavenge port's, here a boost port above
// the transfer. The exhaust has square corners, so its area is 40·(x - 26) mm² while the piston
// stands x mm down, and with r = 27, L = 110 and no offset x(θ) = r + L - r cos θ - √(L² - r²
// sin² θ), whose integral is (r + L)θ - r sin θ - L·E(θ, r/L), E the elliptic integral of the
// second kind.
TEST(TimeAreaTest, BlowdownRunsToTheFirstScavengePortAsWorkedByHand)
{
    PortSheetInput input = ports();
    input.rows[0].shape = {"", {"40"}, {}, {"25"}, {}, {}, {}};
    input.rows[1].height = {"32"};
    input.rows[2] = {"Boost", PortRole::Boost, {"29"}, {"", {"10"}, {}, {"8"}, {}, {}, {}}};
    const PortSheetView view = sheetOf(input);
    const double a = view.rows[0].opens;
    const double b = view.rows[2].opens;
    EXPECT_DOUBLE_EQ(view.timeArea.blowdownAngle, b - a);
    const double r = 27;
    const double L = 110;
    const auto integral = [&](double degrees) {
        const double t = degrees * std::numbers::pi / 180;
        return ((r + L) * t - r * std::sin(t) - L * std::ellint_2(r / L, t)) * 180 /
               std::numbers::pi;
    };
    EXPECT_NEAR(view.timeArea.blowdownAngleArea, 40 * (integral(b) - integral(a) - 26 * (b - a)),
                0.01);
}

// Copy and CSV carry the timing target and the way back, goal, answer and warnings; the copy
// ends with the area at every half degree, the exhaust fully open at BDC.
TEST(TimeAreaTest, CopyCarriesTheTargetsTheWayBackAndTheAreaEveryHalfDegree)
{
    PortSheetInput input = ports();
    input.targetRow = 1;
    input.target = TimingTarget::Duration;
    input.targetDegrees = "140";
    input.staTarget = "0.0001";
    const PortSheetView view = sheetOf(input);
    const std::vector<Record> records = PortSheetRecords(view);
    const auto has = [&](const Record& record) {
        return std::ranges::find(records, record) != records.end();
    };
    // π/4·5.4²·5.4 = 123.672 cm³.
    EXPECT_EQ(view.timeArea.engineLine, "Bore 54.00 mm, swept volume 123.7 cm³, 10000 rpm.");
    EXPECT_TRUE(has({"Swept volume (cm³):", "123.672"}));
    EXPECT_TRUE(has({"Target row:", "Transfers"}));
    EXPECT_TRUE(has({"Target of:", "duration"}));
    EXPECT_TRUE(has({"Height found (mm):", FormatDecimal(view.target.height, 2, {})}));
    EXPECT_TRUE(has({"Row:", "Exhaust"}));
    EXPECT_TRUE(has({"Group:", "Exhaust"}));
    EXPECT_TRUE(has({"Goal STA (s·cm²/cm³):", "0.0001000"}));
    EXPECT_TRUE(has({"Engine speed (rpm):", "10000"}));
    const WayBackView& way = view.timeArea.wayBack;
    EXPECT_TRUE(has({"New height (mm):", FormatDecimal(way.height, 2, {})}));
    EXPECT_TRUE(has({"Opens ATDC:", FormatDecimal(way.opens, 1, {})}));
    EXPECT_TRUE(has({"Answer:", way.line}));
    const TargetView& met = view.timeArea.targets[0];
    EXPECT_TRUE(has({"Exhaust", "0.0001400", "0.0001500", FormatDecimal(met.rpmFrom, 0, {}),
                     FormatDecimal(met.rpmTo, 0, {}), ""}));
    EXPECT_TRUE(has({"Warning:", "a lower roof cannot be ground; it takes filling or a new "
                                 "cylinder."}));
    const auto header = std::ranges::find(
        records, Record{"Crank angle (deg ATDC)", "Exhaust area (mm²)", "Transfer area (mm²)"});
    ASSERT_NE(header, records.end());
    ASSERT_EQ(records.end() - header, 1 + 721);
    EXPECT_EQ(header[1], (Record{"0.0", "0.00", "0.00"}));
    // 40 x 25 with four 4 mm corners: 1000 - (4 - π)·16; two 16 x 12 with two 2 mm top corners
    // each.
    EXPECT_EQ(header[1 + 360], (Record{"180.0", "986.27", "380.57"}));
    EXPECT_EQ(header[721], (Record{"360.0", "0.00", "0.00"}));
    const std::string csv = RecordsAsCsv(records, CsvDialect::SemicolonDecimalComma, ".");
    EXPECT_NE(csv.find("\r\n180,0;986,27;380,57\r\n"), std::string::npos);
}

// On an inch sheet every length goes out in inches, the engine's own lines as typed in mm.
TEST(TimeAreaTest, AnInchSheetGivesEveryLengthInInches)
{
    PortSheetInput input = ports();
    input.unit = LengthUnit::Inch;
    input.rows[2] = {"Boost", PortRole::Boost, {"31"}, {"", {"60"}, {}, {"8"}, {}, {}, {}}};
    input.staTarget = "0.00016";
    const PortSheetView view =
        BuildPortSheetView(Engine(54, 110, 1).shown({"Twin", "54", "110", "1"}), input, {});
    EXPECT_EQ(view.rows[2].shape.message, "The window is wider than the bore (2.126 in).");
    EXPECT_TRUE(view.note.starts_with("Pin offset +0.039 in:")) << view.note;
    EXPECT_EQ(view.timeArea.wayBack.line.find(" mm"), std::string::npos);
    EXPECT_NE(view.timeArea.wayBack.line.find(" in"), std::string::npos);
    const std::vector<Record> records = PortSheetRecords(view);
    for (std::size_t r = 0; r < records.size(); ++r) {
        for (const std::string& cell : records[r]) {
            EXPECT_TRUE(cell.find("(mm)") == std::string::npos || r < view.summary.size()) << cell;
        }
    }
    const auto shapes = std::ranges::find(records, std::string("Chord (in)"),
                                          [](const Record& r) { return r.size() > 4 ? r[4] : ""; });
    ASSERT_NE(shapes, records.end());
    EXPECT_EQ((*(shapes + 1))[3], "chord");
    EXPECT_EQ((*(shapes + 1))[4], "1.575"); // 40 mm
}

} // namespace
} // namespace crank
