#include "tables/print_page.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "tables/page_test_support.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// The recording printer moves y down 22 twips per point after each line: 264
// after the 12-point title, 220 after a 10-point line.
constexpr float kLine = 220.0f;
constexpr int kBold = 700;

struct Job {
    explicit Job(DisplayView v) : view(std::move(v)) {}

    PrintOutcome print() { return PrintTablesPage(view, printer, messages); }

    DisplayView view;
    RecordingPagePrinter printer;
    RecordingMessageBox messages;
};

using Headings = std::vector<std::pair<std::string, float>>; // text, x

// The six fixed layouts of the page, twips: both heading lines, and per table
// the x of the angle column (three-digit angles) and of the BTDC-or-only and
// ATDC columns (displacements of 10 mm or more; below 10 one character, 120
// twips, further right).
struct Layout {
    int tables;
    bool offset;
    Headings line1;
    Headings line2;
    std::vector<std::array<float, 3>> columns;
};

const Layout kLayouts[] = {
    {1,
     false,
     {{"Angle", 4860}, {"Displacement", 5700}},
     {{"(deg)", 4860}, {"(mm)", 6180}},
     {{4750, 6070, 0}}},
    {1,
     true,
     {{"Angle", 4470}, {"Displacement (mm)", 5470}},
     {{"(deg)", 4470}, {"BTDC", 5670}, {"ATDC", 6770}},
     {{4360, 5610, 6700}}},
    {2,
     false,
     {{"Angle", 2860}, {"Displacement", 3700}, {"Angle", 6860}, {"Displacement", 7700}},
     {{"(deg)", 2860}, {"(mm)", 4180}, {"(deg)", 6860}, {"(mm)", 8180}},
     {{2750, 4070, 0}, {6750, 8070, 0}}},
    {2,
     true,
     {{"Angle", 2230}, {"Displacement (mm)", 3230}, {"Angle", 6720}, {"Displacement (mm)", 7720}},
     {{"(deg)", 2230},
      {"BTDC", 3430},
      {"ATDC", 4520},
      {"(deg)", 6720},
      {"BTDC", 7920},
      {"ATDC", 9010}},
     {{2120, 3370, 4460}, {6610, 7860, 8950}}},
    {3,
     false,
     {{"Angle", 1360},
      {"Displacement", 2200},
      {"Angle", 4860},
      {"Displacement", 5700},
      {"Angle", 8360},
      {"Displacement", 9200}},
     {{"(deg)", 1360},
      {"(mm)", 2680},
      {"(deg)", 4860},
      {"(mm)", 6180},
      {"(deg)", 8360},
      {"(mm)", 9680}},
     {{1250, 2570, 0}, {4750, 6070, 0}, {8250, 9570, 0}}},
    {3,
     true,
     {{"Angle", 930},
      {"Displacement (mm)", 1930},
      {"Angle", 4470},
      {"Displacement (mm)", 5470},
      {"Angle", 8020},
      {"Displacement (mm)", 9020}},
     {{"(deg)", 930},
      {"BTDC", 2130},
      {"ATDC", 3220},
      {"(deg)", 4470},
      {"BTDC", 5670},
      {"ATDC", 6760},
      {"(deg)", 8020},
      {"BTDC", 9220},
      {"ATDC", 10310}},
     {{820, 2070, 3160}, {4360, 5610, 6700}, {7910, 9160, 10250}}},
};

// y of the last engine summary line: the engine line at 600 + 264 + 240,
// then each line 220 + 80 lower.
float lastSummaryY(bool offset)
{
    return offset ? 2304.0f : 2004.0f;
}

void expectText(const Printed& printed, const std::string& text, float x, float y, int weight)
{
    EXPECT_EQ(printed.text, text);
    EXPECT_EQ(printed.x, x) << text;
    EXPECT_EQ(printed.y, y) << text;
    EXPECT_EQ(printed.size, 10.0f) << text;
    EXPECT_EQ(printed.weight, weight) << text;
    EXPECT_FALSE(printed.underline) << text;
}

