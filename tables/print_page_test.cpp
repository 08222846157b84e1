#include "tables/print_page.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "tables/page_test_support.h"
#include "tables/test_doubles.h"

namespace crank {
namespace {

using testing::Printed;

struct Job {
    PageContent content;
    testing::RecordingPrinter printer{};
    RecordingMessageBox messages{};

    PrintOutcome print()
    {
        SetPrinterFont(printer);
        return PrintTablesPage(content, printer, messages);
    }
    // The rows follow the title, the engine summary and two heading lines.
    std::size_t perRow() const { return content.NumTables * (content.OffsetNonZero ? 3u : 2u); }
    std::size_t firstRow() const
    {
        const std::size_t n = content.NumTables;
        return content.OffsetNonZero ? 6 + 5 * n : 5 + 4 * n;
    }
    const Printed& cell(int row, std::size_t column) const
    {
        return printer.printed.at(firstRow() + static_cast<std::size_t>(row) * perRow() + column);
    }
};

Job makeJob(const testing::PageRequest& request)
{
    return {testing::buildPageContent(request)};
}

Printed courier(const std::string& text, float x, float y, float size, int weight = 700)
{
    return {.text = text, .x = x, .y = y, .size = size, .weight = weight, .font = "Courier"};
}

// Tables from 8, 96 and 150 degrees: the angles reach 10 at row 24 of the
// first and 100 at row 48 of the second.
constexpr std::array<float, 4> kLayoutAngles{0, 8, 96, 150};

TEST(PrintPageTest, SixLayouts)
{
    // x of each table's angle column, twips; the other columns keep fixed
    // distances from it, but for the ATDC heading of one offset table.
    const struct {
        int tables;
        float offset;
        std::vector<float> angleX;
        float atdcHeading = 2400;
    } cases[] = {
        {1, 0, {4750}},          {1, -0.5f, {4360}, 2410},   {2, 0, {2750, 6750}},
        {2, 0.5f, {2120, 6610}}, {3, 0, {1250, 4750, 8250}}, {3, -1.0f, {820, 4360, 7910}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.tables << " tables, offset " << c.offset);
        Job job = makeJob({.offset = c.offset, .tables = c.tables, .initAngle = kLayoutAngles});
        // Displacements placed by the stored value: row 5 is stored just
        // below 10 though it reads "10.00"; row 48 holds 100.
        PageContent& p = job.content;
        std::tie(p.data.DispBCol[1][5], p.dispBTexts[1][5], p.data.DispBCol[1][48],
                 p.dispBTexts[1][48]) = std::tuple(9.996f, "10.00", 100.0f, "100.00");
        job.print();
        const bool offset = c.offset != 0;
        ASSERT_EQ(job.printer.printed.size(), job.firstRow() + 49 * job.perRow());
        EXPECT_EQ(job.printer.endDocs, 1);
        EXPECT_TRUE(job.messages.shown.empty());

        // Title, engine summary (lines 80 twips apart) and headings, all bold.
        std::vector<Printed> head{courier("Crank Angle/Piston Displacement Values", 3250, 600, 12),
                                  courier(" Engine: Test ", 900, 1104, 10)};
        head[0].underline = true;
        std::vector<std::string> summary{p.strokeCaption, p.rodCaption, p.offsetCaption,
                                         p.bdcCaption};
        summary.resize(offset ? 4 : 3);
        for (const std::string& caption : summary) {
            head.push_back(courier(caption, 1400, head.back().y + 300, 10));
        }
        const float line1 = head.back().y + 460, line2 = line1 + 240;
        std::vector<Printed> second;
        for (const float a : c.angleX) {
            head.push_back(courier("Angle", a + 110, line1, 10));
            head.push_back(offset ? courier("Displacement (mm)", a + 1110, line1, 10)
                                  : courier("Displacement", a + 950, line1, 10));
            second.push_back(courier("(deg)", a + 110, line2, 10));
            second.push_back(offset ? courier("BTDC", a + 1310, line2, 10)
                                    : courier("(mm)", a + 1430, line2, 10));
            if (offset) {
                second.push_back(courier("ATDC", a + c.atdcHeading, line2, 10));
            }
        }
        head.insert(head.end(), second.begin(), second.end());
        const auto& printed = job.printer.printed;
        EXPECT_EQ(std::vector(printed.begin(), printed.begin() + head.size()), head);

        // Rows 40 twips below row 0 and each whole degree, 20 below the
        // others, and 60 below the first row of a degree with two offset
        // tables. Bold: row 0, the whole degrees and .25, .5, .75. Numbers a
        // character (120 twips) further right for each digit fewer.
        const auto narrow = [](float v, float below) { return v < below ? 120.0f : 0.0f; };
        float y = line2;
        for (int r = 0; r < 49; ++r) {
            const int k = r % 12;
            y += 220 + (k > 1 ? 20 : (k == 1 && c.tables == 2 && offset ? 60 : 40));
            std::size_t col = 0;
            const auto expect = [&](const std::string& text, float x) {
                EXPECT_EQ(job.cell(r, col++), courier(text, x, y, 10, k % 3 == 0 ? 700 : 0))
                    << "row " << r;
            };
            for (int t = 1; t <= c.tables; ++t) {
                const float a = c.angleX[static_cast<std::size_t>(t - 1)];
                const float angle = p.data.AngleCol[t][r];
                expect(p.angleTexts[t][r], a + narrow(angle, 10) + narrow(angle, 100));
                expect(p.dispBTexts[t][r],
                       a + (offset ? 1250 : 1320) + narrow(p.data.DispBCol[t][r], 10));
                if (offset) {
                    expect(p.dispATexts[t][r], a + 2340 + narrow(p.data.DispACol[t][r], 10));
                }
            }
        }
    }
}

TEST(PrintPageTest, EngineLineHeightChoosesTheRowSize)
{
    for (const auto& [engineLine, rowSize] :
         {std::pair(228.0f, 10.0f), {229.0f, 9.0f}, {228.5f, 9.0f}}) {
        SCOPED_TRACE(engineLine);
        Job job = makeJob({.offset = 0.5f, .tables = 3, .initAngle = kLayoutAngles});
        // Rows 22.6 twips a point high leave y between whole twips.
        job.printer.lineHeight = [&](float points) {
            return points == 10 ? engineLine : points * 22.6f;
        };
        // Settings left over from an earlier job must not change the page.
        job.printer.setFontItalic(true);
        job.print();
        const auto& printed = job.printer.printed;
        EXPECT_FALSE(printed.at(2).italic);
        for (std::size_t i = 2; i < printed.size(); ++i) {
            ASSERT_EQ(printed[i].size, rowSize) << printed[i].text;
        }
        for (int r = 0; r < 49; ++r) { // every text of a row at one whole twip
            const float y = job.cell(r, 0).y;
            EXPECT_EQ(y, std::round(y)) << "row " << r;
            EXPECT_EQ(job.cell(r, job.perRow() - 1).y, y) << "row " << r;
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

    // The page limit lies `above` twips above the bottom of row `limitRow`.
    // Whole-degree rows and row 0 are not tested for overflow; only row 48
    // below the limit prints complete, and a row ending on the limit is inside.
    const struct {
        int tables, limitRow, lastRow, above = 1;
    } cases[] = {{1, 30, 30}, {3, 47, 47}, {1, 36, 37}, {2, 0, 1}, {1, 48, 48}, {1, 30, 31, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.tables << " tables, row " << c.limitRow);
        Job tall = makeJob({.tables = c.tables});
        tall.printer.height = 100000;
        tall.print();
        Job job = makeJob({.tables = c.tables});
        job.printer.height = static_cast<int>(tall.cell(c.limitRow, 0).y + 220) - c.above + 1000;
        job.printer.outcome = {false, "The printer did not accept the page."};
        const PrintOutcome outcome = job.print();
        EXPECT_EQ(job.printer.printed.size() - job.firstRow(),
                  static_cast<std::size_t>(c.lastRow + 1) * job.perRow());
        EXPECT_EQ(job.printer.endDocs, 1);
        // Cut short or not, the printer's refusal reaches the caller.
        EXPECT_EQ(outcome.reason, job.printer.outcome.reason);
        EXPECT_FALSE(outcome.ok);
        if (c.lastRow == 48) {
            EXPECT_TRUE(job.messages.shown.empty());
        } else {
            ASSERT_EQ(job.messages.shown.size(), 1u);
            EXPECT_EQ(job.messages.shown[0].title, "Page Overflow Detected and Prevented");
            EXPECT_EQ(job.messages.shown[0].prompt, c.tables == 1 ? one : several);
        }
    }
}

} // namespace
} // namespace crank
