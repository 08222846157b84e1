#include "tables/ang_disp_layout.h"

#include <gtest/gtest.h>

namespace crank {
namespace {

// Widths of the cells and of the scroll bar on the tables screen, twips.
constexpr int kAngleCellWidth = 500;
constexpr int kDispCellWidth = 560;
constexpr int kScrollBarWidth = 375;

// In every layout each table's cells run left to right between its own two
// ruling lines without overlapping, the tables follow each other, and
// everything stays on the panel. The headers (screen x, panel x + 200)
// stand over their columns inside their table's header rules.
TEST(AngDispLayoutTest, ColumnsRunLeftToRightInsideTheirRules)
{
    for (const int tables : {1, 2, 3}) {
        for (const bool offset : {false, true}) {
            SCOPED_TRACE(::testing::Message() << tables << " tables, offset " << offset);
            const ColumnLefts cells = CellLayout(tables, offset);
            const RuleLayout rules = RulesFor(tables);
            int previousRight = 0;
            for (int t = 1; t <= 3; ++t) {
                SCOPED_TRACE(t);
                const Rule& left = rules.vLine[2 * t - 1];
                const Rule& right = rules.vLine[2 * t];
                EXPECT_EQ(left.shown, t <= tables);
                EXPECT_EQ(right.shown, t <= tables);
                if (t > tables) {
                    continue;
                }
                EXPECT_LT(previousRight, left.x1);
                EXPECT_LT(left.x1, cells.ang[t]);
                EXPECT_LE(cells.ang[t] + kAngleCellWidth, cells.dispB[t]);
                int end = cells.dispB[t] + kDispCellWidth;
                if (offset) {
                    EXPECT_LE(end, cells.dispA[t]);
                    end = cells.dispA[t] + kDispCellWidth;
                }
                EXPECT_LE(end, right.x1);
                EXPECT_LE(right.x1, rules.panelWidth);
                previousRight = right.x1;
                // The angle header over its cells, the displacement header
                // starting at most 200 twips before them.
                EXPECT_LT(rules.tvLine[2 * t - 1].x1, cells.labA[t]);
                EXPECT_NEAR(cells.labA[t], cells.ang[t] + 200, 20);
                const int dispScreenX = cells.dispB[t] + 200;
                EXPECT_LE(cells.labB[t], dispScreenX);
                EXPECT_GE(cells.labB[t], dispScreenX - 200);
                EXPECT_LT(cells.labB[t], rules.tvLine[2 * t].x1);
            }
            // The scroll bar stands at the panel's right edge, its line down
            // the bar's right edge.
            EXPECT_EQ(rules.scrollLeft, rules.panelWidth);
            EXPECT_NEAR(rules.scrollLineX, rules.scrollLeft + kScrollBarWidth, 5);
        }
    }
}

// The rules of a table's header and body run straight and meet: the top
// rule at the tops of the header's verticals (some sit 20 twips lower), the
// header's bottom rule above their lower ends, the body's bottom rule at the
// lower ends of the body's verticals.
TEST(AngDispLayoutTest, RulesMeetAtTheCornersOfEachTable)
{
    for (const int tables : {1, 2, 3}) {
        const RuleLayout rules = RulesFor(tables);
        for (int t = 1; t <= tables; ++t) {
            SCOPED_TRACE(::testing::Message() << "table " << t << " of " << tables);
            const Rule& left = rules.vLine[2 * t - 1];
            const Rule& headLeft = rules.tvLine[2 * t - 1];
            const Rule& headRight = rules.tvLine[2 * t];
            const Rule& top = rules.thLine[t];
            const Rule& bottom = rules.thLine[t + 3];
            EXPECT_EQ(left.x1, left.x2);
            EXPECT_EQ(headLeft.x1, headLeft.x2);
            EXPECT_EQ(top.y1, top.y2);
            EXPECT_EQ(bottom.y1, bottom.y2);
            EXPECT_EQ(rules.hLine[t].y1, rules.hLine[t].y2);
            EXPECT_NEAR(top.y1, headLeft.y1, 20);
            EXPECT_NEAR(top.y1, headRight.y1, 20);
            EXPECT_LT(top.y1, bottom.y1);
            EXPECT_LE(bottom.y1, headLeft.y2);
            EXPECT_LE(bottom.y1, headRight.y2);
            EXPECT_EQ(rules.hLine[t].y1, left.y2);
        }
    }
}

} // namespace
} // namespace crank
