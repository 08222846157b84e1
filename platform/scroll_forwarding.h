#pragma once

class QScrollBar;
class QWidget;

namespace crank {

// Lets a scrolling panel follow the mouse wheel and the page keys the way it
// follows its scroll bar. The wheel over the viewport (a touchpad's smooth
// scrolling included) turns the scroll bar as the wheel over the bar itself
// does, a few values per notch; Page Up and Page Down anywhere on the
// viewport's window change the value by a viewport's height of panel. Both
// only change the scroll bar's value: the panel still moves through the
// bar's value-changed handling alone.
//
// viewport clips panel; both keep their heights for the whole run. The
// forwarding lives as long as the scroll bar.
void ForwardScrolling(QWidget& viewport, const QWidget& panel, QScrollBar& bar);

} // namespace crank
