#include "platform/fit_text.h"

#include <QFontMetricsF>
#include <QLabel>

namespace crank {

void condenseToFit(QLabel& label)
{
    QFont font = label.font();
    const qreal available = label.contentsRect().width();
    // Down to 85 % in half per cent steps; below that the text would be
    // harder to read than clipped.
    for (qreal percent = 100; percent >= 85; percent -= 0.5) {
        font.setLetterSpacing(QFont::PercentageSpacing, percent);
        if (QFontMetricsF(font).horizontalAdvance(label.text()) <= available) {
            break;
        }
    }
    label.setFont(font);
}

} // namespace crank
