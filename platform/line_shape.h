#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace crank {

// A straight ruling line placed in twips in its parent's coordinates. Only
// horizontal and vertical lines occur; the widget covers the line's bounding
// box (at least one pixel thick) and paints it in one colour.
class LineShape : public QWidget {
    Q_OBJECT
public:
    explicit LineShape(QWidget* parent = nullptr);

    // End points in twips, parent coordinates.
    void setLine(int x1, int y1, int x2, int y2);
    // The end points last set, twips.
    QLine twipLine() const { return m_line; }

    void setColor(const QColor& color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line;
    QColor m_color{Qt::black};
};

} // namespace crank
