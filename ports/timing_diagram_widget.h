#pragma once

#include <QWidget>

#include "ports/port_sheet.h"

namespace crank {

// The timing diagram beside the port rows, drawn as the page draws it, at the
// widget's size.
class PortTimingDiagram : public QWidget {
    Q_OBJECT
public:
    explicit PortTimingDiagram(QWidget* parent = nullptr);

    void setDiagram(DiagramView diagram);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DiagramView m_diagram;
};

} // namespace crank
