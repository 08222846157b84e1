#include "ports/timing_diagram_widget.h"

#include <QPainter>

#include "platform/painter_canvas.h"
#include "platform/twips.h"
#include "ports/timing_diagram.h"

namespace crank {

PortTimingDiagram::PortTimingDiagram(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("timingDiagram"));
    setMinimumSize(300, 396);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void PortTimingDiagram::setDiagram(DiagramView diagram)
{
    m_diagram = std::move(diagram);
    update();
}

QSize PortTimingDiagram::sizeHint() const
{
    return {380, 502};
}

void PortTimingDiagram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PainterCanvas canvas(painter, 1.0 / kTwipsPerPixel);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const auto twips = [](double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    DrawTimingDiagram(canvas,
                      {twips(area.x()), twips(area.y()), twips(area.width()), twips(area.height())},
                      m_diagram);
}

} // namespace crank
