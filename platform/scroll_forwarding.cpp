#include "platform/scroll_forwarding.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace crank {
namespace {

class ScrollForwarder final : public QObject {
public:
    ScrollForwarder(QWidget& viewport, const QWidget& panel, QScrollBar& bar)
        : QObject(&bar), m_viewport(viewport), m_panel(panel), m_bar(bar)
    {
        viewport.installEventFilter(this);
        viewport.window()->installEventFilter(this);
        // The bar takes the page keys itself when it has the focus, by its
        // page step of one value.
        bar.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel && (watched == &m_viewport || watched == &m_bar)) {
            turn(static_cast<const QWheelEvent*>(event)->angleDelta().y());
            return true;
        }
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) {
            return false;
        }
        if (key->key() == Qt::Key_PageDown) {
            m_bar.setValue(m_bar.value() + page());
            return true;
        }
        if (key->key() == Qt::Key_PageUp) {
            m_bar.setValue(m_bar.value() - page());
            return true;
        }
        return false;
    }

private:
    // The bar's own wheel handling moves at most a page step (one value) an
    // event. Here a notch (120 eighths of a degree) is the desktop's wheel
    // lines in values; a touchpad's smaller steps add up to whole values.
    void turn(int eighths)
    {
        const qreal values =
            qreal(QApplication::wheelScrollLines()) * eighths / 120 * m_bar.singleStep();
        if (values * m_pending < 0) {
            m_pending = 0; // turned back
        }
        m_pending += values;
        const int whole = static_cast<int>(m_pending);
        m_pending -= whole;
        // Wheel away from you (positive) scrolls towards the top.
        m_bar.setValue(m_bar.value() - whole);
    }

    // Scroll values that move the panel by about the viewport's height.
    int page() const
    {
        const int travel = m_panel.height() - m_viewport.height();
        const int range = m_bar.maximum() - m_bar.minimum();
        return travel > 0 ? std::max(1, m_viewport.height() * range / travel) : range;
    }

    QWidget& m_viewport;
    const QWidget& m_panel;
    QScrollBar& m_bar;
    qreal m_pending = 0; // a part of a value still to scroll
};

} // namespace

void ForwardScrolling(QWidget& viewport, const QWidget& panel, QScrollBar& bar)
{
    new ScrollForwarder(viewport, panel, bar);
}

} // namespace crank
