#include "tables/print_page.h"

#include <array>
#include <cstdint>

#include "model/numeric_text.h"
#include "tables/table_builder.h"

namespace crank {
namespace {

// One heading text and its x, twips. An entry without text is unused.
struct HeadingText {
    const char* text = nullptr;
    int x = 0;
};

// A displacement column's two x positions, twips: the first for a value of
// 10 mm or more, the second, one 10-point character (120 twips) further
// right, for a value below 10 mm, so that the decimal points line up.
struct DisplacementX {
    int wide = 0;
    int narrow = 0;
};

// The x positions of one table's columns, twips. atdc is used only with a
// non-zero pin offset.
struct TableX {
    int angle = 0;
    DisplacementX btdc;
    DisplacementX atdc;
};

// One fixed layout of the page, for a number of tables and an offset case.
struct PageLayout {
    std::array<HeadingText, 6> headings1;
    std::array<HeadingText, 9> headings2;
    std::array<TableX, kMaxTables> tables;
};

constexpr const char* kAngle = "Angle";
constexpr const char* kDeg = "(deg)";
constexpr const char* kDisp = "Displacement";
constexpr const char* kDispMm = "Displacement (mm)";
constexpr const char* kMm = "(mm)";
constexpr const char* kBtdc = "BTDC";
constexpr const char* kAtdc = "ATDC";

// The six layouts, indexed by [number of tables - 1][offset non-zero]: the
// two heading lines, then per table the angle x and the displacement pairs.
// clang-format off
constexpr std::array<std::array<PageLayout, 2>, kMaxTables> kLayouts{{
    {{
        {{{{kAngle, 4860}, {kDisp, 5700}}},
          {{{kDeg, 4860}, {kMm, 6180}}},
          {{{4750, {6070, 6190}, {}}}}},
        {{{{kAngle, 4470}, {kDispMm, 5470}}},
          {{{kDeg, 4470}, {kBtdc, 5670}, {kAtdc, 6770}}},
          {{{4360, {5610, 5730}, {6700, 6820}}}}},
    }},
    {{
        {{{{kAngle, 2860}, {kDisp, 3700}, {kAngle, 6860}, {kDisp, 7700}}},
          {{{kDeg, 2860}, {kMm, 4180}, {kDeg, 6860}, {kMm, 8180}}},
          {{{2750, {4070, 4190}, {}}, {6750, {8070, 8190}, {}}}}},
        {{{{kAngle, 2230}, {kDispMm, 3230}, {kAngle, 6720}, {kDispMm, 7720}}},
          {{{kDeg, 2230}, {kBtdc, 3430}, {kAtdc, 4520},
            {kDeg, 6720}, {kBtdc, 7920}, {kAtdc, 9010}}},
          {{{2120, {3370, 3490}, {4460, 4580}}, {6610, {7860, 7980}, {8950, 9070}}}}},
    }},
    {{
        {{{{kAngle, 1360}, {kDisp, 2200}, {kAngle, 4860}, {kDisp, 5700},
            {kAngle, 8360}, {kDisp, 9200}}},
          {{{kDeg, 1360}, {kMm, 2680}, {kDeg, 4860}, {kMm, 6180}, {kDeg, 8360}, {kMm, 9680}}},
          {{{1250, {2570, 2690}, {}}, {4750, {6070, 6190}, {}}, {8250, {9570, 9690}, {}}}}},
        {{{{kAngle, 930}, {kDispMm, 1930}, {kAngle, 4470}, {kDispMm, 5470},
            {kAngle, 8020}, {kDispMm, 9020}}},
          {{{kDeg, 930}, {kBtdc, 2130}, {kAtdc, 3220},
            {kDeg, 4470}, {kBtdc, 5670}, {kAtdc, 6760},
            {kDeg, 8020}, {kBtdc, 9220}, {kAtdc, 10310}}},
          {{{820, {2070, 2190}, {3160, 3280}},
            {4360, {5610, 5730}, {6700, 6820}},
            {7910, {9160, 9280}, {10250, 10370}}}}},
    }},
}};
// clang-format on

constexpr const char* kTitle = "Crank Angle/Piston Displacement Values";
constexpr int kWeightDefault = 0;
constexpr int kWeightBold = 700;
// An engine line taller than this (twips) means the 10-point font runs large
// on this printer, and the rest of the page drops to 9 points.
constexpr float kMaxLineHeight10 = 228.0f;
// Distance kept free above the bottom of the sheet, twips.
constexpr int kBottomReserve = 1000;
constexpr int kRowsPerDegree = 12;
constexpr int kDegreesPerTable = 4;

// A layout's table count: 1, 2, and anything else as 3.
int layoutTables(std::int16_t numTables)
{
    return numTables == 1 || numTables == 2 ? numTables : kMaxTables;
}

// Angles right-align in their column: one character in for each digit fewer
// than three.
int angleX(int base, float angle)
{
    if (angle < 10.0f) {
        return base + 240;
    }
    if (angle < 100.0f) {
        return base + 120;
    }
    return base;
}

int displacementX(const DisplacementX& x, float value)
{
    return value >= 10.0f ? x.wide : x.narrow;
}

// y rounded to a whole twip, as the top of a printed line.
float lineTop(const PagePrinter& printer)
{
    return static_cast<float>(static_cast<std::int16_t>(RoundHalfEven(printer.currentY())));
}

void printAt(PagePrinter& printer, int x, float y, const std::string& text)
{
    printer.setCurrentX(static_cast<float>(x));
    printer.setCurrentY(y);
    printer.printLine(text);
}

void printHeadingLine(PagePrinter& printer, const auto& headings)
{
    const float top = lineTop(printer);
    for (const HeadingText& heading : headings) {
        if (heading.text != nullptr) {
            printAt(printer, heading.x, top, heading.text);
        }
    }
}

class RowPrinter {
public:
    RowPrinter(const DisplayView& content, PagePrinter& printer)
        : m_content(content), m_printer(printer),
          m_layout(kLayouts[layoutTables(content.NumTables) - 1][content.OffsetNonZero ? 1 : 0]),
          m_tables(layoutTables(content.NumTables))
    {
    }

