#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "model/port_timing.h"

class QPainter;
class QRectF;

namespace crank {

// What the timing diagram shows: BDC and the open arc of each timed port.
struct TimingDiagramData {
    float bdcAngle = 180.0f; // degrees ATDC
    struct Port {
        QString name;
        PortKind kind = PortKind::CrownOpened;
        float opens = 0.0f;  // degrees: ATDC when crown-opened, BTDC when skirt-opened
        float closes = 0.0f; // degrees: BTDC when crown-opened, ATDC when skirt-opened
        float duration = 0.0f;
    };
    std::vector<Port> ports; // at most kMaxPorts
};

// Draws the diagram into area: the crank circle with TDC at the top, the
// direction of rotation (clockwise, as seen), BDC at its true angle, and each
// port's open arc on a ring of its own, in its own colour and line style,
// with a legend of names and angles below. Reads in black and white by the
// line styles alone. The same drawing serves the screen and the page.
void PaintTimingDiagram(QPainter& painter, const QRectF& area, const TimingDiagramData& data);

// The diagram as a widget beside the port rows.
class PortTimingDiagram : public QWidget {
    Q_OBJECT
public:
    explicit PortTimingDiagram(QWidget* parent = nullptr);

    void setData(TimingDiagramData data);
    const TimingDiagramData& data() const { return m_data; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TimingDiagramData m_data;
};

} // namespace crank
