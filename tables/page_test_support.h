#pragma once

// Test support: the content of a tables screen built the way a display
// builds it, through the real model, table builder and number formats, and a
// printer that records what the page prints.

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "model/crank_slider.h"
#include "platform/page_printer.h"
#include "tables/page_content.h"
#include "tables/table_builder.h"

namespace crank::testing {

struct PageRequest {
    float stroke = 46.0f;                                        // mm
    float rod = 100.0f;                                          // mm
    float offset = 0.0f;                                         // mm
    int tables = 1;                                              // 1 to 3
    std::array<float, kMaxTables + 1> initAngle{0, 77, 90, 120}; // degrees, index 1..3
    std::string engineName = "Test";
};

inline PageContent buildPageContent(const PageRequest& request)
{
    EngineGeometry geometry{.Stroke = request.stroke,
                            .RodLength = request.rod,
                            .PinOffset = request.offset,
                            .OffsetNonZero = request.offset != 0.0f};
    CrankModel model;
    CalcGeometry(geometry, model);
    PageContent page;
    page.NumTables = static_cast<std::int16_t>(request.tables);
    page.OffsetNonZero = geometry.OffsetNonZero;
    const auto text = [](float mm) { return FormatNumber(mm, NumberPattern::UpToTwo); };
    const EngineSummary summary =
        MakeEngineSummary(request.engineName, text(request.stroke), text(request.rod),
                          text(request.offset), geometry);
    page.engineCaption = summary.engine;
    page.strokeCaption = summary.stroke;
    page.rodCaption = summary.rod;
    page.offsetCaption = summary.offset;
    page.bdcCaption = summary.bdc;
    const TableSpec requests{.NumTables = page.NumTables, .InitAngle = request.initAngle};
    FillAngleColumns(requests, page.data);
    FillDisplacementColumns(geometry, model, request.tables, page.data);
    for (int t = 1; t <= request.tables; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            page.angleTexts[t][r] = FormatNumber(page.data.AngleCol[t][r], AngleRowPattern(r));
            page.dispBTexts[t][r] = FormatNumber(page.data.DispBCol[t][r], NumberPattern::Two);
            if (page.OffsetNonZero) {
                page.dispATexts[t][r] = FormatNumber(page.data.DispACol[t][r], NumberPattern::Two);
            }
        }
    }
    return page;
}

struct Printed {
    std::string text;
    float x = 0, y = 0, size = 0;
    int weight = 0;
    bool underline = false, italic = false, strikethrough = false;
    std::string font;
    friend bool operator==(const Printed&, const Printed&) = default;
    friend void PrintTo(const Printed& p, std::ostream* os)
    {
        *os << '"' << p.text << "\" at " << p.x << ", " << p.y << ", " << p.font << ' ' << p.size
            << " pt, weight " << p.weight << (p.underline ? ", underlined" : "")
            << (p.italic ? ", italic" : "") << (p.strikethrough ? ", struck through" : "");
    }
};

// Logs every text with its position and font, and passes every call on to
// `inner` when given one. Alone it moves y by lineHeight(points) per line; its
// font settings survive from one job to the next, as on a real printer.
class RecordingPrinter final : public PagePrinter {
    using P = PagePrinter;

public:
    explicit RecordingPrinter(PagePrinter* inner = nullptr) : m_inner(inner) {}
    std::function<float(float)> lineHeight = [](float points) { return points * 22.0f; };
    int height = 16838; // A4, twips
    std::vector<Printed> printed;
    int endDocs = 0;
    PrintOutcome outcome; // what ending the document reports when alone

    void setFontName(const std::string& v) override { to(&P::setFontName, m_f.font = v); }
    void setFontSize(float v) override { to(&P::setFontSize, m_f.size = v); }
    void setFontWeight(int v) override { to(&P::setFontWeight, m_f.weight = v); }
    void setFontUnderline(bool v) override { to(&P::setFontUnderline, m_f.underline = v); }
    void setFontItalic(bool v) override { to(&P::setFontItalic, m_f.italic = v); }
    void setFontStrikethrough(bool v) override
    {
        to(&P::setFontStrikethrough, m_f.strikethrough = v);
    }
    void setFontCharset(int v) override { to(&P::setFontCharset, v); }
    float currentX() const override { return m_inner ? m_inner->currentX() : m_f.x; }
    void setCurrentX(float v) override { to(&P::setCurrentX, m_f.x = v); }
    float currentY() const override { return m_inner ? m_inner->currentY() : m_f.y; }
    void setCurrentY(float v) override { to(&P::setCurrentY, m_f.y = v); }
    int pageHeight() const override { return m_inner ? m_inner->pageHeight() : height; }
    void printLine(const std::string& text) override
    {
        printed.push_back(m_f);
        printed.back().text = text;
        printed.back().x = currentX();
        printed.back().y = currentY();
        if (m_inner) {
            m_inner->printLine(text);
        } else {
            m_f.y += lineHeight(m_f.size);
            m_f.x = 0;
        }
    }
    PrintOutcome endDoc() override
    {
        ++endDocs;
        return m_inner ? m_inner->endDoc() : outcome;
    }

private:
    template <typename Setter, typename Value> void to(Setter setter, Value value)
    {
        if (m_inner) {
            (m_inner->*setter)(value);
        }
    }
    PagePrinter* m_inner;
    Printed m_f; // the font settings and, alone, the position
};

} // namespace crank::testing
