#pragma once

#include <QRect>
#include <QSize>

#include "platform/twips.h"

namespace crank {

// A twip rectangle (Left, Top, Width, Height) in logical pixels. Right and
// bottom edges are rounded, not the width, so that adjacent controls stay
// adjacent.
QRect twipRect(int left, int top, int width, int height);

// A twip size in logical pixels.
QSize twipSize(int width, int height);

} // namespace crank
