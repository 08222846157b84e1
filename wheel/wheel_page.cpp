#include "wheel/wheel_page.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace crank {
namespace {

constexpr float kLeft = 10.0f; // mm from the sheet's left edge
constexpr float kTop = 34.0f;  // where the wheel or the strip begins, mm
constexpr float kBarY = 25.5f;
constexpr float kStripLeft = 15.0f;
constexpr float kStripWidth = 180.0f;
constexpr float kStripBand = 30.0f; // mm from one strip line to the next
constexpr float kPointMm = 25.4f / 72.0f;
constexpr int kBold = 700;
constexpr Rgb kEventColour{150, 0, 0};
constexpr const char* kScaleLine = "print at 100% (no fit to page): the bar must measure 100 mm";

float twips(double mm)
{
    return static_cast<float>(mm * double{kTwipsPerMm});
}

TwipPoint at(double xMm, double yMm)
{
    return {twips(xMm), twips(yMm)};
}

Pen pen(float widthMm, Rgb colour = {})
{
    return {twips(widthMm), colour, {}};
}

// Height of a line of text, mm.
float lineMm(float points)
{
    return points * kPointMm * kFixedPitchLineSpacing;
}

float widthMm(const std::string& text, float points)
{
    return FixedPitchWidth(text, points) / kTwipsPerMm;
}

void text(Canvas& canvas, double xMm, double yMm, const std::string& s, float points,
          int weight = 400)
{
    canvas.drawText(at(xMm, yMm), s, {"Courier", points, weight});
}

// Text centred on a point, mm.
void centredText(Canvas& canvas, double xMm, double yMm, const std::string& s, float points)
{
    text(canvas, xMm - widthMm(s, points) / 2.0, yMm - lineMm(points) / 2.0, s, points);
}

void line(Canvas& canvas, double x1, double y1, double x2, double y2, const Pen& p)
{
    canvas.drawPolyline({at(x1, y1), at(x2, y2)}, p);
}

std::string degreeLabel(int degrees)
{
    return std::to_string(degrees);
}

// The ticks of one degree step: whole tens, fives, ones, halves.
float tickLength(int halfDegrees, float ten, float five, float one, float half)
{
    if (halfDegrees % 20 == 0) {
        return ten;
    }
    if (halfDegrees % 10 == 0) {
        return five;
    }
    return halfDegrees % 2 == 0 ? one : half;
}

void drawTop(Canvas& canvas, const WheelView& view)
{
    text(canvas, kLeft, 8.0, view.title, 12.0f, kBold);
    text(canvas, kLeft, 13.5, view.geometry, 8.0f);
    text(canvas, kLeft, 17.0, view.sizeLine, 8.0f);
    if (view.sheet == WheelSheet::Strip) {
        text(canvas, kLeft, 20.5,
             "Stick it on the rim with 0 at TDC and the numbers rising against the way it turns.",
             8.0f);
    }
    // The calibration bar: 100 mm with a tick every 10 mm.
    line(canvas, kLeft, kBarY, kLeft + 100.0, kBarY, pen(0.4f));
    for (int mm = 0; mm <= 100; mm += 10) {
        const double rise = mm % 50 == 0 ? 2.0 : 1.0;
        line(canvas, kLeft + mm, kBarY - rise, kLeft + mm, kBarY, pen(0.2f));
    }
    text(canvas, kLeft + 102.0, kBarY - 1.5, "100 mm", 7.0f);
    text(canvas, kLeft, kBarY + 1.5, kScaleLine, 8.0f);
}

class WheelDrawing {
public:
    WheelDrawing(Canvas& canvas, const WheelView& view)
        : m_canvas(canvas), m_view(view), m_r(view.diameter / 2.0), m_cx(kPageWidthMm / 2.0),
          m_cy(double{kTop} + m_r)
    {
    }

    void draw()
    {
        circle(m_r, pen(0.25f));
        ticks();
        events();
        arrow();
        centre();
        eventList();
    }

private:
    // The point r mm from the centre at a reading: readings rise against the
    // way the engine turns, as the pointer stands still and the wheel turns.
    std::pair<double, double> point(double reading, double r) const
    {
        const double clock = m_view.turning == Turning::Clockwise ? -reading : reading;
        const double a = clock * std::numbers::pi / 180.0;
        return {m_cx + r * std::sin(a), m_cy - r * std::cos(a)};
    }
    void radial(double reading, double from, double to, const Pen& p)
    {
        const auto [x1, y1] = point(reading, from);
        const auto [x2, y2] = point(reading, to);
        line(m_canvas, x1, y1, x2, y2, p);
    }
    void circle(double r, const Pen& p)
    {
        std::vector<TwipPoint> points;
        for (int i = 0; i <= 720; ++i) {
            const auto [x, y] = point(i / 2.0, r);
            points.push_back(at(x, y));
        }
        m_canvas.drawPolyline(points, p);
    }
    float labelPoints() const { return static_cast<float>(6.0 + (m_view.diameter - 80.0) / 30.0); }

