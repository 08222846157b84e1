#pragma once

#include <QList>
#include <QObject>

class QLineEdit;
class QWidget;

namespace crank {

// Selection in the read-only text boxes of a window (the cells of a table),
// so that what is highlighted is exactly what a copy takes: a double-click
// selects the whole value ("31.73", where a text box would take only the
// word "." or "73"), and a press of any mouse button anywhere else on the
// window clears every such selection. Covers the boxes and controls that
// exist when it is installed, and those handed to add; lives as long as the
// window.
class WholeValueSelection final : public QObject {
public:
    explicit WholeValueSelection(QWidget& window);

    // Boxes made after the selection was installed.
    void add(const QList<QLineEdit*>& boxes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLineEdit*> m_cells;
};

// Installs the selection on window; it belongs to the window.
WholeValueSelection* SelectWholeValues(QWidget& window);

} // namespace crank
