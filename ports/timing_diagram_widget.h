#pragma once

#include "ports/port_sheet.h"
#include "ports/sheet_widgets.h"

namespace crank {

// The timing diagram beside the port rows, drawn as the page draws it, at the
// widget's size.
class PortTimingDiagram : public CanvasWidget {
public:
    explicit PortTimingDiagram(QWidget* parent = nullptr);

    void setDiagram(DiagramView diagram);
    QSize sizeHint() const override;

protected:
    void draw(Canvas& canvas, const TwipRect& box) const override;

private:
    DiagramView m_diagram;
};

// The open area against crank angle on the time-area page, likewise.
class AreaPlotWidget : public CanvasWidget {
public:
    explicit AreaPlotWidget(QWidget* parent = nullptr);

    void setPlot(AreaPlotView plot);
    QSize sizeHint() const override;
    // As tall as its width needs, whatever room it is given.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void draw(Canvas& canvas, const TwipRect& box) const override;

private:
    AreaPlotView m_plot;
};

} // namespace crank
