#include "ports/area_plot.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ports/role_style.h"

namespace crank {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kShade{205, 205, 205};
constexpr Rgb kGrid{170, 170, 170};
constexpr Rgb kBefore{140, 140, 140}; // the baseline: grey, thin, each role's dashes kept

// Sizes in hundredths of the plot's width.
constexpr float kLabelEm = 2.4f; // the texts' size
constexpr float kLineWidth = 0.3f;
constexpr float kAxisLeft = 11.0f; // room for the area labels
constexpr float kAxisRight = 97.0f;
constexpr float kAxisTop = 10.0f; // room for three marks' labels, at least

// 1, 2 or 5 times a power of ten, a fifth or so of `largest`.
double roundStep(double largest)
{
    const double rough = largest / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= rough) {
            return m * power;
        }
    }
    return 10.0 * power;
}

class Plot {
public:
    Plot(Canvas& canvas, const TwipRect& box, std::size_t legendEntries, std::size_t marks)
        : m_canvas(canvas),
          m_u(std::min(box.width / 100.0f, box.height / (100.0f * kAreaPlotAspect))), m_left(box.x),
          m_top(box.y)
    {
        const float legendLines = static_cast<float>((legendEntries + 1) / 2);
        m_bottom = 100.0f * kAreaPlotAspect - 7.5f - legendLines * 3.4f;
        m_axisTop = std::max(kAxisTop, (static_cast<float>(marks) + 0.5f) * kLabelEm *
                                           kFixedPitchLineSpacing);
    }

    float u() const { return m_u; }
    float x(double degrees) const
    {
        return m_left +
               m_u * static_cast<float>(kAxisLeft + (kAxisRight - kAxisLeft) * degrees / 360.0);
    }
    float y(double area) const
    {
        return m_top +
               m_u * static_cast<float>(m_bottom - (m_bottom - m_axisTop) * area / m_ceiling);
    }
    float bottom() const { return m_top + m_u * m_bottom; }
    float legendTop() const { return bottom() + m_u * 6.9f; }
    void setCeiling(double ceiling) { m_ceiling = ceiling; }

    Pen pen(float widthUnits, Rgb colour, const std::vector<float>& dashesInWidths = {}) const
    {
        return ScaledPen(widthUnits * m_u, colour, dashesInWidths);
    }
    Pen rolePen(PortRole role) const
    {
        const RoleStyle& style = StyleOf(role);
        return pen(kLineWidth * 2, style.colour, style.dashes);
    }
    Pen beforePen(PortRole role) const { return pen(kLineWidth, kBefore, StyleOf(role).dashes); }
    Face face() const { return FixedFace(kLabelEm * m_u / kTwipsPerPoint); }
    float textHeight() const { return LineHeight(face().size); }
    void text(float left, float top, const std::string& label)
    {
        m_canvas.drawText({left, top}, label, face());
    }
    // Centred on x, kept inside the axes.
    void centredText(float middle, float top, const std::string& label)
    {
        const float half = FixedPitchWidth(label, face().size) / 2;
        DrawCentredText(m_canvas,
                        {std::clamp(middle, x(0) + half, x(360) - half), top + textHeight() / 2},
                        label, face());
    }
    Canvas& canvas() { return m_canvas; }

private:
    Canvas& m_canvas;
    float m_u;
    float m_left;
    float m_top;
    float m_bottom = 50.0f;
    float m_axisTop = kAxisTop;
    double m_ceiling = 1.0;
};

void drawAxes(Plot& plot, double step, int steps)
{
    const Pen axis = plot.pen(kLineWidth, kBlack);
    const Pen grid = plot.pen(kLineWidth / 2, kGrid, {2, 4});
    const float tick = plot.u() * 1.0f;
    plot.canvas().drawPolyline({{plot.x(0), plot.y(steps * step)},
                                {plot.x(0), plot.bottom()},
                                {plot.x(360), plot.bottom()}},
                               axis);
    for (int k = 1; k <= steps; ++k) {
        const float y = plot.y(k * step);
        plot.canvas().drawPolyline({{plot.x(0), y}, {plot.x(360), y}}, grid);
        const std::string label = std::to_string(static_cast<long long>(std::lround(k * step)));
        plot.text(plot.x(0) - tick - FixedPitchWidth(label, plot.face().size),
                  y - plot.textHeight() / 2, label);
    }
    for (int degrees = 0; degrees <= 360; degrees += 30) {
        const float x = plot.x(degrees);
        plot.canvas().drawPolyline({{x, plot.bottom()}, {x, plot.bottom() + tick}}, axis);
        plot.centredText(x, plot.bottom() + tick, std::to_string(degrees));
    }
    plot.text(plot.x(0) - plot.u() * (kAxisLeft - 1.0f),
              plot.y(steps * step) - plot.textHeight() * 1.6f, "mm²");
    const std::string across = "deg ATDC";
    plot.text(plot.x(360) - FixedPitchWidth(across, plot.face().size),
              plot.bottom() + tick + plot.textHeight(), across);
}

