#pragma once

// The content of a tables screen built as a display builds it (stroke 46 mm, rod 100 mm, engine
// "Test") through the real model, table builder and formats; a printer recording what it prints.

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
    float offset = 0.0f;                                         // mm
    int tables = 1;                                              // 1 to 3
    std::array<float, kMaxTables + 1> initAngle{0, 77, 90, 120}; // degrees, index 1..3
};

inline PageContent buildPageContent(const PageRequest& q)
{
    const Engine e(46.0f, 100.0f, q.offset);
    const EngineSummary s = MakeEngineSummary(
        "Test", "46", "100", FormatNumber(q.offset, NumberPattern::UpToTwo), e.geometry);
    PageContent page;
    std::tie(page.NumTables, page.OffsetNonZero, page.engineCaption, page.strokeCaption,
             page.rodCaption, page.offsetCaption, page.bdcCaption) =
        std::tuple(std::int16_t(q.tables), e.geometry.OffsetNonZero, s.engine, s.stroke, s.rod,
                   s.offset, s.bdc);
    FillAngleColumns({.NumTables = page.NumTables, .InitAngle = q.initAngle}, page.data);
    FillDisplacementColumns(e.geometry, e.model, q.tables, page.data);
    const auto two = [](float v) { return FormatNumber(v, NumberPattern::Two); };
    for (int t = 1; t <= q.tables; ++t)
        for (int r = 0; r < kRowsPerTable; ++r) {
            page.angleTexts[t][r] = FormatNumber(page.data.AngleCol[t][r], AngleRowPattern(r));
            page.dispBTexts[t][r] = two(page.data.DispBCol[t][r]);
            page.dispATexts[t][r] = page.OffsetNonZero ? two(page.data.DispACol[t][r]) : "";
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
        *os << '"' << p.text << "\" " << p.x << ',' << p.y << ' ' << p.font << p.size << '/'
            << p.weight << '/' << p.underline << p.italic << p.struck;
    }
};

// Logs every text with position and font and passes every call on to `inner` if given. Alone it
// moves y by lineHeight(points) per line; font settings survive a job, as on a real printer.
struct RecordingPrinter final : PagePrinter {
    using P = PagePrinter;
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
        Printed& line = printed.emplace_back(m_f);
        std::tie(line.text, line.x, line.y) = std::tuple(text, currentX(), currentY());
        on(&P::printLine, text);
        m_f.y += m_inner ? 0 : lineHeight(m_f.size);
        m_f.x = 0;
    }
    PrintOutcome endDoc() override { return ++endDocs, m_inner ? m_inner->endDoc() : outcome; }
    template <class S, class V> void on(S s, const V& v) { m_inner ? (m_inner->*s)(v) : void(); }
    PagePrinter* m_inner;
    Printed m_f; // the font settings and, alone, the position
};

} // namespace crank::testing
