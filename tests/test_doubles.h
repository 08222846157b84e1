#pragma once

// Recording stand-ins for the side-effect interfaces, one per interface: what would have been
// shown in a message box, printed on a page, or handed to the print command.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/page_printer.h"
#include "tables/tables_printer.h"

namespace crank {

class RecordingMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string prompt;
        std::string title;
    };
    void show(const std::string& prompt, const std::string& title) override
    {
        shown.push_back({prompt, title});
    }
    std::vector<Shown> shown;
};

// One printed text with its position (twips) and the font it was printed in.
struct Printed {
    std::string text;
    float x = 0;
    float y = 0;
    float size = 0;
    int weight = 0;
    bool underline = false;
    bool italic = false;
    bool struck = false;
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
class RecordingPagePrinter final : public PagePrinter {
public:
    explicit RecordingPagePrinter(PagePrinter* inner = nullptr) : m_inner(inner) {}

    std::function<float(float)> lineHeight = [](float points) { return points * 22.0f; };
    int height = 16838; // A4, twips
    int endDocs = 0;
    std::vector<Printed> printed;
    PrintOutcome outcome; // what ending the document reports when alone

    void setFontName(const std::string& v) override
    {
        keep(&Printed::font, &PagePrinter::setFontName, v);
    }
    void setFontSize(float v) override { keep(&Printed::size, &PagePrinter::setFontSize, v); }
    void setFontWeight(int v) override { keep(&Printed::weight, &PagePrinter::setFontWeight, v); }
    void setFontUnderline(bool v) override
    {
        keep(&Printed::underline, &PagePrinter::setFontUnderline, v);
    }
    void setFontItalic(bool v) override { keep(&Printed::italic, &PagePrinter::setFontItalic, v); }
    void setFontStrikethrough(bool v) override
    {
        keep(&Printed::struck, &PagePrinter::setFontStrikethrough, v);
    }
    void setFontCharset(int v) override { pass(&PagePrinter::setFontCharset, v); }
    float currentX() const override { return m_inner ? m_inner->currentX() : m_f.x; }
    void setCurrentX(float v) override { keep(&Printed::x, &PagePrinter::setCurrentX, v); }
    float currentY() const override { return m_inner ? m_inner->currentY() : m_f.y; }
    void setCurrentY(float v) override { keep(&Printed::y, &PagePrinter::setCurrentY, v); }
    int pageHeight() const override { return m_inner ? m_inner->pageHeight() : height; }
    void printLine(const std::string& text) override
    {
        Printed line = m_f;
        line.text = text;
        line.x = currentX();
        line.y = currentY();
        printed.push_back(line);
        pass(&PagePrinter::printLine, text);
        if (!m_inner) {
            m_f.y += lineHeight(m_f.size);
        }
        m_f.x = 0;
    }
    PrintOutcome endDoc() override
    {
        ++endDocs;
        return m_inner ? m_inner->endDoc() : outcome;
    }

private:
    // Notes the setting and passes it on.
    template <class Field, class Setter, class V> void keep(Field field, Setter setter, const V& v)
    {
        m_f.*field = v;
        pass(setter, v);
    }
    template <class Setter, class V> void pass(Setter setter, const V& v)
    {
        if (m_inner) {
            (m_inner->*setter)(v);
        }
    }
    PagePrinter* m_inner;
    Printed m_f; // the font settings and, alone, the position
};

class RecordingTablesPrinter final : public TablesPrinter {
public:
    void printTables(const DisplayView& view) override { printed.push_back(view); }
    std::vector<DisplayView> printed;
};

} // namespace crank
