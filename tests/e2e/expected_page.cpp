// Prints the page that the layout code computes for one display, as the
// end-to-end test needs it to check the PDF the program wrote.
//
//   expected_page NAME STROKE ROD OFFSET ANGLE1 [ANGLE2 [ANGLE3]]
//
// The arguments are the box texts as typed on the data entry screen; the
// number of angles is the number of tables. The same core steps as the
// display run on them (validation, ordering and spacing of the requests,
// the angle columns, the model, the engine summary, the displacements), and
// the page goes to a recording printer. Output: one line per printed text,
// "x<TAB>y<TAB>points<TAB>text", x and y in twips from the sheet's top-left
// corner. Exit status 2 for bad arguments or a geometry the display refuses,
// 3 when the page would overflow.

#include <cstdio>
#include <string>
#include <vector>

#include "entry/validation.h"
#include "model/crank_slider.h"
#include "model/number_format.h"
#include "model/numeric_text.h"
#include "tables/display_view.h"
#include "tables/print_page.h"
#include "tables/table_builder.h"

namespace {

using namespace crank;

// The page font (Liberation Mono standing in for Courier) advances a line by
// its ascent plus descent, 1705 + 615 units of a 2048-unit em.
constexpr double kLineSpacingPerEm = 2320.0 / 2048.0;
constexpr double kTwipsPerPoint = 20.0;
// An A4 sheet, 297 mm high.
constexpr int kA4HeightTwips = 16838;

class RecordingPrinter final : public PagePrinter {
public:
    void setFontName(const std::string&) override {}
    void setFontSize(float points) override { m_points = points; }
    void setFontWeight(int) override {}
    void setFontUnderline(bool) override {}
    void setFontItalic(bool) override {}
    void setFontStrikethrough(bool) override {}
    void setFontCharset(int) override {}
    float currentX() const override { return m_x; }
    void setCurrentX(float twips) override { m_x = twips; }
    float currentY() const override { return m_y; }
    void setCurrentY(float twips) override { m_y = twips; }
    int pageHeight() const override { return kA4HeightTwips; }
    void printLine(const std::string& text) override
    {
        std::printf("%.2f\t%.2f\t%g\t%s\n", double{m_x}, double{m_y}, double{m_points},
                    text.c_str());
        m_y += static_cast<float>(m_points * kTwipsPerPoint * kLineSpacingPerEm);
        m_x = 0.0f;
    }
    PrintOutcome endDoc() override { return {}; }

private:
    float m_points = 0.0f;
    float m_x = 0.0f;
    float m_y = 0.0f;
};

class CountingMessages final : public MessageBox {
public:
    void show(const std::string& prompt, const std::string& title) override
    {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), prompt.c_str());
        ++shown;
    }
    int shown = 0;
};

DisplayView buildPage(const std::vector<std::string>& texts)
{
    const std::string& name = texts[0];
    EngineState state;
    EngineGeometry& geometry = state.geometry;
    geometry.Stroke = static_cast<float>(ReadNumber(texts[1]));
    geometry.RodLength = static_cast<float>(ReadNumber(texts[2]));
    geometry.PinOffset = static_cast<float>(ReadNumber(texts[3]));
    geometry.OffsetNonZero = geometry.PinOffset != 0.0f;
    const int n = static_cast<int>(texts.size()) - 4;
    state.tables.NumTables = static_cast<std::int16_t>(n);
    for (int t = 1; t <= n; ++t) {
        state.tables.InitAngle[t] =
            static_cast<float>(RoundHalfEven(ReadNumber(texts[static_cast<size_t>(3 + t)])));
    }

    SortTableRequests(state.tables);
    FillAngleColumns(state.tables, state.data);
    CalcGeometry(geometry, state.model);
    const EngineSummary summary = MakeEngineSummary(name, texts[1], texts[2], texts[3], geometry);
    FillDisplacementColumns(geometry, state.model, n, state.data);

    DisplayView page;
    page.NumTables = state.tables.NumTables;
    page.OffsetNonZero = geometry.OffsetNonZero;
    page.engineCaption = summary.engine;
    page.strokeCaption = summary.stroke;
    page.rodCaption = summary.rod;
    page.offsetCaption = summary.offset;
    page.bdcCaption = summary.bdc;
    for (int t = 1; t <= n; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            page.angleTexts[t][r] = FormatNumber(state.data.AngleCol[t][r], AngleRowPattern(r));
            page.dispBTexts[t][r] = FormatNumber(state.data.DispBCol[t][r], NumberPattern::Two);
            page.dispATexts[t][r] = FormatNumber(state.data.DispACol[t][r], NumberPattern::Two);
        }
    }
    page.data = state.data;
    return page;
}

bool isAcceptedAngle(const std::string& text)
{
    if (text.empty() || !IsNumericText(text, true, false)) {
        return false;
    }
    const double angle = RoundHalfEven(ReadNumber(text));
    return angle >= 0.0 && angle <= kMaxTypedAngle;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> texts(argv + 1, argv + argc);
    if (texts.size() < 5 || texts.size() > 7) {
        std::fprintf(stderr, "usage: %s NAME STROKE ROD OFFSET ANGLE1 [ANGLE2 [ANGLE3]]\n",
                     argv[0]);
        return 2;
    }
    for (size_t i = 4; i < texts.size(); ++i) {
        if (!isAcceptedAngle(texts[i])) {
            std::fprintf(stderr, "the data entry screen refuses the angle \"%s\"\n",
                         texts[i].c_str());
            return 2;
        }
    }
    EngineGeometry typed;
    typed.Stroke = static_cast<float>(ReadNumber(texts[1]));
    typed.RodLength = static_cast<float>(ReadNumber(texts[2]));
    typed.PinOffset = static_cast<float>(ReadNumber(texts[3]));
    if (const auto failure = ValidateGeometry(typed)) {
        std::fprintf(stderr, "the display refuses this geometry: %s\n",
                     std::string(failure->message).c_str());
        return 2;
    }

    const DisplayView page = buildPage(texts);
    RecordingPrinter printer;
    CountingMessages messages;
    SetPrinterFont(printer);
    PrintTablesPage(page, printer, messages);
    return messages.shown == 0 ? 0 : 3;
}
