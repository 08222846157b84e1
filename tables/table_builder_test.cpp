#include "tables/table_builder.h"

#include <gtest/gtest.h>
#include <string>

#include "model/engine_test_support.h"

namespace crank {
namespace {

// Every degree of a table holds these rows, in this order.
constexpr const char* kRowTails[12] = {"",   ".1", ".2", ".25", ".3", ".4",
                                       ".5", ".6", ".7", ".75", ".8", ".9"};
constexpr double kRowFractions[12] = {0, 0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.75, 0.8, 0.9};

TEST(TableBuilderTest, SortAndSpaceRequests)
{
    // Typed, then sorted and spaced at least 4 degrees apart, also above 176.
    const struct {
        TableSpec requests;
        std::array<float, 4> result;
        std::vector<RequestWrite> writes;
    } cases[] = {
        {{2, {0, 90, 10, -1}}, {0, 10, 90, -1}, {{1, 10}, {2, 90}}},
        {{2, {0, 50, 50, -1}}, {0, 50, 54, -1}, {{2, 54}}},
        {{2, {0, 10, 14, -1}}, {0, 10, 14, -1}, {}},
        {{2, {0, 10, 13, -1}}, {0, 10, 14, -1}, {{2, 14}}},
        {{3, {0, 20, 10, 12}}, {0, 10, 14, 20}, {{1, 10}, {2, 20}, {2, 12}, {3, 20}, {2, 14}}},
        {{3, {0, 10, 11, 12}}, {0, 10, 14, 18}, {{2, 14}, {3, 18}}},
        {{3, {0, 176, 176, 176}}, {0, 176, 180, 184}, {{2, 180}, {3, 184}}},
        {{7, {0, 30, 20, 10}},
         {0, 10, 20, 30},
         {{1, 20}, {2, 30}, {2, 10}, {3, 30}, {1, 10}, {2, 20}}},
    };
    for (auto c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.requests.InitAngle));
        EXPECT_EQ(SortTableRequests(c.requests), c.writes);
        EXPECT_EQ(c.requests.InitAngle, c.result);
    }
}

TEST(TableBuilderTest, EveryAngleRowOfATable)
{
    for (const int start : {0, 77, 176, 184}) {
        const TableColumn angles = BuildAngleColumn(static_cast<float>(start));
        for (int r = 0; r < kRowsPerTable; ++r) {
            const std::string text = std::to_string(start + r / 12) + kRowTails[r % 12];
            SCOPED_TRACE(text);
            EXPECT_EQ(FormatNumber(angles[r], AngleRowPattern(r)), text);
            EXPECT_NEAR(angles[r], start + r / 12 + kRowFractions[r % 12], 1e-4);
        }
    }
}

TEST(TableBuilderTest, FillsOnlyTheRequestedTables)
{
    TableData data;
    FillAngleColumns({.NumTables = 3, .InitAngle = {0, 10, 20, 30}}, data);
    FillAngleColumns({.NumTables = 1, .InitAngle = {0, 50, 60, 70}}, data);
    EXPECT_EQ(data.AngleCol[1][48], 54.0f);
    EXPECT_EQ(data.AngleCol[2][48], 24.0f); // the earlier display's
    EXPECT_EQ(data.AngleCol[3][48], 34.0f);
}

// The tables of a display with stroke 46 mm and rod 100 mm.
TableData display(float offset, const TableSpec& requests)
{
    const Engine engine(46, 100, offset);
    TableData data;
    FillAngleColumns(requests, data);
    FillDisplacementColumns(engine.geometry, engine.model, requests.NumTables, data);
    return data;
}

// Tables from 0 (TDC), 90 and 176 (BDC at 180 in row 48 with zero offset).
// BTDC is at 360 degrees minus the row's angle.
TEST(TableBuilderTest, EveryDisplacementRowFollowsTheMechanism)
{
    const TableSpec requests{.NumTables = 3, .InitAngle = {0, 0, 90, 176}};
    for (const float offset : {0.0f, -0.5f, 0.5f, -9.2f}) {
        SCOPED_TRACE(offset);
        const ReferenceEngine reference(46, 100, offset);
        const TableData data = display(offset, requests);
        for (int t = 1; t <= 3; ++t) {
            for (int r = 0; r < kRowsPerTable; ++r) {
                SCOPED_TRACE(::testing::Message() << "table " << t << " row " << r);
                const double angle = requests.InitAngle[t] + r / 12 + kRowFractions[r % 12];
                if (offset == 0.0f) {
                    EXPECT_NEAR(data.DispBCol[t][r], reference.displacement(angle), 0.005);
                } else {
                    EXPECT_NEAR(data.DispACol[t][r], reference.displacement(angle), 0.005);
                    EXPECT_NEAR(data.DispBCol[t][r], reference.displacement(360 - angle), 0.005);
                }
            }
        }
    }
}

TEST(TableBuilderTest, OnlyTheBdcRowShowsTheFullStroke)
{
    // Offset -7.2 mm puts BDC at 177.997 degrees ATDC, row 24 (178) of a
    // table from 176; +7.2 mm at 182.003 ATDC, which is 178 BTDC.
    const struct {
        float offset;
        int atdcRow; // -1: none
        int btdcRow;
    } cases[] = {{0.0f, 48, 48}, {-7.2f, 24, -1}, {7.2f, -1, 24}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        const TableData data = display(c.offset, {.NumTables = 1, .InitAngle = {0, 176, -1, -1}});
        const TableColumn& atdc = c.offset == 0.0f ? data.DispBCol[1] : data.DispACol[1];
        const TableColumn& btdc = data.DispBCol[1];
        for (int r = 0; r < kRowsPerTable; ++r) {
            EXPECT_EQ(atdc[r] == 46.0f, r == c.atdcRow) << "ATDC row " << r << ": " << atdc[r];
            EXPECT_EQ(btdc[r] == 46.0f, r == c.btdcRow) << "BTDC row " << r << ": " << btdc[r];
        }
    }
}

TEST(TableBuilderTest, EngineSummaryShowsTheBoxTextsAndTheBdcLineWithAnOffset)
{
    const Engine offset(46, 100, -0.5f);
    const EngineSummary s = MakeEngineSummary("Kart", "46", "100.0", "-.5", offset.geometry);
    EXPECT_EQ(s.engine, " Engine: Kart ");
    EXPECT_EQ(s.stroke, "Stroke (mm): 46");
    EXPECT_EQ(s.rod, "Connecting Rod Length (mm): 100.0");
    EXPECT_EQ(s.offset, "Gudgeon Pin Offset (mm): -.5");
    EXPECT_EQ(s.bdc, "Crank Angle at BDC (degrees ATDC): 179.86");
    EXPECT_EQ(s.frameTop, 160);
    EXPECT_EQ(s.frameHeight, 1680);
    const Engine zero(46, 100, 0.0f);
    const EngineSummary z = MakeEngineSummary("Kart", "46", "100", "0", zero.geometry);
    EXPECT_EQ(z.bdc, "");
    EXPECT_EQ(z.frameTop, 300);
    EXPECT_EQ(z.frameHeight, 1280);
}

} // namespace
} // namespace crank
