#include "wheel/wheel_page.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "wheel/wheel_drawing.h"

namespace crank {
namespace {

constexpr double kLeft = 10.0; // mm from the sheet's left edge
constexpr double kTop = 34.0;  // where the wheel or the strip begins, mm
constexpr double kBarY = 25.5;
constexpr double kStripLeft = 15.0;
constexpr double kStripWidth = 180.0;
constexpr double kStripBand = 30.0; // mm from one strip line to the next
constexpr const char* kScaleLine = "print at 100% (no fit to page): the bar must measure 100 mm";

// Text with the top-left corner of its line at (x, y), mm.
void text(Canvas& canvas, double x, double y, const std::string& s, float points,
          int weight = kRegularWeight)
{
    canvas.drawText(AtMm({x, y}), s, FixedFace(points, weight));
}

void line(Canvas& canvas, double x1, double y1, double x2, double y2, const Pen& pen)
{
    DrawLineMm(canvas, {x1, y1}, {x2, y2}, pen);
}

void drawTop(Canvas& canvas, const WheelView& view)
{
    text(canvas, kLeft, 8.0, view.title, 12.0f, kBoldWeight);
    text(canvas, kLeft, 13.5, view.geometry, 8.0f);
    text(canvas, kLeft, 17.0, view.sizeLine, 8.0f);
    if (view.sheet == WheelSheet::Strip) {
        text(canvas, kLeft, 20.5,
             view.marking == WheelMarking::FullTurn
                 ? "Stick it on the rim with 0 at TDC and the numbers rising against the way it "
                   "turns."
                 : "Stick it on the rim with 0 at TDC and the numbers rising to 180 against the "
                   "way it turns.",
             8.0f);
    }
    // The calibration bar: 100 mm with a tick every 10 mm.
    line(canvas, kLeft, kBarY, kLeft + 100.0, kBarY, PenMm(0.4));
    for (int mm = 0; mm <= 100; mm += 10) {
        const double rise = mm % 50 == 0 ? 2.0 : 1.0;
        line(canvas, kLeft + mm, kBarY - rise, kLeft + mm, kBarY, PenMm(0.2));
    }
    text(canvas, kLeft + 102.0, kBarY - 1.5, "100 mm", 7.0f);
    text(canvas, kLeft, kBarY + 1.5, kScaleLine, 8.0f);
}

void drawStrip(Canvas& canvas, const WheelView& view)
{
    const double mpd = view.mmPerDegree;
    const int perLine = std::max(10, static_cast<int>(kStripWidth / mpd / 10.0) * 10);
    const int step = view.rimHalfDegrees ? 1 : 2;
    // Numbers of three figures fit the ten degrees between them, with 0.5 mm to spare.
    const auto labelPoints =
        static_cast<float>(std::min(7.0, (10.0 * mpd - 0.5) / TextWidthMm("000", 1.0f)));
    constexpr float eventPoints = 6.0f;
    for (int from = 0; from < 360; from += perLine) {
        const int to = std::min(from + perLine, 360);
        const double y = kTop + kStripBand * (from / perLine);
        const double base = y + 19.0;
        const auto x = [&](double degrees) { return kStripLeft + (degrees - from) * mpd; };
        // The cut lines round the strip, and the scale's line.
        canvas.drawPolyline({AtMm({x(from), y}), AtMm({x(to), y}), AtMm({x(to), y + 26.0}),
                             AtMm({x(from), y + 26.0}), AtMm({x(from), y})},
                            PenMm(0.15));
        line(canvas, x(from), base, x(to), base, PenMm(0.2));
        for (int h = 2 * from; h <= 2 * to; h += step) {
            const double length = DegreeTickLength(h, 7.0, 5.0, 3.0, 1.8);
            line(canvas, x(h / 2.0), base, x(h / 2.0), base - length,
                 PenMm(h % 20 == 0 ? 0.2 : 0.12));
            if (h % 20 == 0) {
                // Inside the cut lines at the line's ends too.
                const std::string label = DegreeNumber(h / 2, view.marking);
                const double wide = TextWidthMm(label, labelPoints);
                const double left =
                    std::clamp(x(h / 2.0) - wide / 2.0, x(from) + 0.3, x(to) - wide - 0.3);
                text(canvas, left, base + 2.5 - LineMm(labelPoints) / 2.0, label, labelPoints);
            }
        }
        // Events in the order they come along the strip, each named on the
        // first of four levels where it clears the names before it, on the
        // mark's right or else on its left; where neither has room, by its
        // angle alone.
        std::vector<WheelMark> here;
        std::ranges::copy_if(view.marks, std::back_inserter(here), [&](const WheelMark& mark) {
            return mark.reading >= from && mark.reading <= to;
        });
        std::ranges::sort(here, {}, &WheelMark::reading);
        std::array<std::vector<std::pair<double, double>>, 4> taken; // left, right per level
        for (const WheelMark& mark : here) {
            const double mx = x(mark.reading);
            line(canvas, mx, y + 1.0, mx, base, PenMm(0.3, kEventColour));
            for (const std::string& name : {mark.name + " " + mark.angle, mark.angle}) {
                const double wide = TextWidthMm(name, eventPoints);
                const auto fits = [&](std::size_t level, double left) {
                    return left >= x(from) + 0.3 && left + wide <= x(to) - 0.3 &&
                           std::ranges::none_of(taken[level], [&](const auto& span) {
                               return left < span.second + 1.0 && span.first < left + wide + 1.0;
                           });
                };
                const auto place = [&]() -> std::optional<std::pair<std::size_t, double>> {
                    for (std::size_t level = 0; level < taken.size(); ++level) {
                        for (const double left : {mx + 0.6, mx - 0.6 - wide}) {
                            if (fits(level, left)) {
                                return std::pair{level, left};
                            }
                        }
                    }
                    return std::nullopt;
                }();
                if (place) {
                    // Clear of the tallest ticks, 12 mm down the band.
                    const auto [level, left] = *place;
                    text(canvas, left, y + 1.0 + 2.6 * static_cast<double>(level), name,
                         eventPoints);
                    taken[level].emplace_back(left, left + wide);
                    break;
                }
            }
        }
    }
}

// Records how far the drawing reaches, twips: a line's points with half its
// width round them, a text's line box.
class ReachCanvas final : public Canvas {
public:
    void drawPolyline(const std::vector<TwipPoint>& points, const Pen& pen) override
    {
        for (const TwipPoint& p : points) {
            reach(p.x - pen.width / 2, p.y - pen.width / 2);
            reach(p.x + pen.width / 2, p.y + pen.width / 2);
        }
    }
    void fillPolygon(const std::vector<TwipPoint>& points, Rgb) override
    {
        for (const TwipPoint& p : points) {
            reach(p.x, p.y);
        }
    }
    void drawText(TwipPoint at, const std::string& s, const Face& face) override
    {
        reach(at.x, at.y);
        reach(at.x + FixedPitchWidth(s, face.size), at.y + LineHeight(face.size));
    }
    float left = std::numeric_limits<float>::max();
    float top = std::numeric_limits<float>::max();
    float right = std::numeric_limits<float>::lowest();
    float bottom = std::numeric_limits<float>::lowest();

private:
    void reach(float x, float y)
    {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

} // namespace

void DrawWheelPage(Canvas& canvas, const WheelView& view)
{
    drawTop(canvas, view);
    if (!view.ready) {
        return;
    }
    if (view.sheet == WheelSheet::Wheel) {
        DrawWheel(canvas, view, kTop);
    } else {
        drawStrip(canvas, view);
    }
}

PrintOutcome PrintWheelPage(const WheelView& view, PagePrinter& printer)
{
    DrawWheelPage(printer, view);
    return printer.endDoc();
}

double SheetMargin(const WheelView& view)
{
    ReachCanvas reach;
    DrawWheelPage(reach, view);
    const float least = std::min({reach.left, reach.top, Twips(kPageWidthMm) - reach.right,
                                  Twips(kPageHeightMm) - reach.bottom});
    return double{least / kTwipsPerMm};
}

} // namespace crank
