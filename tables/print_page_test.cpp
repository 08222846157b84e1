#include "tables/print_page.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tables/page_test_support.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// The recording printer moves y down 22 twips per point after each line: 264
// after the 12-point title, 220 after a 10-point line.
constexpr float kLine = 220.0f;
constexpr int kBold = 700;

// The six layouts of the page by the x of each table's angle column (twips).
// In every layout the other texts keep fixed distances from it: "Angle" and
// "(deg)" 110 further right; with zero offset "Displacement" 950, "(mm)"
// 1430 and the displacements 1320; with an offset "Displacement (mm)" 1110,
// "BTDC" 1310, "ATDC" 2400 (2410 on a one-table page), the BTDC values 1250
// and the ATDC values 2340. Angles move in one character (120 twips) for
// each digit fewer than three, displacements below 10 mm one character.
struct Layout {
    int tables;
    bool offset;
    std::vector<float> angleX;
};

const Layout kLayouts[] = {
    {1, false, {4750}},
    {1, true, {4360}},
    {2, false, {2750, 6750}},
    {2, true, {2120, 6610}},
    {3, false, {1250, 4750, 8250}},
    {3, true, {820, 4360, 7910}},
};

Printed courier(const std::string& text, float x, float y, int weight)
{
    return {.text = text, .x = x, .y = y, .size = 10, .weight = weight, .font = "Courier"};
}

// The page of testing::sampleView: its tables start at 8, 96 and 150
// degrees, its displacements are r / 4 (BTDC) and 20 - r / 4 mm (ATDC).
std::vector<Printed> expectedPage(const Layout& layout)
{
    const DisplayView view = testing::sampleView(layout.tables, layout.offset);
    std::vector<Printed> page;
    Printed title = courier("Crank Angle/Piston Displacement Values", 3250, 600, kBold);
    title.size = 12;
    title.underline = true;
    page.push_back(title);
    // Everything up to row 0 bold; the engine line 240 below the title's
    // line, the other summary lines 80 below the line before.
    float y = 600 + 264 + 240;
    page.push_back(courier(" Engine: Test ", 900, y, kBold));
    std::vector<std::string> summary = {"Stroke (mm): 46", "Connecting Rod Length (mm): 100"};
    if (layout.offset) {
        summary.push_back("Gudgeon Pin Offset (mm): -0.5");
        summary.push_back("Crank Angle at BDC (degrees ATDC): 179.86");
    } else {
        summary.push_back("Gudgeon Pin Offset (mm): 0");
    }
    for (const std::string& caption : summary) {
        y += kLine + 80;
        page.push_back(courier(caption, 1400, y, kBold));
    }
    y += kLine + 240;
    for (const float a : layout.angleX) {
        page.push_back(courier("Angle", a + 110, y, kBold));
        if (layout.offset) {
            page.push_back(courier("Displacement (mm)", a + 1110, y, kBold));
        } else {
            page.push_back(courier("Displacement", a + 950, y, kBold));
        }
    }
    y += kLine + 20;
    for (const float a : layout.angleX) {
        page.push_back(courier("(deg)", a + 110, y, kBold));
        if (layout.offset) {
            page.push_back(courier("BTDC", a + 1310, y, kBold));
            page.push_back(courier("ATDC", a + (layout.tables == 1 ? 2410 : 2400), y, kBold));
        } else {
            page.push_back(courier("(mm)", a + 1430, y, kBold));
        }
    }
    // Row 0 and each whole degree 40 twips below the row before, the first
    // row inside a degree also 40 (60 with two offset tables), the others 20.
    // Whole degrees, .25, .5 and .75 bold.
    const int starts[] = {0, 8, 96, 150};
    for (int r = 0; r < kRowsPerTable; ++r) {
        const int k = r % 12;
        float gap = k == 0 || k == 1 ? 40.0f : 20.0f;
        if (k == 1 && layout.tables == 2 && layout.offset) {
            gap = 60.0f;
        }
        y += kLine + gap;
        const int weight = k % 3 == 0 ? kBold : 0;
        for (int t = 1; t <= layout.tables; ++t) {
            const float a = layout.angleX[t - 1];
            const auto digits = static_cast<float>(std::to_string(starts[t] + r / 12).size());
            page.push_back(courier(view.angleTexts[t][r], a + 120 * (3 - digits), y, weight));
            // Below 10 mm one character further in: BTDC before row 40, ATDC after.
            const float btdcIn = r < 40 ? 120.0f : 0.0f;
            if (layout.offset) {
                const float atdcIn = r > 40 ? 120.0f : 0.0f;
                page.push_back(courier(view.dispBTexts[t][r], a + 1250 + btdcIn, y, weight));
                page.push_back(courier(view.dispATexts[t][r], a + 2340 + atdcIn, y, weight));
            } else {
                page.push_back(courier(view.dispBTexts[t][r], a + 1320 + btdcIn, y, weight));
            }
        }
    }
    return page;
}

TEST(PrintPageTest, SixLayouts)
{
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(::testing::Message() << layout.tables << " tables, offset " << layout.offset);
        RecordingPagePrinter printer;
        RecordingMessageBox messages;
        printer.setFontItalic(true); // left over from an earlier job
        printer.setFontStrikethrough(true);
        PrintTablesPage(testing::sampleView(layout.tables, layout.offset), printer, messages);
        const std::vector<Printed> want = expectedPage(layout);
        ASSERT_EQ(printer.printed.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            ASSERT_EQ(printer.printed[i], want[i]) << "text " << i;
        }
        EXPECT_EQ(printer.endDocs, 1);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(PrintPageTest, TallEngineLineSwitchesTheRestToNinePoints)
{
    for (const float engineLine : {228.0f, 229.0f}) {
        SCOPED_TRACE(engineLine);
        RecordingPagePrinter printer;
        RecordingMessageBox messages;
        // 9-point lines of 203.4 twips leave y between whole twips, but
        // every heading and row stands at a whole twip.
        printer.lineHeight = [engineLine](float points) {
            return points == 10.0f ? engineLine : points * 22.6f;
        };
        PrintTablesPage(testing::sampleView(3, true), printer, messages);
        const std::vector<Printed>& printed = printer.printed;
        for (std::size_t i = 2; i < printed.size(); ++i) {
            ASSERT_EQ(printed[i].size, engineLine > 228.0f ? 9.0f : 10.0f) << printed[i].text;
            if (i >= 6) {
                ASSERT_EQ(printed[i].y, std::round(printed[i].y)) << printed[i].text;
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
        const std::vector<Printed> page = expectedPage(kLayouts[2 * (c.tables - 1)]);
        const std::size_t firstRow = 5 + 4 * c.tables;
        const std::size_t perRow = 2 * c.tables;
        RecordingPagePrinter printer;
        RecordingMessageBox messages;
        printer.height =
            static_cast<int>(page[firstRow + c.row * perRow].y + kLine) - c.below + 1000;
        printer.outcome = {false, "The printer did not accept the page."};
        const PrintOutcome outcome =
            PrintTablesPage(testing::sampleView(c.tables, false), printer, messages);
        EXPECT_EQ(printer.printed.size(), firstRow + (c.lastRow + 1) * perRow);
        // Cut short or not, the printer's refusal reaches the caller.
        EXPECT_EQ(printer.endDocs, 1);
        EXPECT_EQ(outcome.reason, "The printer did not accept the page.");
        const std::string tables = c.tables == 1 ? "Table" : "Tables";
        ASSERT_EQ(messages.shown.size(), c.lastRow == 48 ? 0u : 1u);
        for (const auto& shown : messages.shown) {
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
