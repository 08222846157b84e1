// The sheet's time-area half, from what is typed to the figures, messages and
// copy, against figures worked out by hand and invariants of the engine.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <regex>

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
    input.targets = HandbookTargets({});
    input.rows[0] = {"Exhaust",
                     PortRole::Exhaust,
                     {"26"},
                     {"", {"40"}, WidthMeasure::Chord, {"25"}, {"4"}, {"4"}, {}}};
    input.rows[1] = {"Transfers",
                     PortRole::Transfer,
                     {"30"},
                     {"2", {"16"}, WidthMeasure::Chord, {"12"}, {"2"}, {}, {}}};
    return input;
}

std::string capture(const std::string& text, const char* pattern)
{
    std::smatch match;
    EXPECT_TRUE(std::regex_search(text, match, std::regex(pattern))) << text;
    return match.size() > 1 ? match[1].str() : "";
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
    };
    for (const auto& c : cases) {
        PortSheetInput input = ports();
        input.rows[1].shape = c.shape;
        const PortSheetView view = BuildPortSheetView(kEngine, input, {});
        EXPECT_EQ(view.rows[1].shape.message, c.message);
        EXPECT_FALSE(view.rows[1].shape.figures);
        EXPECT_TRUE(view.rows[0].shape.figures) << c.message;
    }
}

TEST(TimeAreaTest, AFloorBelowBdcIsNeverFullyOpenYetIntegrated)
{
    PortSheetInput input = ports();
    input.rows[0].shape.windowHeight = {"30"}; // 26 + 30 mm: 2 mm below the crown at BDC
    const PortSheetView view = BuildPortSheetView(kEngine, input, {});
    EXPECT_EQ(view.rows[0].shape.note, "Never fully open: its floor lies below the crown at BDC, "
                                       "which uncovers 28.00 mm of 30.00 mm.");
    ASSERT_TRUE(view.rows[0].shape.figures);
    // At BDC the crown stands 28 mm below the roof: 40 x 28 less the top corners, and less the
    // first 2 mm of the bottom ones, 2·∫(4 - sqrt(16 - t²)) dt from 0 to 2 = 2·(8 - √12 - 8π/6).
    const AreaCurve& exhaust = view.timeArea.plot.curves.front();
    const double pi = 3.14159265358979;
    EXPECT_NEAR(exhaust.area[360],
                40 * 28 - (1 - pi / 4) * 2 * 16 - 2 * (8 - std::sqrt(12.0) - 8 * pi / 6), 0.005);
}

TEST(TimeAreaTest, WithoutAnRpmThereIsAngleAreaButNoStaAndNoCrash)
{
    PortSheetInput input = ports();
    input.rpm = "0";
    input.staTarget = "0.00015";
    const PortSheetView view = BuildPortSheetView(kEngine, input, {});
    EXPECT_EQ(view.timeArea.rpmMessage, "The rpm must be a number more than 0.");
    EXPECT_FALSE(view.rows[0].shape.angleAreaText.empty());
    EXPECT_TRUE(view.rows[0].shape.staCmText.empty());
    EXPECT_EQ(view.timeArea.wayBack, "Type the bore and the rpm first.");
}

// The engine speed the sheet gives for a target meets it: at that speed the STA is the target.
TEST(TimeAreaTest, TheSpeedsGivenMeetTheTargetRange)
{
    const PortSheetView first = BuildPortSheetView(kEngine, ports(), {});
    const std::string line = first.timeArea.targets[0].line;
    PortSheetInput input = ports();
    input.rpm = capture(line, "met from ([0-9]+) to");
    const FlowFigures at = BuildPortSheetView(kEngine, input, {}).timeArea.figures.front();
    EXPECT_NEAR(at.sta / 100, 0.00015, 0.0000005) << line;
    input.rpm = capture(line, "to ([0-9]+) rpm");
    EXPECT_NEAR(BuildPortSheetView(kEngine, input, {}).timeArea.figures.front().sta / 100, 0.00014,
                0.0000005);
}

// Moving the roof as the sheet says gives the target STA, and then the sheet says it is met.
TEST(TimeAreaTest, TheRoofTheSheetGivesMeetsTheTarget)
{
    const double now = BuildPortSheetView(kEngine, ports(), {}).timeArea.figures.front().sta / 100;
    for (const double wanted : {now * 1.1, now * 0.9}) {
        const std::string target = FormatDecimal(wanted, 6, {});
        SCOPED_TRACE(target);
        PortSheetInput input = ports();
        input.staTarget = target;
        const std::string said = BuildPortSheetView(kEngine, input, {}).timeArea.wayBack;
        const double by = std::stod(capture(said, "by ([0-9.]+) mm"));
        const bool raise = said.starts_with("Raise the exhaust roof");
        EXPECT_EQ(raise, wanted > now) << said;
        input.rows[0].height = {capture(said, "to ([0-9.]+) mm")};
        input.rows[0].shape.windowHeight = {std::to_string(25 + (raise ? by : -by))};
        const PortSheetView moved = BuildPortSheetView(kEngine, input, {});
        EXPECT_NEAR(moved.timeArea.figures.front().sta / 100, std::stod(target), 0.0000006);
        EXPECT_EQ(capture(said, "opens at ([0-9.]+ ATDC)"), moved.rows[0].opensText);
        EXPECT_EQ(moved.timeArea.wayBack, "The exhaust roof already meets it where it is.");
    }
    PortSheetInput input = ports();
    input.staTarget = "0";
    EXPECT_EQ(BuildPortSheetView(kEngine, input, {}).timeArea.wayBack,
              "The target STA must be a number more than 0.");
    input.staTarget = "0.01";
    EXPECT_TRUE(BuildPortSheetView(kEngine, input, {})
                    .timeArea.wayBack.starts_with("No exhaust roof reaches it: at most"));
}

// The copy ends with the area at every half degree: plain numbers, the exhaust fully open at BDC.
TEST(TimeAreaTest, CopyGivesTheAreaEveryHalfDegree)
{
    const PortSheetView view = BuildPortSheetView(kEngine, ports(), {});
    const std::vector<Record> records = PortSheetRecords(view);
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

} // namespace
} // namespace crank
