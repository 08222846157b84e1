#include "platform/fit_text.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace crank {
namespace {

QFont screenFont()
{
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    return font;
}

qreal advance(const QFont& font, const QString& text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

// Only texts that would be clipped are closed up, and then until they fit,
// keeping the family and size.
TEST(FitTextTest, ClosesUpOnlyWhatWouldBeClipped)
{
    const QString text = "within their manufacturing tolerance limits, the";
    const int natural = qCeil(advance(screenFont(), text));
    for (auto [width, condensed] :
         {std::pair{natural + 20, false}, {natural, false}, {natural * 96 / 100, true}}) {
        SCOPED_TRACE(width - natural);
        QLabel label(text);
        label.setFont(screenFont());
        label.resize(width, 17);
        condenseToFit(label);
        EXPECT_EQ(label.font().family(), screenFont().family());
        EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 8.25);
        EXPECT_EQ(label.font().letterSpacing() < 100, condensed);
        EXPECT_LE(advance(label.font(), text), width);
    }
    // A value box, for the widest value it will show, inside its 2 px side
    // margins; 10 % short.
    QLineEdit box;
    box.setFrame(false);
    box.setTextMargins(0, 0, 0, 0);
    box.setFont(screenFont());
    box.resize(qFloor(advance(screenFont(), "176.25") * 0.9) + 4, 16);
    condenseToFit(box, "176.25");
    EXPECT_LE(advance(box.font(), "176.25"), box.width() - 4);
    // A help box, for its longest line inside the frame and document margins.
    const QString longest = "a much longer line of help text";
    QPlainTextEdit help("short\n" + longest + "\n");
    help.setFont(screenFont());
    const qreal margin = help.document()->documentMargin();
    help.resize(qFloor(advance(screenFont(), longest) * 0.95 + 2 * help.frameWidth() + 2 * margin),
                100);
    condenseToFit(help);
    EXPECT_LE(advance(help.font(), longest), help.contentsRect().width() - 2 * margin);
}

} // namespace
} // namespace crank
