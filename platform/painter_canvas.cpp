#include "platform/painter_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "platform/fonts.h"
#include "platform/vector_unit.h"

namespace crank {
namespace {

QColor colourOf(Rgb rgb)
{
    return {rgb.r, rgb.g, rgb.b};
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, double unitsPerTwip, QPointF origin)
    : m_painter(painter), m_scale(unitsPerTwip), m_origin(origin)
{
    SettleVectorUnit();
    installCourierSubstitution();
}

QPointF PainterCanvas::toDevice(TwipPoint point) const
{
    return m_origin + QPointF(double{point.x}, double{point.y}) * m_scale;
}

void PainterCanvas::drawPolyline(const std::vector<TwipPoint>& points, const Pen& pen)
{
    QPolygonF line;
    for (const TwipPoint& point : points) {
        line.append(toDevice(point));
    }
    const double width = double{pen.width} * m_scale;
    QPen qpen(colourOf(pen.colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!pen.dashes.empty() && pen.width > 0.0f) {
        // Qt counts dashes in pen widths.
        QList<qreal> pattern;
        for (const float dash : pen.dashes) {
            pattern.append(double{dash} / double{pen.width});
        }
        qpen.setDashPattern(pattern);
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(qpen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(line);
    m_painter.restore();
}

void PainterCanvas::fillPolygon(const std::vector<TwipPoint>& points, Rgb colour)
{
    QPolygonF shape;
    for (const TwipPoint& point : points) {
        shape.append(toDevice(point));
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colourOf(colour));
    m_painter.drawPolygon(shape);
    m_painter.restore();
}

void PainterCanvas::drawText(TwipPoint at, const std::string& text, const Face& face)
{
    // The text is laid out in twips, a pixel a twip, and the painter scales it
    // down: a font of a few device pixels would be rounded to whole pixels and
    // run wider than the drawing measured it.
    QFont font(QString::fromStdString(face.family));
    font.setStyleHint(QFont::TypeWriter);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setWeight(static_cast<QFont::Weight>(face.weight));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(double{face.size} * 20.0))));
    m_painter.save();
    m_painter.translate(toDevice(at));
    m_painter.scale(m_scale, m_scale);
    m_painter.setPen(Qt::black);
    m_painter.setFont(font);
    // The position is the line's top-left corner; Qt draws on the baseline.
    m_painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), QString::fromStdString(text));
    m_painter.restore();
}

} // namespace crank
