#pragma once

class QWidget;

namespace crank {

// Selection in the read-only text boxes of a window (the cells of a table),
// so that what is highlighted is exactly what a copy takes: a double-click
// selects the whole value ("31.73", where a text box would take only the
// word "." or "73"), and a press of any mouse button anywhere else on the
// window clears every such selection. Covers the boxes and controls that
// exist when it is installed; lives as long as the window.
void SelectWholeValues(QWidget& window);

} // namespace crank
