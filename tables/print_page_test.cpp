#include "tables/print_page.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "tables/number_format.h"
#include "tables/page_test_support.h"
#include "tables/test_doubles.h"

namespace crank {
namespace {

using testing::buildPageContent;
using testing::PageRequest;

struct Printed {
    std::string text;
    float x = 0;
    float y = 0;
    float size = 0;
    int weight = 0;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;
    std::string font;
    friend bool operator==(const Printed&, const Printed&) = default;
};

// Logs every text with its position and font. Font settings survive from one
// job to the next, as on a real printer.
class RecordingPrinter final : public PagePrinter {
public:
    std::function<float(float)> lineHeight = [](float points) { return points * 22.0f; };
    int height = 16838; // A4, twips
    std::vector<Printed> printed;
    int endDocs = 0;
    PrintOutcome outcome; // what ending the document reports

    void setFontName(const std::string& name) override { m_font.font = name; }
    void setFontSize(float points) override { m_font.size = points; }
    void setFontWeight(int weight) override { m_font.weight = weight; }
    void setFontUnderline(bool on) override { m_font.underline = on; }
    void setFontItalic(bool on) override { m_font.italic = on; }
    void setFontStrikethrough(bool on) override { m_font.strikethrough = on; }
    void setFontCharset(int) override {}
    float currentX() const override { return m_x; }
    void setCurrentX(float twips) override { m_x = twips; }
    float currentY() const override { return m_y; }
    void setCurrentY(float twips) override { m_y = twips; }
    int pageHeight() const override { return height; }
    void printLine(const std::string& text) override
    {
        Printed p = m_font;
        p.text = text;
        p.x = m_x;
        p.y = m_y;
        printed.push_back(p);
        m_y += lineHeight(m_font.size);
        m_x = 0;
    }
    PrintOutcome endDoc() override
    {
        ++endDocs;
        return outcome;
    }

private:
    Printed m_font;
    float m_x = 0;
    float m_y = 0;
};

struct Job {
    RecordingPrinter printer;
    RecordingMessageBox messages;
    PageContent content;

