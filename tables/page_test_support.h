#pragma once

// Test support: the content of a tables screen built the way a display
// builds it, through the real model, table builder and number formats, and a
// printer that records what the page prints.

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "model/engine_test_support.h"
#include "platform/page_printer.h"
#include "tables/page_content.h"
#include "tables/table_builder.h"

namespace crank::testing {

struct PageRequest {
    float stroke = 46.0f, rod = 100.0f, offset = 0.0f;           // mm
    int tables = 1;                                              // 1 to 3
    std::array<float, kMaxTables + 1> initAngle{0, 77, 90, 120}; // degrees, index 1..3
    std::string engineName = "Test";
};

inline PageContent buildPageContent(const PageRequest& q)
{
    const Engine e(q.stroke, q.rod, q.offset);
    PageContent page;
    page.NumTables = static_cast<std::int16_t>(q.tables);
    page.OffsetNonZero = e.geometry.OffsetNonZero;
    const auto mm = [](float v) { return FormatNumber(v, NumberPattern::UpToTwo); };
    const EngineSummary s =
        MakeEngineSummary(q.engineName, mm(q.stroke), mm(q.rod), mm(q.offset), e.geometry);
    std::tie(page.engineCaption, page.strokeCaption, page.rodCaption, page.offsetCaption,
             page.bdcCaption) = std::tie(s.engine, s.stroke, s.rod, s.offset, s.bdc);
    FillAngleColumns({.NumTables = page.NumTables, .InitAngle = q.initAngle}, page.data);
    FillDisplacementColumns(e.geometry, e.model, q.tables, page.data);
    for (int t = 1; t <= q.tables; ++t) {
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
    bool underline = false, italic = false, struck = false;
    std::string font;
    friend bool operator==(const Printed&, const Printed&) = default;
    friend void PrintTo(const Printed& p, std::ostream* os)
    {
        *os << '"' << p.text << "\" at " << p.x << ", " << p.y << ", " << p.font << ' ' << p.size
            << " pt, weight " << p.weight << ", underline/italic/struck " << p.underline << p.italic
            << p.struck;
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
    int height = 16838, endDocs = 0; // A4, twips
    std::vector<Printed> printed;
    PrintOutcome outcome; // what ending the document reports when alone

    void setFontName(const std::string& v) override { on(&P::setFontName, m_f.font = v); }
    void setFontSize(float v) override { on(&P::setFontSize, m_f.size = v); }
    void setFontWeight(int v) override { on(&P::setFontWeight, m_f.weight = v); }
    void setFontUnderline(bool v) override { on(&P::setFontUnderline, m_f.underline = v); }
    void setFontItalic(bool v) override { on(&P::setFontItalic, m_f.italic = v); }
    void setFontStrikethrough(bool v) override { on(&P::setFontStrikethrough, m_f.struck = v); }
    void setFontCharset(int v) override { on(&P::setFontCharset, v); }
    float currentX() const override { return m_inner ? m_inner->currentX() : m_f.x; }
    void setCurrentX(float v) override { on(&P::setCurrentX, m_f.x = v); }
    float currentY() const override { return m_inner ? m_inner->currentY() : m_f.y; }
    void setCurrentY(float v) override { on(&P::setCurrentY, m_f.y = v); }
    int pageHeight() const override { return m_inner ? m_inner->pageHeight() : height; }
    void printLine(const std::string& text) override
    {
        printed.push_back(m_f);
        std::tie(printed.back().text, printed.back().x, printed.back().y) =
            std::tuple(text, currentX(), currentY());
        on(&P::printLine, text);
        m_f.y += m_inner ? 0 : lineHeight(m_f.size);
        m_f.x = 0;
    }
    PrintOutcome endDoc() override { return ++endDocs, m_inner ? m_inner->endDoc() : outcome; }

private:
    template <typename Setter, typename Value> void on(Setter setter, const Value& value)
    {
        if (m_inner) {
            (m_inner->*setter)(value);
        }
    }
    PagePrinter* m_inner;
    Printed m_f; // the font settings and, alone, the position
};

} // namespace crank::testing
