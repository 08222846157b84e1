#include "tables/table_builder.h"

#include <gtest/gtest.h>

#include "model/engine_test_support.h"
#include "tables/ang_disp_layout.h"

namespace crank {
namespace {

TEST(TableBuilderTest, SortAndSpaceRequests)
{
    // Typed, then sorted and spaced at least 4 degrees apart, also above 176.
    const struct {
        TableSpec requests;
        std::array<float, 4> result;
        std::vector<RequestWrite> writes;
    } cases[] = {
        // clang-format off
        {{2, {0, 90, 10, -1}}, {0, 10, 90, -1}, {{1, 10}, {2, 90}}},
        {{2, {0, 50, 50, -1}}, {0, 50, 54, -1}, {{2, 54}}},
        {{2, {0, 10, 14, -1}}, {0, 10, 14, -1}, {}},
        {{2, {0, 10, 13, -1}}, {0, 10, 14, -1}, {{2, 14}}},
        {{3, {0, 20, 10, 12}}, {0, 10, 14, 20}, {{1, 10}, {2, 20}, {2, 12}, {3, 20}, {2, 14}}},
        {{3, {0, 10, 11, 12}}, {0, 10, 14, 18}, {{2, 14}, {3, 18}}},
        {{3, {0, 176, 176, 176}}, {0, 176, 180, 184}, {{2, 180}, {3, 184}}}};
    // clang-format on
    for (auto c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.requests.InitAngle));
        EXPECT_EQ(SortTableRequests(c.requests), c.writes);
        EXPECT_EQ(c.requests.InitAngle, c.result);
    }
    TableSpec seven{7, {0, 30, 20, 10}}; // sorted without reading past table 3
    SortTableRequests(seven);
    EXPECT_EQ(seven.InitAngle, (std::array<float, 4>{0, 10, 20, 30}));
    EXPECT_EQ(TablesToBuild(seven), 3);
    EXPECT_EQ(TablesToBuild({.NumTables = -2}), 0);
}

TEST(TableBuilderTest, AngleColumnTexts)
{
    const std::tuple<float, int, const char*> cases[] = {
        // clang-format off
        {77, 1, "77.1"}, {77, 3, "77.25"}, {77, 11, "77.9"}, {77, 12, "78"}, {77, 48, "81"},
        {0, 0, "0"}, {0, 47, "3.9"}, {184, 47, "187.9"}};
    // clang-format on
    for (const auto& [start, row, text] : cases) {
        EXPECT_EQ(FormatNumber(BuildAngleColumn(start)[row], AngleRowPattern(row)), text)
            << "start " << start << " row " << row;
    }
}

TEST(TableBuilderTest, WorkedExampleTableAndSummary)
{
    for (const float offset : {-0.5f, 0.0f}) {
        SCOPED_TRACE(offset);
        const Engine e(46, 100, offset);
        TableData data;
        FillAngleColumns({.NumTables = 1, .InitAngle = {0, 77, -1, -1}}, data);
        FillDisplacementColumns(e.geometry, e.model, 1, data);
        EXPECT_EQ(data.AngleCol[2][0], 0.0f); // tables beyond NumTables untouched
        const auto two = [](float v) { return FormatNumber(v, NumberPattern::Two); };
        // Row 3: before TDC, after TDC (offset only).
        EXPECT_EQ(two(data.DispBCol[1][3]), offset != 0 ? "20.45" : "20.47");
        if (offset != 0) {
            EXPECT_EQ(two(data.DispACol[1][12]), "20.80");
        }
        // The summary frame grows by the BDC line with an offset.
        const EngineSummary s = MakeEngineSummary("Test", "46", "100", "-0.5", e.geometry);
        EXPECT_EQ(s.engine + s.stroke + s.rod + s.offset,
                  " Engine: Test Stroke (mm): 46Connecting Rod Length (mm): 100"
                  "Gudgeon Pin Offset (mm): -0.5");
        EXPECT_EQ(s.bdc, offset != 0 ? "Crank Angle at BDC (degrees ATDC): 179.86" : "");
        EXPECT_EQ(std::tuple(s.showBdc, s.frameTop, s.frameHeight),
                  offset != 0 ? std::tuple(true, 160, 1680) : std::tuple(false, 300, 1280));
    }
}

TEST(AngDispLayoutTest, PanelTopRoundsDown)
{
    for (const auto& [value, top] : {std::pair(1, -127), {2, -255}, {59, -7522}, {60, -7650}}) {
        EXPECT_EQ(PanelTop(value, kPanelHeight, kViewportHeight, kScrollMaximum), top) << value;
    }
}

} // namespace
} // namespace crank