std::vector<TwipPoint> curvePoints(const Plot& plot, const AreaCurve& curve, double from, double to)
{
    std::vector<TwipPoint> points;
    for (std::size_t k = 0; k < curve.area.size(); ++k) {
        const double degrees = static_cast<double>(k) * kCurveStep;
        if (degrees >= from && degrees <= to) {
            points.push_back({plot.x(degrees), plot.y(curve.area[k])});
        }
    }
    return points;
}

void drawLegend(Plot& plot, const AreaPlotView& view)
{
    const float sample = plot.u() * 8.0f;
    std::vector<std::pair<Pen, std::string>> entries;
    for (const AreaCurve& curve : view.curves) {
        entries.emplace_back(plot.rolePen(curve.role), RoleTitle(curve.role));
    }
    if (!view.beforeCurves.empty()) {
        entries.emplace_back(plot.pen(kLineWidth, kBefore), "Before (thin grey)");
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const float left = plot.x(0) + plot.u() * (i % 2 == 0 ? 0.0f : 42.0f);
        const float top = plot.legendTop() + static_cast<float>(i / 2) * plot.u() * 3.4f;
        const float middle = top + plot.textHeight() / 2;
        plot.canvas().drawPolyline({{left, middle}, {left + sample, middle}}, entries[i].first);
        plot.text(left + sample + plot.u(), top, entries[i].second);
    }
}

// The exhaust's area between its opening and the first transfer's: a closed
// outline under the curve.
std::vector<TwipPoint> blowdownOutline(const Plot& plot, const std::vector<AreaCurve>& curves,
                                       float from, float to)
{
    const auto exhaust = std::ranges::find(curves, PortRole::Exhaust, &AreaCurve::role);
    if (exhaust == curves.end()) {
        return {};
    }
    std::vector<TwipPoint> outline = curvePoints(plot, *exhaust, from - kCurveStep, to);
    outline.push_back({plot.x(to), plot.bottom()});
    outline.push_back({plot.x(from), plot.bottom()});
    return outline;
}

} // namespace

void DrawAreaPlot(Canvas& canvas, const TwipRect& box, const AreaPlotView& view)
{
    const std::size_t legend = view.curves.size() + (view.beforeCurves.empty() ? 0 : 1);
    Plot plot(canvas, box, legend, view.marks.size() + view.beforeMarks.size());
    const double step = roundStep(std::max(view.largest, 1.0));
    const int steps = static_cast<int>(std::ceil(std::max(view.largest, 1.0) / step));
    plot.setCeiling(steps * step);

    if (view.blowdown) {
        const auto shade = blowdownOutline(plot, view.curves, view.blowdownFrom, view.blowdownTo);
        if (!shade.empty()) {
            canvas.fillPolygon(shade, kShade);
        }
    }
    drawAxes(plot, step, steps);
    // The baseline under the present: its blowdown outlined, its curves thin and grey.
    if (view.beforeBlowdown) {
        std::vector<TwipPoint> outline = blowdownOutline(
            plot, view.beforeCurves, view.beforeBlowdownFrom, view.beforeBlowdownTo);
        if (!outline.empty()) {
            outline.push_back(outline.front());
            canvas.drawPolyline(outline, plot.pen(kLineWidth, kBefore, {1, 2}));
        }
    }
    for (const AreaCurve& curve : view.beforeCurves) {
        canvas.drawPolyline(curvePoints(plot, curve, 0.0, 360.0), plot.beforePen(curve.role));
    }
    for (const AreaCurve& curve : view.curves) {
        canvas.drawPolyline(curvePoints(plot, curve, 0.0, 360.0), plot.rolePen(curve.role));
    }
    // The marks' labels stand above the axes, one line each so none overlap:
    // the present's in black, the baseline's in grey.
    std::vector<std::pair<const PlotMark*, Rgb>> marks;
    for (const PlotMark& mark : view.marks) {
        marks.emplace_back(&mark, kBlack);
    }
    for (const PlotMark& mark : view.beforeMarks) {
        marks.emplace_back(&mark, kBefore);
    }
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const float x = plot.x(marks[i].first->angle);
        const float top = plot.y(steps * step) -
                          plot.textHeight() * (static_cast<float>(marks.size() - i) + 0.2f);
        canvas.drawPolyline({{x, top + plot.textHeight()}, {x, plot.bottom()}},
                            plot.pen(kLineWidth, marks[i].second, {3, 3}));
        plot.centredText(x, top, marks[i].first->label);
    }
    drawLegend(plot, view);
}

} // namespace crank
