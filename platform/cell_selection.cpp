#include "platform/cell_selection.h"

#include <QEvent>
#include <QLineEdit>
#include <QList>
#include <QWidget>

namespace crank {
namespace {

class WholeValueSelection final : public QObject {
public:
    explicit WholeValueSelection(QWidget& window) : QObject(&window)
    {
        for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
            if (box->isReadOnly()) {
                m_cells.append(box);
            }
        }
        window.installEventFilter(this);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            widget->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
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

private:
    QList<QLineEdit*> m_cells;
};

} // namespace

void SelectWholeValues(QWidget& window)
{
    new WholeValueSelection(window);
}

} // namespace crank