    void ticks()
    {
        const double d = m_view.diameter;
        const auto ten = static_cast<float>(0.07 * d);
        const int step = m_view.halfDegrees ? 1 : 2;
        for (int h = 0; h < 720; h += step) {
            const float length =
                tickLength(h, ten, static_cast<float>(0.05 * d), static_cast<float>(0.03 * d),
                           static_cast<float>(0.018 * d));
            radial(h / 2.0, m_r, m_r - double{length}, pen(h % 20 == 0 ? 0.25f : 0.15f));
            if (h % 20 == 0) {
                const float points = labelPoints();
                const double r = m_r - double{ten} - 1.0 - double{lineMm(points)} / 2.0;
                const auto [x, y] = point(h / 2.0, r);
                centredText(m_canvas, x, y, degreeLabel(h / 2), points);
            }
        }
    }

    // Each event's line from the rim, and its name and angle inside it; a
    // label that would cover an earlier one moves towards the centre.
    void events()
    {
        const float points = std::max(5.0f, labelPoints() - 1.0f);
        const double high = 2.0 * double{lineMm(points)};
        std::vector<std::array<double, 4>> placed; // left, top, right, bottom
        for (const WheelMark& mark : m_view.marks) {
            const bool tdc = mark.reading == 0.0;
            radial(mark.reading, m_r, 0.7 * m_r, pen(tdc ? 0.5f : 0.3f, kEventColour));
            const double wide = std::max(widthMm(mark.name, points), widthMm(mark.angle, points));
            double r = 0.6 * m_r;
            std::array<double, 4> box{};
            for (int tries = 0; tries < 8; ++tries) {
                const auto [x, y] = point(mark.reading, r);
                box = {x - wide / 2.0, y - high / 2.0, x + wide / 2.0, y + high / 2.0};
                const bool clear = std::ranges::none_of(placed, [&box](const auto& other) {
                    return box[0] < other[2] && other[0] < box[2] && box[1] < other[3] &&
                           other[1] < box[3];
                });
                if (clear || r - high < m_view.hole / 2.0 + 3.0) {
                    break;
                }
                r -= high;
            }
            placed.push_back(box);
            centredText(m_canvas, (box[0] + box[2]) / 2.0, box[1] + high / 4.0, mark.name, points);
            centredText(m_canvas, (box[0] + box[2]) / 2.0, box[1] + 3.0 * high / 4.0, mark.angle,
                        points);
        }
    }

    // An arc with a head, the way the engine turns, inside the labels.
    void arrow()
    {
        const float points = labelPoints();
        const double size = std::max(1.5, 0.015 * m_view.diameter);
        const double r = m_r - 0.07 * m_view.diameter - 1.0 - 1.5 * double{lineMm(points)} - size;
        std::vector<TwipPoint> arc;
        // Readings fall the way the engine turns.
        for (int i = 0; i <= 30; ++i) {
            const auto [x, y] = point(-20.0 - i, r);
            arc.push_back(at(x, y));
        }
        m_canvas.drawPolyline(arc, pen(0.35f));
        const auto tip = point(-54.0, r);
        const auto in = point(-49.0, r - size);
        const auto out = point(-49.0, r + size);
        m_canvas.fillPolygon(
            {at(tip.first, tip.second), at(in.first, in.second), at(out.first, out.second)}, {});
    }

    void centre()
    {
        const double half = m_view.hole / 2.0 + 4.0;
        line(m_canvas, m_cx - half, m_cy, m_cx + half, m_cy, pen(0.15f));
        line(m_canvas, m_cx, m_cy - half, m_cx, m_cy + half, pen(0.15f));
        if (m_view.hole > 0.0) {
            circle(m_view.hole / 2.0, pen(0.2f));
        }
    }

