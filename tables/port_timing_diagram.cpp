#include "tables/port_timing_diagram.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace crank {
namespace {

// Colours dark enough for a grey printer; each port also has its own dash
// pattern (in pen widths), so the arcs tell apart in black and white.
const std::array<QColor, kMaxPorts> kColours = {
    QColor(200, 0, 0),   QColor(0, 70, 200),  QColor(0, 130, 0),   QColor(220, 110, 0),
    QColor(120, 0, 160), QColor(0, 130, 140), QColor(120, 70, 20), QColor(200, 0, 140)};
const std::array<QList<qreal>, kMaxPorts> kDashes = {
    QList<qreal>{},           QList<qreal>{4, 2},      QList<qreal>{1, 1.5},
    QList<qreal>{4, 2, 1, 2}, QList<qreal>{8, 2},      QList<qreal>{4, 2, 1, 2, 1, 2},
    QList<qreal>{8, 2, 3, 2}, QList<qreal>{2, 1, 2, 4}};

// Layout in units of a hundredth of the diagram's width.
constexpr double kWidthUnits = 100;
constexpr double kHeightUnits = 132;
constexpr double kRadius = 30;    // outermost port ring
constexpr double kRingStep = 3.2; // between port rings
constexpr double kTop = 10;       // above the circle: the TDC label

// A point at crank angle degrees ATDC, clockwise from the top, rho from the centre.
QPointF at(const QPointF& centre, double degrees, double rho)
{
    const double rad = degrees * std::numbers::pi / 180.0;
    return {centre.x() + rho * std::sin(rad), centre.y() - rho * std::cos(rad)};
}

// An arc clockwise from `from` degrees ATDC through `sweep` degrees.
QPainterPath arc(const QPointF& centre, double rho, double from, double sweep)
{
    const QRectF box(centre.x() - rho, centre.y() - rho, 2 * rho, 2 * rho);
    QPainterPath path;
    // Qt counts counter-clockwise from three o'clock.
    path.arcMoveTo(box, 90.0 - from);
    path.arcTo(box, 90.0 - from, -sweep);
    return path;
}

QString angle(float degrees)
{
    return QString::fromStdString(FormatAngle(degrees));
}

} // namespace

void PaintTimingDiagram(QPainter& painter, const QRectF& area, const TimingDiagramData& data)
{
    const double u = std::min(area.width() / kWidthUnits, area.height() / kHeightUnits);
    const QPointF centre(area.left() + kWidthUnits * u / 2, area.top() + (kTop + kRadius + 4) * u);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The user interface's own face, also on the page, whose painter comes
    // with the rows' fixed-pitch font.
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(3.4 * u))));
    painter.setFont(font);
    const auto label = [&](const QPointF& middle, const QString& text) {
        const QRectF box(middle.x() - 20 * u, middle.y() - 2.5 * u, 40 * u, 5 * u);
        painter.drawText(box, Qt::AlignCenter, text);
    };

    // The crank circle, TDC and BDC.
    const double outer = (kRadius + 2) * u;
    painter.setPen(QPen(Qt::black, 0.3 * u));
    painter.drawEllipse(centre, outer, outer);
    painter.drawLine(centre, at(centre, 0, outer + 1.5 * u));
    label(at(centre, 0, outer + 4 * u), QStringLiteral("TDC"));
    QPen bdcPen(Qt::black, 0.3 * u, Qt::DashLine);
    painter.setPen(bdcPen);
    painter.drawLine(centre, at(centre, data.bdcAngle, outer + 1.5 * u));
    painter.setPen(QPen(Qt::black, 0.3 * u));
    label(at(centre, data.bdcAngle, outer + 4 * u),
          QStringLiteral("BDC %1").arg(
              QString::fromStdString(FormatLength(data.bdcAngle, LengthUnit::Millimetre))));

    // The direction of rotation: an arrow just outside the circle past TDC.
    const double arrowRho = outer + 4 * u;
    painter.drawPath(arc(centre, arrowRho, 20, 40));
    const QPointF tip = at(centre, 60, arrowRho);
    const QPointF back = at(centre, 53, arrowRho);
    const QPointF side(-(tip.y() - back.y()) * 0.5, (tip.x() - back.x()) * 0.5);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({tip, back + side, back - side}));
    painter.setBrush(Qt::NoBrush);
    label(at(centre, 40, arrowRho + 5 * u), QStringLiteral("rotation"));

    // The ports: each on its own ring, from the outside in; crown-opened
    // arcs pass BDC, skirt-opened ones TDC.
    double legendY = area.top() + (kTop + 2 * kRadius + 18) * u;
    for (std::size_t i = 0; i < data.ports.size() && i < kMaxPorts; ++i) {
        const TimingDiagramData::Port& port = data.ports[i];
        const bool crown = port.kind == PortKind::CrownOpened;
        const double from = crown ? double{port.opens} : 360.0 - double{port.opens};
        const double rho = (kRadius - kRingStep * static_cast<double>(i)) * u;
        QPen pen(kColours[i], 1.0 * u, Qt::CustomDashLine, Qt::FlatCap);
        if (kDashes[i].isEmpty()) {
            pen.setStyle(Qt::SolidLine);
        } else {
            pen.setDashPattern(kDashes[i]);
        }
        painter.setPen(pen);
        painter.drawPath(arc(centre, rho, from, double{port.duration}));
        const QString number = QString::number(i + 1);
        QPen solid(kColours[i], 0.4 * u);
        painter.setPen(solid);
        for (const double end : {from, from + double{port.duration}}) {
            painter.drawLine(at(centre, end, rho - 1.2 * u), at(centre, end, rho + 1.2 * u));
        }
        // The port's number where its arc starts, to find it in the legend.
        painter.setPen(Qt::black);
        const QPointF mark = at(centre, from + 4.0, rho);
        const QRectF markBox(mark.x() - 1.5 * u, mark.y() - 1.5 * u, 3 * u, 3 * u);
        painter.fillRect(markBox, Qt::white);
        painter.drawText(markBox, Qt::AlignCenter, number);

        // Legend: a sample of the line, then number, name and angles.
        painter.setPen(pen);
        painter.drawLine(QPointF(area.left() + 2 * u, legendY),
                         QPointF(area.left() + 14 * u, legendY));
        painter.setPen(Qt::black);
        const QString text =
            QStringLiteral("%1 %2: %3 %4 to %5 %6, %7 deg")
                .arg(number, port.name, angle(port.opens), crown ? "ATDC" : "BTDC",
                     angle(port.closes), crown ? "BTDC" : "ATDC", angle(port.duration));
        painter.drawText(QRectF(area.left() + 16 * u, legendY - 2.5 * u, 84 * u, 5 * u),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        legendY += 5.5 * u;
    }
    painter.restore();
}

PortTimingDiagram::PortTimingDiagram(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("timingDiagram"));
    setMinimumSize(300, 396);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void PortTimingDiagram::setData(TimingDiagramData data)
{
    m_data = std::move(data);
    update();
}

QSize PortTimingDiagram::sizeHint() const
{
    return {380, 502};
}

void PortTimingDiagram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintTimingDiagram(painter, QRectF(rect()).adjusted(4, 4, -4, -4), m_data);
}

} // namespace crank
