#include "ports/timing_diagram_widget.h"

#include "ports/area_plot.h"
#include "ports/timing_diagram.h"

namespace crank {

PortTimingDiagram::PortTimingDiagram(QWidget* parent) : CanvasWidget(parent)
{
    setObjectName(QStringLiteral("timingDiagram"));
    setMinimumSize(300, 396);
    paintWhite();
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

void PortTimingDiagram::draw(Canvas& canvas, const TwipRect& box) const
{
    DrawTimingDiagram(canvas, box, m_diagram);
}

AreaPlotWidget::AreaPlotWidget(QWidget* parent) : CanvasWidget(parent)
{
    setObjectName(QStringLiteral("areaPlot"));
    setMinimumSize(440, static_cast<int>(440 * kAreaPlotAspect));
    paintWhite();
}

void AreaPlotWidget::setPlot(AreaPlotView plot)
{
    m_plot = std::move(plot);
    update();
}

QSize AreaPlotWidget::sizeHint() const
{
    return {520, static_cast<int>(520 * kAreaPlotAspect)};
}

int AreaPlotWidget::heightForWidth(int width) const
{
    return static_cast<int>(static_cast<float>(width) * kAreaPlotAspect);
}

void AreaPlotWidget::draw(Canvas& canvas, const TwipRect& box) const
{
    DrawAreaPlot(canvas, box, m_plot);
}

} // namespace crank
