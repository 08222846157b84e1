#include "tables/print_page.h"

#include <cmath>
#include <gtest/gtest.h>

#include "tables/page_test_support.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// From 8, 96 and 150 degrees: angles reach 10 in row 24 of table 1 and 100 in row 48 of table 2.
constexpr std::array<float, 4> kLayoutAngles{0, 8, 96, 150};

struct Job {
    DisplayView page;
    RecordingPagePrinter printer{};
    RecordingMessageBox messages{};

    PrintOutcome print()
    {
        SetPrinterFont(printer);
        return PrintTablesPage(page, printer, messages);
    }
    // The rows follow the title, the engine summary and two heading lines.
    std::size_t off() const { return page.OffsetNonZero ? 1 : 0; }
    std::size_t perRow() const { return page.NumTables * (2 + off()); }
    std::size_t firstRow() const { return 5 + off() + page.NumTables * (4 + off()); }
};

Printed courier(const std::string& text, float x, float y, float size, int weight = 700)
{
    return {.text = text, .x = x, .y = y, .size = size, .weight = weight, .font = "Courier"};
}

TEST(PrintPageTest, SixLayouts)
{
    // Tables, pin offset (mm) and the x of each table's angle column, twips; the other
    // columns keep fixed distances from it, but for the ATDC heading of one offset table.
    const std::tuple<int, float, std::vector<float>> layouts[] = {
        {1, 0, {4750}},          {1, -0.5f, {4360}},         {2, 0, {2750, 6750}},
        {2, 0.5f, {2120, 6610}}, {3, 0, {1250, 4750, 8250}}, {3, -1.0f, {820, 4360, 7910}}};
    for (const auto& [tables, pinOffset, angleX] : layouts) {
        SCOPED_TRACE(::testing::Message() << tables << " tables, offset " << pinOffset);
        Job job{testing::buildPageContent({pinOffset, tables, kLayoutAngles})};
        // Placed by the stored value: row 5 is stored below 10 but reads "10.00"; row 48 holds 100.
        DisplayView& p = job.page;
        std::tie(p.data.DispBCol[1][5], p.dispBTexts[1][5], p.data.DispBCol[1][48],
                 p.dispBTexts[1][48]) = std::tuple(9.996f, "10.00", 100.0f, "100.00");
        const bool offset = pinOffset != 0;
        // Title, engine summary (lines 80 twips apart) and headings, all bold.
        std::vector<Printed> want{courier("Crank Angle/Piston Displacement Values", 3250, 600, 12),
                                  courier(" Engine: Test ", 900, 1104, 10)};
        want[0].underline = true;
        for (const std::string& caption :
             {p.strokeCaption, p.rodCaption, p.offsetCaption, offset ? p.bdcCaption : ""})
            if (!caption.empty())
                want.push_back(courier(caption, 1400, want.back().y + 300, 10));
        using Line = std::vector<std::pair<const char*, float>>; // text, x from the angle column
        const Line line1 = offset ? Line{{"Angle", 110}, {"Displacement (mm)", 1110}}
                                  : Line{{"Angle", 110}, {"Displacement", 950}};
        const Line line2 =
            offset ? Line{{"(deg)", 110}, {"BTDC", 1310}, {"ATDC", tables == 1 ? 2410 : 2400}}
                   : Line{{"(deg)", 110}, {"(mm)", 1430}};
        float y = want.back().y + 460;
        int weight = 700;
        const auto add = [&](const std::string& text, float x) {
            want.push_back(courier(text, x, y, 10, weight));
        };
        for (const Line* line : {&line1, &line2}) {
            for (const float a : angleX)
                for (const auto& [text, dx] : *line)
                    add(text, a + dx);
            y += line == &line1 ? 240 : 0;
        }
        // Row 0 and whole degrees 40 twips lower, others 20, a degree's first row 60 with two
        // offset tables. Bold: row 0, whole degrees, .25/.5/.75. Numbers 120 twips right per digit
        // fewer.
        const auto narrow = [](float v, float below) { return v < below ? 120.0f : 0.0f; };
        for (int r = 0; r < 49; ++r) {
            const int k = r % 12;
            weight = k % 3 == 0 ? 700 : 0;
            y += 220 + (k > 1 ? 20 : (k == 1 && tables == 2 && offset ? 60 : 40));
            for (int t = 1; t <= tables; ++t) {
                const float a = angleX[t - 1], angle = p.data.AngleCol[t][r];
                add(p.angleTexts[t][r], a + narrow(angle, 10) + narrow(angle, 100));
                add(p.dispBTexts[t][r],
                    a + (offset ? 1250 : 1320) + narrow(p.data.DispBCol[t][r], 10));
                if (offset)
                    add(p.dispATexts[t][r], a + 2340 + narrow(p.data.DispACol[t][r], 10));
            }
        }
        job.print();
        EXPECT_EQ(std::tuple(job.printer.endDocs, job.messages.shown.size()), std::tuple(1, 0u));
        ASSERT_EQ(job.printer.printed.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i)
            EXPECT_EQ(job.printer.printed[i], want[i]) << "text " << i;
    }
}

