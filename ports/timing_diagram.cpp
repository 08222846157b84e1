#include "ports/timing_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "ports/role_style.h"

namespace crank {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Layout in units of a hundredth of the diagram's width.
constexpr float kWidthUnits = 100;
constexpr float kRadius = 30;     // outermost port ring
constexpr float kRingStep = 3.2f; // between port rings
constexpr float kCentreY = 44;    // below the top: room for the TDC label
constexpr float kLegendY = 88;    // the first legend line's middle
constexpr float kLegendStep = 5.5f;
constexpr float kLegendText = 16; // where the legend's texts start
constexpr float kLabelEm = 3.4f;  // the labels' size

class Diagram {
public:
    Diagram(Canvas& canvas, const TwipRect& box)
        : m_canvas(canvas),
          m_u(std::min(box.width / kWidthUnits, box.height / (kWidthUnits * kDiagramAspect))),
          m_left(box.x + (box.width - kWidthUnits * m_u) / 2),
          m_top(box.y), m_centre{m_left + kWidthUnits * m_u / 2, m_top + kCentreY * m_u}
    {
    }

    float u() const { return m_u; }
    float left() const { return m_left; }
    float top() const { return m_top; }

    // A point at crank angle degrees ATDC, clockwise from the top, rho from the centre.
    TwipPoint at(double degrees, double rho) const
    {
        const double rad = degrees * std::numbers::pi / 180.0;
        return {static_cast<float>(double{m_centre.x} + rho * std::sin(rad)),
                static_cast<float>(double{m_centre.y} - rho * std::cos(rad))};
    }

    // An arc clockwise from `from` degrees through `sweep`, a point a degree or closer.
    std::vector<TwipPoint> arc(double rho, double from, double sweep) const
    {
        const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep))));
        std::vector<TwipPoint> points;
        for (int i = 0; i <= steps; ++i) {
            points.push_back(at(from + sweep * i / steps, rho));
        }
        return points;
    }

    Pen pen(float widthUnits, Rgb colour, const std::vector<float>& dashesInWidths = {}) const
    {
        return ScaledPen(widthUnits * m_u, colour, dashesInWidths);
    }

    void line(TwipPoint from, TwipPoint to, const Pen& pen)
    {
        m_canvas.drawPolyline({from, to}, pen);
    }

    // Text in a face of `points`, its middle at `middle`.
    void centred(TwipPoint middle, const std::string& text, float points)
    {
        DrawCentredText(m_canvas, middle, text, FixedFace(points));
    }

    TwipPoint centre() const { return m_centre; }

private:
    Canvas& m_canvas;
    float m_u;
    float m_left;
    float m_top;
    TwipPoint m_centre;
};

} // namespace

void DrawTimingDiagram(Canvas& canvas, const TwipRect& box, const DiagramView& diagram)
{
    Diagram d(canvas, box);
    const float u = d.u();
    if (!(u > 0.0f)) {
        return;
    }
    const float label = kLabelEm * u / kTwipsPerPoint; // points

    // The crank circle, TDC and BDC.
    const double outer = (kRadius + 2) * u;
    const Pen thin = d.pen(0.3f, kBlack);
    canvas.drawPolyline(d.arc(outer, 0, 360), thin);
    d.line(d.centre(), d.at(0, outer + 1.5 * u), thin);
    d.centred(d.at(0, outer + 4 * u), "TDC", label);
    const double bdc = double{diagram.bdcAngle};
    d.line(d.centre(), d.at(bdc, outer + 1.5 * u), d.pen(0.3f, kBlack, {4, 2}));
    d.centred(d.at(bdc, outer + 4 * u), diagram.bdcLabel, label);

    // The direction of rotation: an arrow just outside the circle past TDC.
    const double arrowRho = outer + 4 * u;
    canvas.drawPolyline(d.arc(arrowRho, 20, 33), thin);
    const TwipPoint tip = d.at(60, arrowRho);
    const TwipPoint back = d.at(53, arrowRho);
    const float sideX = -(tip.y - back.y) / 2;
    const float sideY = (tip.x - back.x) / 2;
    canvas.fillPolygon({tip, {back.x + sideX, back.y + sideY}, {back.x - sideX, back.y - sideY}},
                       kBlack);
    d.centred(d.at(40, arrowRho + 5 * u), "rotation", label);

    // The legend's size: its longest line fits between its texts' start and the right edge.
    float widestAtOnePoint = 1.0f;
    for (const DiagramArc& arc : diagram.arcs) {
        widestAtOnePoint = std::max(widestAtOnePoint, FixedPitchWidth(arc.legend, 1.0f));
    }
    const float legendRoom = (kWidthUnits - kLegendText) * u;
    const float legendPoints = std::min(label, legendRoom / widestAtOnePoint);

    // The ports: each on its own ring, from the outside in; crown-opened arcs
    // pass BDC, skirt-opened ones TDC.
    float legendY = d.top() + kLegendY * u;
    for (std::size_t i = 0; i < diagram.arcs.size() && i < kMaxPorts; ++i) {
        const DiagramArc& arc = diagram.arcs[i];
        const double rho = (kRadius - kRingStep * static_cast<float>(i)) * u;
        const double from = double{arc.from};
        const RoleStyle& style = StyleOf(arc.role);
        const Pen pen = d.pen(1.0f, style.colour, style.dashes);
        canvas.drawPolyline(d.arc(rho, from, double{arc.sweep}), pen);
        const Pen tick = d.pen(0.4f, style.colour);
        for (const double end : {from, from + double{arc.sweep}}) {
            d.line(d.at(end, rho - 1.2 * u), d.at(end, rho + 1.2 * u), tick);
        }
        // The port's number where its arc starts, to find it in the legend.
        const TwipPoint mark = d.at(from + 4.0, rho);
        const float half = 1.5f * u;
        canvas.fillPolygon({{mark.x - half, mark.y - half},
                            {mark.x + half, mark.y - half},
                            {mark.x + half, mark.y + half},
                            {mark.x - half, mark.y + half}},
                           kWhite);
        d.centred(mark, std::to_string(arc.number), label);

        // Legend: a sample of the line, then number, name and angles.
        d.line({d.left() + 2 * u, legendY}, {d.left() + 14 * u, legendY}, pen);
        DrawTextFromLeft(canvas, {d.left() + kLegendText * u, legendY}, arc.legend,
                         FixedFace(legendPoints));
        legendY += kLegendStep * u;
    }
}

} // namespace crank