    explicit Job(const PageRequest& request) : content(buildPageContent(request)) {}
    PrintOutcome print()
    {
        SetPrinterFont(printer);
        return PrintTablesPage(content, printer, messages);
    }
    // Index of the first text of the rows: after the title, the engine
    // summary and two heading lines.
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

TEST(PrintPageTest, TitleAndEngineSummary)
{
    for (const float offset : {0.0f, -0.5f}) {
        SCOPED_TRACE(offset);
        Job job({.offset = offset, .engineName = "Shop 125"});
        job.print();
        const auto bold = [](std::string text, float x, float y, float size) {
            return Printed{std::move(text), x, y, size, 700, false, false, false, "Courier"};
        };
        std::vector<Printed> expected{
            bold("Crank Angle/Piston Displacement Values", 3250, 600, 12),
            bold(" Engine: Shop 125 ", 900, 600 + 12 * 22 + 240, 10),
            bold("Stroke (mm): 46", 1400, 0, 10),
            bold("Connecting Rod Length (mm): 100", 1400, 0, 10),
            bold(offset == 0 ? "Gudgeon Pin Offset (mm): 0" : "Gudgeon Pin Offset (mm): -0.5", 1400,
                 0, 10)};
        expected[0].underline = true;
        if (offset != 0) {
            expected.push_back(bold("Crank Angle at BDC (degrees ATDC): 179.86", 1400, 0, 10));
        }
        for (std::size_t i = 0; i < expected.size(); ++i) {
            Printed& e = expected[i];
            if (i >= 2) {
                e.y = expected[i - 1].y + 220 + 80; // summary lines 80 twips apart
            }
            EXPECT_EQ(job.printer.printed.at(i), e) << e.text;
        }
        EXPECT_EQ(job.printer.printed.at(expected.size()).text, "Angle");
        EXPECT_EQ(job.printer.endDocs, 1);
        EXPECT_TRUE(job.messages.shown.empty());
    }
}

TEST(PrintPageTest, EngineLineHeightChoosesTheRowSize)
{
    struct Case {
        float engineLineHeight;
        float rowSize;
    };
    for (const Case c : {Case{228, 10}, Case{229, 9}, Case{228.5f, 9}}) {
        SCOPED_TRACE(c.engineLineHeight);
        Job job({});
        job.printer.lineHeight = [&c](float points) {
            return points == 10 ? c.engineLineHeight : points * 20;
        };
        job.print();
        for (std::size_t i = 2; i < job.printer.printed.size(); ++i) {
            ASSERT_EQ(job.printer.printed[i].size, c.rowSize) << job.printer.printed[i].text;
        }
    }
}

struct ColumnX {
    int angle;
    int btdcWide, btdcNarrow;
    int atdcWide = 0, atdcNarrow = 0;
};
struct Heading {
    const char* text;
    float x;
};
struct LayoutCase {
    int tables;
    float offset;
    std::vector<Heading> line1;
    std::vector<Heading> line2;
    std::vector<ColumnX> columns;
};

// clang-format off
const std::vector<LayoutCase>& layoutCases()
{
    static const std::vector<LayoutCase> cases{
        {1, 0, {{"Angle", 4860}, {"Displacement", 5700}},
               {{"(deg)", 4860}, {"(mm)", 6180}},
               {{4750, 6070, 6190}}},
        {1, -0.5f, {{"Angle", 4470}, {"Displacement (mm)", 5470}},
                   {{"(deg)", 4470}, {"BTDC", 5670}, {"ATDC", 6770}},
                   {{4360, 5610, 5730, 6700, 6820}}},
        {2, 0, {{"Angle", 2860}, {"Displacement", 3700}, {"Angle", 6860}, {"Displacement", 7700}},
               {{"(deg)", 2860}, {"(mm)", 4180}, {"(deg)", 6860}, {"(mm)", 8180}},
               {{2750, 4070, 4190}, {6750, 8070, 8190}}},
        {2, 0.5f, {{"Angle", 2230}, {"Displacement (mm)", 3230},
                   {"Angle", 6720}, {"Displacement (mm)", 7720}},
                  {{"(deg)", 2230}, {"BTDC", 3430}, {"ATDC", 4520},
                   {"(deg)", 6720}, {"BTDC", 7920}, {"ATDC", 9010}},
                  {{2120, 3370, 3490, 4460, 4580}, {6610, 7860, 7980, 8950, 9070}}},
        {3, 0, {{"Angle", 1360}, {"Displacement", 2200}, {"Angle", 4860},
                {"Displacement", 5700}, {"Angle", 8360}, {"Displacement", 9200}},
               {{"(deg)", 1360}, {"(mm)", 2680}, {"(deg)", 4860}, {"(mm)", 6180},
                {"(deg)", 8360}, {"(mm)", 9680}},
               {{1250, 2570, 2690}, {4750, 6070, 6190}, {8250, 9570, 9690}}},
        {3, -1.0f, {{"Angle", 930}, {"Displacement (mm)", 1930}, {"Angle", 4470},
                    {"Displacement (mm)", 5470}, {"Angle", 8020}, {"Displacement (mm)", 9020}},
                   {{"(deg)", 930}, {"BTDC", 2130}, {"ATDC", 3220},
                    {"(deg)", 4470}, {"BTDC", 5670}, {"ATDC", 6760},
                    {"(deg)", 8020}, {"BTDC", 9220}, {"ATDC", 10310}},
                   {{820, 2070, 2190, 3160, 3280}, {4360, 5610, 5730, 6700, 6820},
                    {7910, 9160, 9280, 10250, 10370}}},
    };
    return cases;
}
// clang-format on

// Tables from 8, 96 and 150 degrees: the angles grow a digit at row 24 (10)
// and at row 48 (100) of the first two.
constexpr std::array<float, 4> kLayoutAngles{0, 8, 96, 150};

int expectedAngleShift(int table, int row)
{
    if (table == 1) {
        return row < 24 ? 240 : 120;
    }
    return table == 2 && row < 48 ? 120 : 0;
}

TEST(PrintPageTest, SixLayouts)
{
    for (const LayoutCase& c : layoutCases()) {
        SCOPED_TRACE(::testing::Message() << c.tables << " tables, offset " << c.offset);
        Job job({.offset = c.offset, .tables = c.tables, .initAngle = kLayoutAngles});
        job.print();
        const auto& p = job.printer.printed;
        ASSERT_EQ(p.size(), job.firstRowText() + 49 * job.textsPerRow());

        std::size_t i = job.firstRowText() - c.line1.size() - c.line2.size();
        const float line1Y = p.at(i).y;
        EXPECT_EQ(line1Y, std::round(line1Y));
        for (const auto& [line, y] :
             {std::pair{&c.line1, line1Y}, std::pair{&c.line2, line1Y + 220 + 20}}) {
            for (const Heading& h : *line) {
                EXPECT_EQ(p.at(i).text, h.text);
                EXPECT_EQ(p.at(i).x, h.x) << h.text;
                EXPECT_EQ(p.at(i).y, y) << h.text;
                EXPECT_EQ(p.at(i).weight, 700);
                ++i;
            }
        }

        // Row gaps: 40 above row 0, each whole degree and the first row of a
        // degree (60 with two offset tables), 20 above the others.
        const float firstInDegree = c.tables == 2 && c.offset != 0 ? 60 : 40;
        float above = p.at(job.firstRowText() - 1).y;
        const PageContent& content = job.content;
        for (int r = 0; r < 49; ++r) {
            SCOPED_TRACE(r);
            const float rowY = job.cell(r, 0).y;
            const int k = r % 12;
            EXPECT_EQ(rowY - (above + 220), k == 0 ? 40 : (k == 1 ? firstInDegree : 20));
            above = rowY;
            const bool bold = k == 0 || k == 3 || k == 6 || k == 9;
            for (std::size_t col = 0; col < job.textsPerRow(); ++col) {
                EXPECT_EQ(job.cell(r, col).weight, bold ? 700 : 0);
                EXPECT_EQ(job.cell(r, col).size, 10);
                EXPECT_FALSE(job.cell(r, col).underline);
            }
            std::size_t col = 0;
            for (int t = 1; t <= c.tables; ++t) {
                const ColumnX& x = c.columns.at(static_cast<std::size_t>(t - 1));
                const Printed& angle = job.cell(r, col++);
                EXPECT_EQ(angle.text, content.angleTexts[t][r]);
                EXPECT_EQ(angle.x, x.angle + expectedAngleShift(t, r));
                const Printed& btdc = job.cell(r, col++);
                EXPECT_EQ(btdc.text, content.dispBTexts[t][r]);
                EXPECT_EQ(btdc.x, content.data.DispBCol[t][r] >= 10 ? x.btdcWide : x.btdcNarrow);
                EXPECT_EQ(btdc.y, rowY);
                if (c.offset != 0) {
                    const Printed& atdc = job.cell(r, col++);
                    EXPECT_EQ(atdc.text, content.dispATexts[t][r]);
                    EXPECT_EQ(atdc.x,
                              content.data.DispACol[t][r] >= 10 ? x.atdcWide : x.atdcNarrow);
                    EXPECT_EQ(atdc.y, rowY);
                }
            }
        }
    }
}

TEST(PrintPageTest, DisplacementPlacedByStoredValue)
{
    // A long stroke gives displacements of 100 mm and more; one value is
    // stored just below 10 though its text reads "10.00".
    Job job({.stroke = 250, .rod = 500, .initAngle = {0, 0, 0, 0}});
    const float justBelowTen = 9.996f;
    job.content.data.DispBCol[1][5] = justBelowTen;
    job.content.dispBTexts[1][5] = FormatNumber(justBelowTen, NumberPattern::Two);
    ASSERT_EQ(job.content.dispBTexts[1][5], "10.00");
    ASSERT_LT(job.content.data.DispBCol[1][1], 10.0f);
    job.content.data.DispBCol[1][48] = 100.0f;
    job.content.dispBTexts[1][48] = "100.00";
    job.content.data.DispBCol[1][47] = 10.0f;
    job.print();
    struct Case {
        int row;
        float x;
    };
    for (const Case c : {Case{1, 6190}, Case{5, 6190}, Case{47, 6070}, Case{48, 6070}}) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(job.cell(c.row, 1).x, c.x);
    }
    Job longStroke({.stroke = 250, .rod = 500, .initAngle = {0, 96, 0, 0}});
    longStroke.print();
    ASSERT_GE(longStroke.content.data.DispBCol[1][0], 100.0f);
    EXPECT_EQ(longStroke.cell(0, 1).x, 6070);
}

// Bottom of each row (twips) on a page tall enough for all of them.
std::vector<float> rowBottoms(const PageRequest& request)
{
    Job job(request);
    job.printer.height = 100000;
    job.print();
    std::vector<float> bottoms;
    for (int r = 0; r < 49; ++r) {
        bottoms.push_back(job.cell(r, 0).y + 220);
    }
    return bottoms;
}

TEST(PrintPageTest, OverflowStopsAfterARowInsideADegree)
{
    const std::string oneTable = "Please check the default Paper Size setting of your Printer.\r\n"
                                 "\r\n"
                                 "Printer output is intended for A4 size paper sheet.\r\n"
                                 "The Table to be printed will be incomplete.\r\n";
    std::string severalTables = oneTable;
    severalTables.replace(severalTables.find("The Table "), 10, "The Tables ");

    struct Case {
        int tables;
        int limitBelowRow; // the page limit lies `above` twips above this row's bottom
        int lastRow;
        bool message;
        int above = 1;
    };
    const Case cases[] = {
        {1, 30, 30, true},    {2, 30, 30, true},
        {3, 1, 1, true},      {1, 36, 37, true},  // whole-degree rows are not tested
        {2, 0, 1, true},                          // nor is row 0
        {3, 47, 47, true},    {1, 48, 48, false}, // only row 48 below: complete, no message
        {1, 30, 31, true, 0}, // a row ending exactly on the limit is still inside
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.tables << " tables, row " << c.limitBelowRow);
        const PageRequest request{.tables = c.tables};
        const float bottom = rowBottoms(request)[static_cast<std::size_t>(c.limitBelowRow)];
        Job job(request);
        job.printer.height = static_cast<int>(bottom) - c.above + 1000;
        job.print();
        EXPECT_EQ(job.printer.printed.size() - job.firstRowText(),
                  static_cast<std::size_t>(c.lastRow + 1) * job.textsPerRow());
        EXPECT_EQ(job.printer.endDocs, 1);
        if (c.message) {
            ASSERT_EQ(job.messages.shown.size(), 1u);
            EXPECT_EQ(job.messages.shown[0].title, "Page Overflow Detected and Prevented");
            EXPECT_EQ(job.messages.shown[0].prompt, c.tables == 1 ? oneTable : severalTables);
        } else {
            EXPECT_TRUE(job.messages.shown.empty());
        }
    }
}

TEST(PrintPageTest, TwoPrintsGiveTheSamePage)
{
    Job job({.offset = 0.5f, .tables = 3, .initAngle = kLayoutAngles});
    // A tall 10-point engine line sends the rows to 9 points, whose line
    // height leaves y between whole twips. Settings left over from the first
    // job would change the second.
    job.printer.lineHeight = [](float points) { return points == 10 ? 229 : points * 22.6f; };
    job.printer.setFontUnderline(true);
    job.printer.setFontItalic(true);
    job.print();
    const std::vector<Printed> first = job.printer.printed;
    job.printer.printed.clear();
    job.print();
    EXPECT_EQ(job.printer.printed, first);
    EXPECT_FALSE(first.at(2).italic);
    for (int r = 0; r < 49; ++r) {
        SCOPED_TRACE(r);
        const float y = job.cell(r, 0).y; // every text of a row at one whole twip
        EXPECT_EQ(y, std::round(y));
        for (std::size_t col = 1; col < job.textsPerRow(); ++col) {
            EXPECT_EQ(job.cell(r, col).y, y);
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