TEST(PrintPageTest, TitleAndEngineSummaryInBold)
{
    Job job(testing::sampleView(1, true));
    job.printer.setFontItalic(true); // left over from an earlier job
    job.printer.setFontStrikethrough(true);
    job.print();
    const std::vector<Printed>& p = job.printer.printed;
    ASSERT_GT(p.size(), 6u);
    EXPECT_EQ(p[0].text, "Crank Angle/Piston Displacement Values");
    EXPECT_EQ(p[0].x, 3250.0f);
    EXPECT_EQ(p[0].y, 600.0f);
    EXPECT_EQ(p[0].size, 12.0f);
    EXPECT_EQ(p[0].weight, kBold);
    EXPECT_TRUE(p[0].underline);
    expectText(p[1], " Engine: Test ", 900, 1104, kBold);
    expectText(p[2], "Stroke (mm): 46", 1400, 1404, kBold);
    expectText(p[3], "Connecting Rod Length (mm): 100", 1400, 1704, kBold);
    expectText(p[4], "Gudgeon Pin Offset (mm): -0.5", 1400, 2004, kBold);
    expectText(p[5], "Crank Angle at BDC (degrees ATDC): 179.86", 1400, 2304, kBold);
    for (const Printed& printed : p) {
        EXPECT_EQ(printed.font, "Courier");
        EXPECT_FALSE(printed.italic);
        EXPECT_FALSE(printed.struck);
    }
}

TEST(PrintPageTest, NoBdcLineWithoutAnOffset)
{
    Job job(testing::sampleView(1, false));
    job.print();
    ASSERT_GT(job.printer.printed.size(), 5u);
    expectText(job.printer.printed[4], "Gudgeon Pin Offset (mm): 0", 1400, 2004, kBold);
    EXPECT_EQ(job.printer.printed[5].text, "Angle");
}

TEST(PrintPageTest, HeadingsOfTheSixLayouts)
{
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(::testing::Message() << layout.tables << " tables, offset " << layout.offset);
        Job job(testing::sampleView(layout.tables, layout.offset));
        job.print();
        const std::vector<Printed>& p = job.printer.printed;
        std::size_t i = layout.offset ? 6 : 5;
        ASSERT_GT(p.size(), i + layout.line1.size() + layout.line2.size());
        const float y1 = lastSummaryY(layout.offset) + kLine + 240;
        for (const auto& [text, x] : layout.line1) {
            expectText(p[i++], text, x, y1, kBold);
        }
        for (const auto& [text, x] : layout.line2) {
            expectText(p[i++], text, x, y1 + kLine + 20, kBold);
        }
    }
}

// Angles right-align on their column: one character (120 twips) in for
// each digit fewer than three, fixed for a whole degree by its first row.
float angleShift(int degree)
{
    if (degree < 10) {
        return 240.0f;
    }
    if (degree < 100) {
        return 120.0f;
    }
    return 0.0f;
}

// Row 0 and each whole degree 40 twips below the row before, the first row
// inside a degree also 40 (60 with two offset tables), the others 20. Whole
// degrees, .25, .5 and .75 bold.
TEST(PrintPageTest, RowsOfTheSixLayouts)
{
    const int starts[] = {0, 8, 96, 150};
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(::testing::Message() << layout.tables << " tables, offset " << layout.offset);
        Job job(testing::sampleView(layout.tables, layout.offset));
        job.print();
        const std::vector<Printed>& p = job.printer.printed;
        std::size_t i = (layout.offset ? 6 : 5) + layout.line1.size() + layout.line2.size();
        const std::size_t perRow = layout.tables * (layout.offset ? 3 : 2);
        ASSERT_EQ(p.size(), i + 49 * perRow);
        float y = lastSummaryY(layout.offset) + kLine + 240 + kLine + 20;
        for (int r = 0; r < kRowsPerTable; ++r) {
            SCOPED_TRACE(r);
            const int k = r % 12;
            float gap = k == 0 || k == 1 ? 40.0f : 20.0f;
            if (k == 1 && layout.tables == 2 && layout.offset) {
                gap = 60.0f;
            }
            y += kLine + gap;
            const int weight = k == 0 || k == 3 || k == 6 || k == 9 ? kBold : 0;
            for (int t = 1; t <= layout.tables; ++t) {
                const std::string place = std::to_string(t) + "." + std::to_string(r);
                const std::array<float, 3>& x = layout.columns[t - 1];
                // The sample's displacements are r / 4 and 20 - r / 4 mm.
                const float btdcShift = r < 40 ? 120.0f : 0.0f;
                const float atdcShift = r > 40 ? 120.0f : 0.0f;
                expectText(p[i++], "a" + place, x[0] + angleShift(starts[t] + r / 12), y, weight);
                expectText(p[i++], "b" + place, x[1] + btdcShift, y, weight);
                if (layout.offset) {
                    expectText(p[i++], "c" + place, x[2] + atdcShift, y, weight);
                }
            }
        }
        EXPECT_EQ(job.printer.endDocs, 1);
        EXPECT_TRUE(job.messages.shown.empty());
    }
}

