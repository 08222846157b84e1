#include "tables/ang_disp_layout.h"

namespace crank {
namespace {

int tableCount(int numTables)
{
    return numTables >= 1 && numTables <= 3 ? numTables : 1;
}

// Rows: one, two, three tables; columns: zero offset, non-zero offset.
struct CellRow {
    std::array<int, 3> ang, dispB, dispA, labA, labB;
};

constexpr int U = kUnset;
// clang-format off
constexpr CellRow kCells[3][2] = {
    {{{3610, U, U}, {4740, U, U}, {U, U, U}, {3800, U, U}, {4780, U, U}},
     {{3580, U, U}, {4310, U, U}, {5120, U, U}, {3800, U, U}, {4400, U, U}}},
    {{{2060, 5160, U}, {3180, 6280, U}, {U, U, U}, {2250, 5350, U}, {3230, 6330, U}},
     {{2030, 5140, U}, {2760, 5860, U}, {3570, 6680, U}, {2250, 5350, U}, {2850, 5950, U}}},
    {{{510, 3610, 6710}, {1620, 4740, 7830}, {U, U, U}, {700, 3800, 6900}, {1680, 4780, 7880}},
     {{480, 3580, 6690}, {1210, 4310, 7410}, {2020, 5120, 8220}, {700, 3800, 6900},
      {1300, 4400, 7500}}},
};
// clang-format on

struct Span {
    int x1, x2;
};

// Per number of tables: panel width, scroll bar Left, scroll line x; the body
// verticals (pairs per table), the body bottoms; the header verticals and the
// header box spans. Entries beyond the number of tables are hidden.
struct RuleRow {
    int panelWidth, scrollLeft, scrollLineX;
    std::array<int, 6> vLine;
    std::array<Span, 3> hLine;
    std::array<int, 6> tvLine;
    std::array<Span, 3> thLine;
};

// clang-format off
constexpr RuleRow kRules[3] = {
    {5900, 5900, 6270, {3340, 5880}, {{{3340, 5880}}}, {3540, 6080}, {{{3540, 6080}}}},
    {7440, 7440, 7820, {1800, 4340, 4890, 7430}, {{{1800, 4330}, {4890, 7430}}},
     {1990, 4530, 5090, 7620}, {{{1990, 4530}, {5090, 7630}}}},
    {9000, 9000, 9380, {240, 2770, 3340, 5880, 6450, 8980},
     {{{240, 2780}, {3340, 5880}, {6450, 8980}}}, {440, 2980, 3540, 6080, 6640, 9180},
     {{{440, 2980}, {3540, 6080}, {6640, 9180}}}},
};
// clang-format on

// Fixed heights of the lines, twips.
constexpr int kBodyBottom = 12240;
constexpr int kHeaderTop = 2020;
constexpr int kHeaderBottom = 2600;
constexpr int kHeaderSideTop = 2020;
constexpr int kHeaderSideBottom = 2700;
constexpr int kHeaderRightTop = 2040; // TVLine2 and TVLine5 sit 20 twips lower
constexpr int kHeaderRightBottom = 2720;

void copyLefts(std::array<int, 4>& to, const std::array<int, 3>& from)
{
    for (int t = 1; t <= 3; ++t) {
        to[t] = from[t - 1];
    }
}

} // namespace

ColumnLefts CellLayout(int numTables, bool offsetNonZero)
{
    const CellRow& row = kCells[tableCount(numTables) - 1][offsetNonZero ? 1 : 0];
    ColumnLefts lefts;
    copyLefts(lefts.ang, row.ang);
    copyLefts(lefts.dispB, row.dispB);
    copyLefts(lefts.dispA, row.dispA);
    copyLefts(lefts.labA, row.labA);
    copyLefts(lefts.labB, row.labB);
    return lefts;
}

RuleLayout RulesFor(int numTables)
{
    const int n = tableCount(numTables);
    const RuleRow& row = kRules[n - 1];
    RuleLayout rules;
    rules.panelWidth = row.panelWidth;
    rules.scrollLeft = row.scrollLeft;
    rules.scrollLineX = row.scrollLineX;
    for (int i = 1; i <= 6; ++i) {
        if ((i + 1) / 2 > n) {
            continue; // the verticals of tables beyond n stay hidden
        }
        const bool lowered = i == 2 || i == 5;
        rules.vLine[i] = {true, row.vLine[i - 1], 0, row.vLine[i - 1], kBodyBottom};
        rules.tvLine[i] = {true, row.tvLine[i - 1], lowered ? kHeaderRightTop : kHeaderSideTop,
                           row.tvLine[i - 1], lowered ? kHeaderRightBottom : kHeaderSideBottom};
    }
    for (int t = 1; t <= n; ++t) {
        const Span body = row.hLine[t - 1];
        const Span head = row.thLine[t - 1];
        rules.hLine[t] = {true, body.x1, kBodyBottom, body.x2, kBodyBottom};
        rules.thLine[t] = {true, head.x1, kHeaderTop, head.x2, kHeaderTop};
        rules.thLine[t + 3] = {true, head.x1, kHeaderBottom, head.x2, kHeaderBottom};
    }
    return rules;
}

} // namespace crank
