#include "tables/table_builder.h"

#include <gtest/gtest.h>
#include <string>

#include "model/engine_test_support.h"

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

// The tables of a display with stroke 46 mm and rod 100 mm.
TableData display(float offset, const TableSpec& requests)
{
    const Engine engine(46, 100, offset);
    TableData data;
    FillAngleColumns(requests, data);
    FillDisplacementColumns(engine.geometry, engine.model, requests.NumTables, data);
    return data;
}

// Every row of tables from 0 (TDC), 90 and 176 against the mechanism: the
// rows of each degree in this order, the displacements at the row's angle
// (BTDC at 360 degrees minus it), and exactly the stroke in the BDC row
// alone. BDC is at 180 degrees (row 48) with zero offset; -7.2 mm puts it at
// 177.997 degrees ATDC (row 24 of the table from 176), +7.2 mm at 178.003 BTDC.
TEST(TableBuilderTest, EveryRowFollowsTheMechanism)
{
    const char* tails[12] = {"",   ".1", ".2", ".25", ".3", ".4",
                             ".5", ".6", ".7", ".75", ".8", ".9"};
    const struct {
        float offset;
        double atdcBdc; // the row angle showing the full stroke; -1: none
        double btdcBdc;
    } cases[] = {{0.0f, 180, 180}, {-7.2f, 178, -1}, {7.2f, -1, 178}};
    const TableSpec requests{.NumTables = 3, .InitAngle = {0, 0, 90, 176}};
    for (const auto& c : cases) {
        const ReferenceEngine reference(46, 100, c.offset);
        const TableData data = display(c.offset, requests);
        const auto& atdc = c.offset == 0.0f ? data.DispBCol : data.DispACol;
        for (int t = 1; t <= 3; ++t) {
            for (int r = 0; r < kRowsPerTable; ++r) {
                const int whole = static_cast<int>(requests.InitAngle[t]) + r / 12;
                const std::string text = std::to_string(whole) + tails[r % 12];
                SCOPED_TRACE(::testing::Message() << "offset " << c.offset << ", angle " << text);
                EXPECT_EQ(FormatNumber(data.AngleCol[t][r], AngleRowPattern(r)), text);
                const double angle = std::stod(text);
                EXPECT_NEAR(atdc[t][r], reference.displacement(angle), 0.005);
                EXPECT_EQ(atdc[t][r] == 46.0f, angle == c.atdcBdc) << atdc[t][r];
                if (c.offset != 0.0f) {
                    EXPECT_NEAR(data.DispBCol[t][r], reference.displacement(360 - angle), 0.005);
                    EXPECT_EQ(data.DispBCol[t][r] == 46.0f, angle == c.btdcBdc);
                }
            }
        }
    }
}

} // namespace
} // namespace crank
