#include "tables/print_page.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "tables/page_test_support.h"
#include "tables/test_doubles.h"

namespace crank {
namespace {

using testing::PageRequest;
using testing::Printed;

struct Job {
    testing::RecordingPrinter printer;
    RecordingMessageBox messages;
    PageContent content;

    explicit Job(const PageRequest& request) : content(testing::buildPageContent(request)) {}
    PrintOutcome print()
    {
        SetPrinterFont(printer);
        return PrintTablesPage(content, printer, messages);
    }
    // The rows follow the title, the engine summary and two heading lines.
    std::size_t firstRowText() const
    {
        const auto n = static_cast<std::size_t>(content.NumTables);
        return content.OffsetNonZero ? 6 + 5 * n : 5 + 4 * n;
    }
    std::size_t textsPerRow() const
    {
        return static_cast<std::size_t>(content.NumTables) * (content.OffsetNonZero ? 3 : 2);
    }
    const Printed& cell(int row, std::size_t column) const
    {
        return printer.printed.at(firstRowText() + static_cast<std::size_t>(row) * textsPerRow() +
                                  column);
    }
};

Printed courier(const std::string& text, float x, float y, float size, int weight = 700)
{
    return {.text = text, .x = x, .y = y, .size = size, .weight = weight, .font = "Courier"};
}

// Tables from 8, 96 and 150 degrees: the angles grow a digit at row 24 (10)
// and at row 48 (100) of the first two.
constexpr std::array<float, 4> kLayoutAngles{0, 8, 96, 150};

int angleShift(int table, int row)
{
    if (table == 1) {
        return row < 24 ? 240 : 120;
    }
    return table == 2 && row < 48 ? 120 : 0;
}

TEST(PrintPageTest, SixLayouts)
{
    // x of each table's angle column, twips; every other x of the table
    // keeps a fixed distance from it, but for the ATDC heading of one table.
    struct Case {
        int tables;
        float offset;
        std::vector<float> angleX;
        float atdcHeading = 2400;
    };
    const Case cases[] = {
        {1, 0, {4750}},          {1, -0.5f, {4360}, 2410},   {2, 0, {2750, 6750}},
        {2, 0.5f, {2120, 6610}}, {3, 0, {1250, 4750, 8250}}, {3, -1.0f, {820, 4360, 7910}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.tables << " tables, offset " << c.offset);
        Job job({.offset = c.offset,
                 .tables = c.tables,
                 .initAngle = kLayoutAngles,
                 .engineName = "Shop 125"});
        // Placed by the stored value: row 5 is stored just below 10 though
        // it reads "10.00", row 48 holds 100.
        PageContent& content = job.content;
        content.data.DispBCol[1][5] = 9.996f;
        content.dispBTexts[1][5] = "10.00";
        content.data.DispBCol[1][48] = 100.0f;
        content.dispBTexts[1][48] = "100.00";
        job.print();
        const bool offset = c.offset != 0;
        ASSERT_EQ(job.printer.printed.size(), job.firstRowText() + 49 * job.textsPerRow());
        EXPECT_EQ(job.printer.endDocs, 1);
        EXPECT_TRUE(job.messages.shown.empty());

        // Title, engine summary (lines 80 twips apart) and headings, all bold.
        std::vector<Printed> head{courier("Crank Angle/Piston Displacement Values", 3250, 600, 12),
                                  courier(" Engine: Shop 125 ", 900, 600 + 264 + 240, 10)};
        head[0].underline = true;
        std::vector<std::string> summary{content.strokeCaption, content.rodCaption,
                                         content.offsetCaption};
        if (offset) {
            summary.push_back(content.bdcCaption);
        }
        for (const std::string& caption : summary) {
            head.push_back(courier(caption, 1400, head.back().y + 300, 10));
        }
        const float line1 = head.back().y + 220 + 240, line2 = line1 + 220 + 20;
        for (const float a : c.angleX) {
            head.push_back(courier("Angle", a + 110, line1, 10));
            head.push_back(offset ? courier("Displacement (mm)", a + 1110, line1, 10)
                                  : courier("Displacement", a + 950, line1, 10));
        }
        for (const float a : c.angleX) {
            head.push_back(courier("(deg)", a + 110, line2, 10));
            if (offset) {
                head.push_back(courier("BTDC", a + 1310, line2, 10));
                head.push_back(courier("ATDC", a + c.atdcHeading, line2, 10));
            } else {
                head.push_back(courier("(mm)", a + 1430, line2, 10));
            }
        }
        ASSERT_EQ(head.size(), job.firstRowText());
        for (std::size_t i = 0; i < head.size(); ++i) {
            EXPECT_EQ(job.printer.printed[i], head[i]) << head[i].text;
        }

        // Rows 40 twips below row 0 and each whole degree, 20 below the
        // others, and 60 below the first row of a degree with two offset
        // tables. Bold: row 0, the whole degrees and .25, .5, .75.
        float y = line2;
        for (int r = 0; r < 49; ++r) {
            SCOPED_TRACE(r);
            const int k = r % 12;
            y += 220 + (k > 1 ? 20 : (k == 1 && c.tables == 2 && offset ? 60 : 40));
            const int weight = k % 3 == 0 ? 700 : 0;
            std::size_t col = 0;
            for (int t = 1; t <= c.tables; ++t) {
                const float a = c.angleX[static_cast<std::size_t>(t - 1)];
                const auto expect = [&](const std::string& text, float x) {
                    EXPECT_EQ(job.cell(r, col++), courier(text, x, y, 10, weight)) << text;
                };
                // Displacements a character further right below 10 mm.
                expect(content.angleTexts[t][r], a + angleShift(t, r));
                expect(content.dispBTexts[t][r],
                       a + (offset ? 1250 : 1320) + (content.data.DispBCol[t][r] < 10 ? 120 : 0));
                if (offset) {
                    expect(content.dispATexts[t][r],
                           a + 2340 + (content.data.DispACol[t][r] < 10 ? 120 : 0));
                }
            }
        }
    }
}

TEST(PrintPageTest, EngineLineHeightChoosesTheRowSizeAndTwoPrintsMatch)
{
    const std::pair<float, float> cases[] = {{228, 10}, {229, 9}, {228.5f, 9}};
    for (const auto& [engineLineHeight, rowSize] : cases) {
        SCOPED_TRACE(engineLineHeight);
        Job job({.offset = 0.5f, .tables = 3, .initAngle = kLayoutAngles});
        // Rows 22.6 twips a point high leave y between whole twips.
        job.printer.lineHeight = [&](float points) {
            return points == 10 ? engineLineHeight : points * 22.6f;
        };
        // Settings left over from an earlier job must not change the page.
        job.printer.setFontUnderline(true);
        job.printer.setFontItalic(true);
        job.print();
        const std::vector<Printed> first = job.printer.printed;
        job.printer.printed.clear();
        job.print();
        EXPECT_EQ(job.printer.printed, first);
        EXPECT_FALSE(first.at(2).italic);
        for (std::size_t i = 2; i < first.size(); ++i) {
            ASSERT_EQ(first[i].size, rowSize) << first[i].text;
        }
        for (int r = 0; r < 49; ++r) { // every text of a row at one whole twip
            const float y = job.cell(r, 0).y;
            EXPECT_EQ(y, std::round(y)) << "row " << r;
            for (std::size_t col = 1; col < job.textsPerRow(); ++col) {
                EXPECT_EQ(job.cell(r, col).y, y) << "row " << r;
            }
        }
    }
}

TEST(PrintPageTest, OverflowStopsAfterARowInsideADegree)
{
    std::string several = "Please check the default Paper Size setting of your Printer.\r\n\r\n"
                          "Printer output is intended for A4 size paper sheet.\r\n"
                          "The Tables to be printed will be incomplete.\r\n";
    std::string one = several;
    one.replace(one.find("Tables"), 6, "Table");

    struct Case {
        int tables;
        int limitBelowRow; // the page limit lies `above` twips above this row's bottom
        int lastRow;
        int above = 1;
    };
    const Case cases[] = {
        {1, 30, 30},    {3, 1, 1}, {3, 47, 47}, {1, 36, 37}, // whole-degree rows are not tested
        {2, 0, 1},                                           // nor is row 0
        {1, 48, 48},    // only row 48 below: complete, no message
        {1, 30, 31, 0}, // a row ending exactly on the limit is still inside
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.tables << " tables, row " << c.limitBelowRow);
        Job tall({.tables = c.tables});
        tall.printer.height = 100000;
        tall.print();
        Job job({.tables = c.tables});
        job.printer.height =
            static_cast<int>(tall.cell(c.limitBelowRow, 0).y + 220) - c.above + 1000;
        job.print();
        EXPECT_EQ(job.printer.printed.size() - job.firstRowText(),
                  static_cast<std::size_t>(c.lastRow + 1) * job.textsPerRow());
        EXPECT_EQ(job.printer.endDocs, 1);
        if (c.lastRow == 48) {
            EXPECT_TRUE(job.messages.shown.empty());
        } else {
            ASSERT_EQ(job.messages.shown.size(), 1u);
            EXPECT_EQ(job.messages.shown[0].title, "Page Overflow Detected and Prevented");
            EXPECT_EQ(job.messages.shown[0].prompt, c.tables == 1 ? one : several);
        }
    }
}

TEST(PrintPageTest, RefusedJobReachesTheCaller)
{
    // A whole page, and one cut short by the overflow guard: either way the
    // printer's refusal is what the caller hears, so that it can tell the user.
    for (const int height : {16838, 6000}) {
        SCOPED_TRACE(height);
        Job job({.tables = 2});
        job.printer.height = height;
        job.printer.outcome = {false, "The printer did not accept the page."};
        const PrintOutcome outcome = job.print();
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.reason, "The printer did not accept the page.");
        EXPECT_EQ(job.printer.endDocs, 1);
    }
}

} // namespace
} // namespace crank