TEST(PrintPageTest, TallEngineLineSwitchesTheRestToNinePoints)
{
    for (const float engineLine : {228.0f, 229.0f}) {
        SCOPED_TRACE(engineLine);
        Job job(testing::sampleView(3, true));
        // 9-point lines of 203.4 twips leave y between whole twips.
        job.printer.lineHeight = [engineLine](float points) {
            return points == 10.0f ? engineLine : points * 22.6f;
        };
        job.print();
        const std::vector<Printed>& p = job.printer.printed;
        const float size = engineLine > 228.0f ? 9.0f : 10.0f;
        const std::size_t headings = 6;
        for (std::size_t i = 2; i < p.size(); ++i) {
            ASSERT_EQ(p[i].size, size) << p[i].text;
            if (i >= headings) {
                ASSERT_EQ(p[i].y, std::round(p[i].y)) << p[i].text;
            }
        }
    }
}

TEST(PrintPageTest, OverflowStopsAfterARowInsideADegree)
{
    // The row whose bottom meets the page limit (height - 1000), how far
    // below it (twips), and the last row printed. Row 0 and whole degrees
    // are not checked, so row 48 alone below the limit prints complete.
    const struct {
        int tables;
        int row;
        int below;
        int lastRow;
    } cases[] = {
        {1, 30, 1, 30}, {3, 47, 1, 47}, {1, 36, 1, 37},
        {2, 0, 1, 1},   {1, 48, 1, 48}, {1, 30, 0, 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.tables << " tables, row " << c.row);
        Job tall(testing::sampleView(c.tables, false));
        tall.printer.height = 100000;
        tall.print();
        const std::size_t firstRow = 5 + 4 * c.tables;
        const float rowTop = tall.printer.printed.at(firstRow + c.row * 2 * c.tables).y;
        Job job(testing::sampleView(c.tables, false));
        job.printer.height = static_cast<int>(rowTop + kLine) - c.below + 1000;
        job.printer.outcome = {false, "The printer did not accept the page."};
        const PrintOutcome outcome = job.print();
        EXPECT_EQ(job.printer.printed.size(), firstRow + (c.lastRow + 1) * 2 * c.tables);
        // Cut short or not, the printer's refusal reaches the caller.
        EXPECT_EQ(job.printer.endDocs, 1);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.reason, "The printer did not accept the page.");
        const std::string tables = c.tables == 1 ? "Table" : "Tables";
        ASSERT_EQ(job.messages.shown.size(), c.lastRow == 48 ? 0u : 1u);
        for (const auto& shown : job.messages.shown) {
            EXPECT_EQ(shown.title, "Page Overflow Detected and Prevented");
            EXPECT_EQ(shown.prompt,
                      "Please check the default Paper Size setting of your Printer.\r\n\r\n"
                      "Printer output is intended for A4 size paper sheet.\r\nThe " +
                          tables + " to be printed will be incomplete.\r\n");
        }
    }
}

} // namespace
} // namespace crank
