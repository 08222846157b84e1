#pragma once

// Recording stand-ins for the platform's side-effect interfaces: what would have been shown in
// a message box or printed on a page.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/page_printer.h"

namespace crank {

// Records every message; a question takes the next of `answers`, or its
// last choice (the one Escape takes) when none is left.
class RecordingMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string prompt;
        std::string title;
        std::vector<std::string> choices; // empty for a message with OK only
    };
    void show(const std::string& prompt, const std::string& title) override
    {
        shown.push_back({prompt, title, {}});
    }
    int ask(const std::string& prompt, const std::string& title,
            const std::vector<std::string>& choices) override
    {
        shown.push_back({prompt, title, choices});
        if (answers.empty()) {
            return static_cast<int>(choices.size()) - 1;
        }
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<Shown> shown;
    std::vector<int> answers;
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

// A line or a text drawn on the canvas of a page.
struct DrawnLine {
    std::vector<TwipPoint> points;
    Pen pen;
};
struct DrawnText {
    std::string text;
    TwipPoint at;
    Face face;
};

// Logs every text with its position and font, moving y down by lineHeight(points) per line,
// and the lines and texts drawn on its canvas. Font settings survive a job, as on a real printer.
class RecordingPagePrinter final : public PagePrinter {
public:
    std::function<float(float)> lineHeight = [](float points) { return points * 22.0f; };
    int height = 16838; // A4, twips
    int endDocs = 0;
    std::vector<Printed> printed;
    PrintOutcome outcome; // what ending the document reports
    std::vector<DrawnLine> lines;
    std::vector<DrawnText> texts;

    void setFontName(const std::string& v) override { m_f.font = v; }
    void setFontSize(float v) override { m_f.size = v; }
    void setFontWeight(int v) override { m_f.weight = v; }
    void setFontUnderline(bool v) override { m_f.underline = v; }
    void setFontItalic(bool v) override { m_f.italic = v; }
    void setFontStrikethrough(bool v) override { m_f.struck = v; }
    void setFontCharset(int) override {}
    float currentX() const override { return m_f.x; }
    void setCurrentX(float v) override { m_f.x = v; }
    float currentY() const override { return m_f.y; }
    void setCurrentY(float v) override { m_f.y = v; }
    int pageHeight() const override { return height; }
    void printLine(const std::string& text) override
    {
        Printed line = m_f;
        line.text = text;
        printed.push_back(line);
        m_f.y += lineHeight(m_f.size);
        m_f.x = 0;
    }
    PrintOutcome endDoc() override
    {
        ++endDocs;
        return outcome;
    }
    void drawPolyline(const std::vector<TwipPoint>& points, const Pen& pen) override
    {
        lines.push_back({points, pen});
    }
    void fillPolygon(const std::vector<TwipPoint>&, Rgb) override {}
    void drawText(TwipPoint at, const std::string& text, const Face& face) override
    {
        texts.push_back({text, at, face});
    }

private:
    Printed m_f; // the font settings and the position
};

} // namespace crank