    // The angle x of every table for the rows from r to the next whole degree.
    void takeAngleX(int r)
    {
        for (int t = 1; t <= m_tables; ++t) {
            m_angleX[t - 1] = angleX(m_layout.tables[t - 1].angle, m_content.data.AngleCol[t][r]);
        }
    }

    void printRow(int r)
    {
        const float top = lineTop(m_printer);
        const TableData& data = m_content.data;
        for (int t = 1; t <= m_tables; ++t) {
            const TableX& x = m_layout.tables[t - 1];
            printAt(m_printer, m_angleX[t - 1], top, m_content.angleTexts[t][r]);
            printAt(m_printer, displacementX(x.btdc, data.DispBCol[t][r]), top,
                    m_content.dispBTexts[t][r]);
            if (m_content.OffsetNonZero) {
                printAt(m_printer, displacementX(x.atdc, data.DispACol[t][r]), top,
                        m_content.dispATexts[t][r]);
            }
        }
    }

    const PageLayout& layout() const { return m_layout; }
    // Two offset tables are spread wider, and each degree's block is set off
    // by 40 twips instead of 20.
    float blockGap() const { return m_tables == 2 && m_content.OffsetNonZero ? 40.0f : 20.0f; }

private:
    const DisplayView& m_content;
    PagePrinter& m_printer;
    const PageLayout& m_layout;
    int m_tables;
    std::array<int, kMaxTables> m_angleX{};
};

void advance(PagePrinter& printer, float twips)
{
    printer.setCurrentY(printer.currentY() + twips);
}

std::string overflowMessage(std::int16_t numTables)
{
    return std::string("Please check the default Paper Size setting of your Printer.\r\n") +
           "\r\n" + "Printer output is intended for A4 size paper sheet.\r\n" +
           (numTables == 1 ? "The Table to be printed will be incomplete.\r\n"
                           : "The Tables to be printed will be incomplete.\r\n");
}

// Prints the rows; false when they were stopped to keep them on the page.
bool printRows(RowPrinter& rows, PagePrinter& printer, float pageLimit)
{
    advance(printer, 40.0f);
    rows.takeAngleX(0);
    rows.printRow(0);
    for (int b = 0; b < kDegreesPerTable; ++b) {
        advance(printer, rows.blockGap());
        for (int k = 1; k < kRowsPerDegree; ++k) {
            const bool quarter = k == 3 || k == 6 || k == 9;
            printer.setFontWeight(quarter ? kWeightBold : kWeightDefault);
            advance(printer, 20.0f);
            rows.printRow(kRowsPerDegree * b + k);
            if (printer.currentY() > pageLimit) {
                return false;
            }
        }
        const int whole = kRowsPerDegree * (b + 1);
        rows.takeAngleX(whole);
        printer.setFontWeight(kWeightBold);
        advance(printer, 40.0f);
        rows.printRow(whole);
    }
    return true;
}

} // namespace

void SetPrinterFont(PagePrinter& printer)
{
    printer.setFontName("Courier");
    printer.setFontSize(8.0f);
    printer.setFontCharset(0);
    printer.setFontWeight(400);
    printer.setFontUnderline(false);
    printer.setFontItalic(false);
    printer.setFontStrikethrough(false);
}

PrintOutcome PrintTablesPage(const DisplayView& content, PagePrinter& printer, MessageBox& messages)
{
    SetPrinterFont(printer);
    const auto pageLimit = static_cast<float>(printer.pageHeight() - kBottomReserve);

    printer.setFontSize(12.0f);
    printer.setFontWeight(kWeightBold);
    printer.setCurrentX(3250.0f);
    printer.setCurrentY(600.0f);
    printer.setFontUnderline(true);
    printer.printLine(kTitle);
    printer.setFontUnderline(false);
    // Still bold: the summary, the headings and row 0 print bold.
    printer.setFontSize(10.0f);

    printer.setCurrentX(900.0f);
    advance(printer, 240.0f);
    const float engineTop = printer.currentY();
    const EngineSummary summary = MakeEngineSummary(content.engine);
    printer.printLine(summary.engine);
    if (printer.currentY() - engineTop > kMaxLineHeight10) {
        printer.setFontSize(9.0f);
    }

    const auto printSummaryLine = [&printer](const std::string& caption) {
        advance(printer, 80.0f);
        printer.setCurrentX(1400.0f);
        printer.printLine(caption);
    };
    printSummaryLine(summary.stroke);
    printSummaryLine(summary.rod);
    printSummaryLine(summary.offset);
    if (summary.showBdc) {
        printSummaryLine(summary.bdc);
    }

    advance(printer, 240.0f);
    RowPrinter rows(content, printer);
    printHeadingLine(printer, rows.layout().headings1);
    advance(printer, 20.0f);
    printHeadingLine(printer, rows.layout().headings2);

    if (!printRows(rows, printer, pageLimit)) {
        messages.show(overflowMessage(content.NumTables), kOverflowTitle);
    }
    return printer.endDoc();
}

} // namespace crank
