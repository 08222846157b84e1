#include "platform/line_shape.h"

#include <QPainter>
#include <algorithm>

#include "platform/twips.h"

namespace crank {

LineShape::LineShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineShape::setLine(int x1, int y1, int x2, int y2)
{
    m_line = QLine(x1, y1, x2, y2);
    const int left = twipsToPixels(std::min(x1, x2));
    const int top = twipsToPixels(std::min(y1, y2));
    const int right = twipsToPixels(std::max(x1, x2));
    const int bottom = twipsToPixels(std::max(y1, y2));
    // A line includes both end points, so a vertical line is one pixel wide.
    setGeometry(left, top, right - left + 1, bottom - top + 1);
}

void LineShape::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

} // namespace crank
