#include "platform/cell_selection.h"

#include <QEvent>
#include <QLineEdit>
#include <QWidget>

namespace crank {

WholeValueSelection::WholeValueSelection(QWidget& window) : QObject(&window)
{
    window.installEventFilter(this);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        widget->installEventFilter(this);
    }
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (box->isReadOnly()) {
            m_cells.append(box);
        }
    }
}

void WholeValueSelection::add(const QList<QLineEdit*>& boxes)
{
    for (QLineEdit* box : boxes) {
        box->installEventFilter(this);
        if (box->isReadOnly()) {
            m_cells.append(box);
        }
    }
}

bool WholeValueSelection::eventFilter(QObject* watched, QEvent* event)
{
    auto* pressed = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::MouseButtonDblClick && m_cells.contains(pressed)) {
        QLineEdit* cell = pressed;
        cell->setFocus(Qt::MouseFocusReason);
        cell->selectAll();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        // A cell keeps its selection while the focus stays in it, and a
        // click on the background does not take the focus.
        for (QLineEdit* cell : m_cells) {
            if (cell != pressed && cell->hasSelectedText()) {
                cell->deselect();
            }
        }
    }
    return false;
}

WholeValueSelection* SelectWholeValues(QWidget& window)
{
    return new WholeValueSelection(window);
}

} // namespace crank
