#pragma once

#include <QPointF>

#include "platform/canvas.h"

class QPainter;

namespace crank {

// A canvas over a painter that is already active: twips become device units
// at `unitsPerTwip`, counted from `origin` (device units), and sizes of text
// follow the same scale (a point is 20 twips), so that a drawing keeps its
// proportions at any size. Text is laid out without hinting, so that it
// advances as the drawing measured it.
class PainterCanvas final : public Canvas {
public:
    PainterCanvas(QPainter& painter, double unitsPerTwip, QPointF origin = {});

    void drawPolyline(const std::vector<TwipPoint>& points, const Pen& pen) override;
    void fillPolygon(const std::vector<TwipPoint>& points, Rgb colour) override;
    void drawText(TwipPoint at, const std::string& text, const Face& face) override;

private:
    QPointF toDevice(TwipPoint point) const;

    QPainter& m_painter;
    double m_scale;
    QPointF m_origin;
};

} // namespace crank