    // The events under the wheel in three columns.
    void eventList()
    {
        // 44 characters (a 25-character name, "closes: ", "115.5 BTDC") fit a column.
        constexpr float points = 6.5f;
        const double top = m_cy + m_r + 5.0;
        const std::size_t rows = (m_view.marks.size() + 2) / 3;
        for (std::size_t i = 0; i < m_view.marks.size(); ++i) {
            const WheelMark& mark = m_view.marks[i];
            std::string entry = mark.name + ": " + mark.angle;
            entry = entry.substr(0, 44);
            text(m_canvas, kLeft + 64.0 * static_cast<double>(i / rows),
                 top + double{lineMm(points)} * static_cast<double>(i % rows), entry, points);
        }
    }

    Canvas& m_canvas;
    const WheelView& m_view;
    double m_r;
    double m_cx;
    double m_cy;
};

void drawStrip(Canvas& canvas, const WheelView& view)
{
    const double mpd = view.mmPerDegree;
    const int perLine = std::max(10, static_cast<int>(double{kStripWidth} / mpd / 10.0) * 10);
    const int step = view.rimHalfDegrees ? 1 : 2;
    constexpr float labelPoints = 7.0f;
    constexpr float eventPoints = 6.0f;
    for (int from = 0; from < 360; from += perLine) {
        const int to = std::min(from + perLine, 360);
        const double y = double{kTop} + double{kStripBand} * (from / perLine);
        const double base = y + 19.0;
        const auto x = [&](double degrees) { return double{kStripLeft} + (degrees - from) * mpd; };
        // The cut lines round the strip, and the scale's line.
        canvas.drawPolyline({at(x(from), y), at(x(to), y), at(x(to), y + 26.0),
                             at(x(from), y + 26.0), at(x(from), y)},
                            pen(0.15f));
        line(canvas, x(from), base, x(to), base, pen(0.2f));
        for (int h = 2 * from; h <= 2 * to; h += step) {
            const double length = double{tickLength(h, 7.0f, 5.0f, 3.0f, 1.8f)};
            line(canvas, x(h / 2.0), base, x(h / 2.0), base - length,
                 pen(h % 20 == 0 ? 0.2f : 0.12f));
            if (h % 20 == 0) {
                // Inside the cut lines at the line's ends too.
                const std::string label = degreeLabel(h / 2 % 360);
                const double wide = double{widthMm(label, labelPoints)};
                const double left =
                    std::clamp(x(h / 2.0) - wide / 2.0, x(from) + 0.3, x(to) - wide - 0.3);
                text(canvas, left, base + 2.5 - double{lineMm(labelPoints)} / 2.0, label,
                     labelPoints);
            }
        }
        // Events in the order they come along the strip, each named on the
        // first of four levels where it clears the names before it, on the
        // mark's left where the strip ends too soon on its right.
        std::vector<WheelMark> here;
        std::ranges::copy_if(view.marks, std::back_inserter(here), [&](const WheelMark& mark) {
            return mark.reading >= from && mark.reading <= to;
        });
        std::ranges::sort(here, {}, &WheelMark::reading);
        std::array<double, 4> levelEnds = {-1.0, -1.0, -1.0, -1.0};
        for (const WheelMark& mark : here) {
            const double mx = x(mark.reading);
            line(canvas, mx, y + 1.0, mx, base, pen(0.3f, kEventColour));
            const std::string name = mark.name + " " + mark.angle;
            const double wide = double{widthMm(name, eventPoints)};
            const double left = mx + 0.6 + wide <= x(to) ? mx + 0.6 : mx - 0.6 - wide;
            const auto free =
                std::ranges::find_if(levelEnds, [left](double end) { return end < left; });
            const auto use = static_cast<std::size_t>(
                (free != levelEnds.end() ? free : std::ranges::min_element(levelEnds)) -
                levelEnds.begin());
            // Clear of the tallest ticks, 12 mm down the band.
            text(canvas, left, y + 1.0 + 2.6 * static_cast<double>(use), name, eventPoints);
            levelEnds[use] = left + wide + 1.0;
        }
    }
}

} // namespace

void DrawWheelPage(Canvas& canvas, const WheelView& view)
{
    drawTop(canvas, view);
    if (!view.ready) {
        return;
    }
    if (view.sheet == WheelSheet::Wheel) {
        WheelDrawing(canvas, view).draw();
    } else {
        drawStrip(canvas, view);
    }
}

PrintOutcome PrintWheelPage(const WheelView& view, PagePrinter& printer)
{
    DrawWheelPage(printer, view);
    return printer.endDoc();
}

} // namespace crank
