#pragma once

#include <functional>

class QObject;
class QWidget;

namespace crank {

// Work that can wait until a window is on screen: queued on context once the
// window has next been painted, behind whatever else waits to be painted, so
// that what the user waits for comes first. Dropped if the window or the
// context goes first.
void AfterNextPaint(QWidget& window, QObject& context, std::function<void()> work);

} // namespace crank
