#include "tables/table_builder.h"

#include <gtest/gtest.h>

#include "model/crank_slider.h"
#include "tables/ang_disp_layout.h"

namespace crank {
namespace {

TEST(TableBuilderTest, SortAndSpaceRequests)
{
    struct Case {
        TableSpec requests; // typed, then sorted and spaced
        std::array<float, 4> result;
        std::vector<RequestWrite> writes;
    };
    const Case cases[] = {
        {{1, {0, 90, -1, -1}}, {0, 90, -1, -1}, {}},
        {{2, {0, 90, 10, -1}}, {0, 10, 90, -1}, {{1, 10}, {2, 90}}},
        {{2, {0, 50, 0, -1}}, {0, 0, 50, -1}, {{1, 0}, {2, 50}}},
        {{2, {0, 50, 50, -1}}, {0, 50, 54, -1}, {{2, 54}}},
        {{2, {0, 10, 14, -1}}, {0, 10, 14, -1}, {}},
        {{2, {0, 10, 13, -1}}, {0, 10, 14, -1}, {{2, 14}}},
        {{3, {0, 20, 10, 12}}, {0, 10, 14, 20}, {{1, 10}, {2, 20}, {2, 12}, {3, 20}, {2, 14}}},
        {{3, {0, 10, 11, 12}}, {0, 10, 14, 18}, {{2, 14}, {3, 18}}},
        {{2, {0, 174, 175, -1}}, {0, 174, 178, -1}, {{2, 178}}},
        {{3, {0, 176, 176, 176}}, {0, 176, 180, 184}, {{2, 180}, {3, 184}}},
    };
    for (Case c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.requests.InitAngle));
        EXPECT_EQ(SortTableRequests(c.requests), c.writes);
        EXPECT_EQ(c.requests.InitAngle, c.result);
    }
}

TEST(TableBuilderTest, AngleColumnTexts)
{
    struct Case {
        float start;
        int row;
        const char* text;
    };
    const Case cases[] = {
        {77, 0, "77"},  {77, 1, "77.1"},  {77, 3, "77.25"}, {77, 9, "77.75"}, {77, 11, "77.9"},
        {77, 12, "78"}, {77, 13, "78.1"}, {77, 48, "81"},   {0, 0, "0"},      {0, 3, "0.25"},
        {0, 47, "3.9"}, {0, 48, "4"},     {176, 48, "180"}, {178, 48, "182"}, {184, 47, "187.9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << c.start << " row " << c.row);
        const TableColumn column = BuildAngleColumn(c.start);
        EXPECT_EQ(FormatNumber(column[c.row], AngleRowPattern(c.row)), c.text);
    }
}

TEST(TableBuilderTest, WorkedExampleDisplacements)
{
    struct Case {
        float offset;
        const char* bdc;
        std::array<const char*, 3> before; // rows 0, 3, 12
        std::array<const char*, 3> after;
    };
    const Case cases[] = {
        {-0.5f, "179.86", {"20.35", "20.45", "20.76"}, {"20.39", "20.49", "20.80"}},
        {0.5f, "180.14", {"20.39", "20.49", "20.80"}, {"20.35", "20.45", "20.76"}},
        {0.0f, "", {"20.37", "20.47", "20.78"}, {"0.00", "0.00", "0.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset);
        EngineGeometry geometry{
            .Stroke = 46, .RodLength = 100, .PinOffset = c.offset, .OffsetNonZero = c.offset != 0};
        CrankModel model;
        CalcGeometry(geometry, model);
        const TableSpec requests{.NumTables = 1, .InitAngle = {0, 77, -1, -1}};
        TableData data;
        FillAngleColumns(requests, data);
        FillDisplacementColumns(geometry, model, requests.NumTables, data);
        const int rows[] = {0, 3, 12};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(FormatNumber(data.DispBCol[1][rows[i]], NumberPattern::Two), c.before[i]);
            EXPECT_EQ(FormatNumber(data.DispACol[1][rows[i]], NumberPattern::Two), c.after[i]);
        }
        EXPECT_EQ(data.AngleCol[2][0], 0.0f); // tables beyond NumTables untouched
        // The summary frame grows by the BDC line with an offset.
        const EngineSummary s = MakeEngineSummary("Test", "46", "100", "-0.5", geometry);
        EXPECT_EQ(s.engine, " Engine: Test ");
        EXPECT_EQ(s.stroke, "Stroke (mm): 46");
        EXPECT_EQ(s.rod, "Connecting Rod Length (mm): 100");
        EXPECT_EQ(s.offset, "Gudgeon Pin Offset (mm): -0.5");
        EXPECT_EQ(s.showBdc, geometry.OffsetNonZero);
        EXPECT_EQ(s.bdc, *c.bdc ? std::string("Crank Angle at BDC (degrees ATDC): ") + c.bdc : "");
        EXPECT_EQ(std::pair(s.frameTop, s.frameHeight),
                  s.showBdc ? std::pair(160, 1680) : std::pair(300, 1280));
    }
}

TEST(TableBuilderTest, NumberOfTablesOutsideOneToThreeBuildsNothingOutOfRange)
{
    TableSpec requests;
    requests.NumTables = 7;
    requests.InitAngle = {0, 30, 20, 10};
    SortTableRequests(requests); // must not read past InitAngle(3)
    EXPECT_EQ(requests.InitAngle[1], 10);
    EXPECT_EQ(TablesToBuild(requests), 3);
    requests.NumTables = -2;
    EXPECT_EQ(TablesToBuild(requests), 0);
}

TEST(AngDispLayoutTest, PanelTopRoundsDown)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, -127}, {2, -255}, {59, -7522}, {60, -7650}};
    for (const auto& [value, top] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(PanelTop(value, kPanelHeight, kViewportHeight, kScrollMaximum), top);
    }
}

} // namespace
} // namespace crank