TEST(PrintPageTest, EngineLineHeightChoosesTheRowSize)
{
    for (const float engineLine : {228.0f, 229.0f, 228.5f}) {
        SCOPED_TRACE(engineLine);
        Job job{testing::buildPageContent({0.5f, 3, kLayoutAngles})};
        // Rows 22.6 twips a point high leave y between whole twips.
        job.printer.lineHeight = [&](float pt) { return pt == 10 ? engineLine : pt * 22.6f; };
        job.printer.setFontItalic(true); // left over from an earlier job
        job.print();
        const auto& printed = job.printer.printed;
        // Not italic; 9 points unless the engine line fits 228 twips; rows at whole twips.
        for (std::size_t i = 2; i < printed.size(); ++i)
            ASSERT_TRUE(!printed[i].italic &&
                        printed[i].size == (engineLine <= 228 ? 10.0f : 9.0f) &&
                        (i < job.firstRow() || printed[i].y == std::round(printed[i].y)))
                << printed[i].text << " at " << printed[i].y;
    }
}

TEST(PrintPageTest, OverflowStopsAfterARowInsideADegree)
{
    // Tables, a row ending `above` twips below the page limit, the last row printed. Row 0 and
    // whole degrees never overflow; only row 48 below the limit prints complete.
    const std::array<int, 4> cases[] = {{1, 30, 30, 1}, {3, 47, 47, 1}, {1, 36, 37, 1},
                                        {2, 0, 1, 1},   {1, 48, 48, 1}, {1, 30, 31, 0}};
    for (const auto& [tables, limitRow, lastRow, above] : cases) {
        SCOPED_TRACE(::testing::Message() << tables << " tables, row " << limitRow);
        Job tall{testing::buildPageContent({.tables = tables})}, job = tall;
        tall.printer.height = 100000;
        tall.print();
        const float rowTop = tall.printer.printed.at(tall.firstRow() + limitRow * tall.perRow()).y;
        job.printer.height = static_cast<int>(rowTop + 220) - above + 1000;
        job.printer.outcome = {false, "The printer did not accept the page."};
        const PrintOutcome outcome = job.print();
        EXPECT_EQ(job.printer.printed.size(), job.firstRow() + (lastRow + 1) * job.perRow());
        // Cut short or not, the printer's refusal reaches the caller.
        EXPECT_EQ(std::tuple(job.printer.endDocs, outcome.ok, outcome.reason),
                  std::tuple(1, false, job.printer.outcome.reason));
        ASSERT_EQ(job.messages.shown.size(), lastRow == 48 ? 0u : 1u);
        for (const auto& shown : job.messages.shown)
            EXPECT_EQ(
                std::tuple(shown.title, shown.prompt),
                std::tuple("Page Overflow Detected and Prevented",
                           "Please check the default Paper Size setting of your Printer.\r\n\r\n"
                           "Printer output is intended for A4 size paper sheet.\r\nThe " +
                               std::string(tables == 1 ? "Table" : "Tables") +
                               " to be printed will be incomplete.\r\n"));
    }
}

} // namespace
} // namespace crank
