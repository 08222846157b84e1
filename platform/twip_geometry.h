#pragma once

#include <QRect>

class QWidget;

namespace crank {

// Places a control at a twip rectangle (in logical pixels through twipRect)
// and remembers the twip rectangle itself, so that code which computes in
// twips (the scrolling of a panel) reads the designed values rather than
// values rounded to whole pixels.
void setTwipGeometry(QWidget& widget, const QRect& twips);

// The twip rectangle last given to setTwipGeometry; for a control never
// placed that way, its pixel geometry scaled to twips.
QRect twipGeometry(const QWidget& widget);

} // namespace crank
