#include "tables/table_builder.h"

#include <gtest/gtest.h>

#include "model/crank_slider.h"
#include "tables/ang_disp_layout.h"

namespace crank {
namespace {

TEST(TableBuilderTest, SortAndSpaceRequests)
{
    struct Case {
        std::int16_t n;
        std::array<float, 3> typed;
        std::array<float, 3> result;
        std::vector<RequestWrite> writes;
    };
    const Case cases[] = {
        {1, {90, -1, -1}, {90, -1, -1}, {}},
        {2, {90, 10, -1}, {10, 90, -1}, {{1, 10}, {2, 90}}},
        {2, {50, 0, -1}, {0, 50, -1}, {{1, 0}, {2, 50}}},
        {2, {50, 50, -1}, {50, 54, -1}, {{2, 54}}},
        {2, {10, 14, -1}, {10, 14, -1}, {}},
        {2, {10, 13, -1}, {10, 14, -1}, {{2, 14}}},
        {3, {20, 10, 12}, {10, 14, 20}, {{1, 10}, {2, 20}, {2, 12}, {3, 20}, {2, 14}}},
        {3, {10, 11, 12}, {10, 14, 18}, {{2, 14}, {3, 18}}},
        {2, {174, 175, -1}, {174, 178, -1}, {{2, 178}}},
        {3, {176, 176, 176}, {176, 180, 184}, {{2, 180}, {3, 184}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " tables from " << c.typed[0] << ", "
                                        << c.typed[1] << ", " << c.typed[2]);
        TableSpec requests;
        requests.NumTables = c.n;
        requests.InitAngle = {0, c.typed[0], c.typed[1], c.typed[2]};
        EXPECT_EQ(SortTableRequests(requests), c.writes);
        EXPECT_EQ(requests.InitAngle[1], c.result[0]);
        EXPECT_EQ(requests.InitAngle[2], c.result[1]);
        EXPECT_EQ(requests.InitAngle[3], c.result[2]);
        EXPECT_LE(requests.InitAngle[c.n], kMaxSpacedAngle);
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

TEST(TableBuilderTest, RowsInsideADegreeAddToTheirWholeRow)
{
    const TableColumn column = BuildAngleColumn(176.0f);
    for (int block = 0; block < 4; ++block) {
        const float whole = 176.0f + static_cast<float>(block);
        EXPECT_EQ(column[12 * block], whole);
        for (int k = 0; k < 11; ++k) {
            EXPECT_EQ(column[12 * block + k + 1], whole + DegreeSubSteps[k]);
        }
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
        EngineGeometry geometry;
        geometry.Stroke = 46;
        geometry.RodLength = 100;
        geometry.PinOffset = c.offset;
        geometry.OffsetNonZero = c.offset != 0.0f;
        CrankModel model;
        TableSpec requests;
        requests.NumTables = 1;
        requests.InitAngle = {0, 77, -1, -1};
        TableData data;
        FillAngleColumns(requests, data);
        CalcGeometry(geometry, model);
        FillDisplacementColumns(geometry, model, requests.NumTables, data);
        const int rows[] = {0, 3, 12};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(FormatNumber(data.DispBCol[1][rows[i]], NumberPattern::Two), c.before[i]);
            EXPECT_EQ(FormatNumber(data.DispACol[1][rows[i]], NumberPattern::Two), c.after[i]);
        }
        EXPECT_EQ(data.AngleCol[2][0], 0.0f); // tables beyond NumTables untouched
        const EngineSummary summary = MakeEngineSummary("Test", "46", "100", "-0.5", geometry);
        EXPECT_EQ(summary.showBdc, geometry.OffsetNonZero);
        if (summary.showBdc) {
            EXPECT_EQ(summary.bdc, std::string("Crank Angle at BDC (degrees ATDC): ") + c.bdc);
            EXPECT_EQ(summary.frameTop, 160);
            EXPECT_EQ(summary.frameHeight, 1680);
        } else {
            EXPECT_EQ(summary.bdc, "");
            EXPECT_EQ(summary.frameTop, 300);
            EXPECT_EQ(summary.frameHeight, 1280);
        }
        EXPECT_EQ(summary.engine, " Engine: Test ");
        EXPECT_EQ(summary.stroke, "Stroke (mm): 46");
        EXPECT_EQ(summary.rod, "Connecting Rod Length (mm): 100");
        EXPECT_EQ(summary.offset, "Gudgeon Pin Offset (mm): -0.5");
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
