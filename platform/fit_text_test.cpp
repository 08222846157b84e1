#include "platform/fit_text.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace crank {
namespace {

TEST(FitTextTest, ClosesUpOnlyTextsThatWouldBeClipped)
{
    const QString text = QStringLiteral("within their manufacturing tolerance limits, the");
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    const int natural = qCeil(QFontMetricsF(font).horizontalAdvance(text));
    const struct {
        const char* what;
        int width;
        bool condensed;
    } cases[] = {
        {"ample room", natural + 20, false},
        {"exact fit", natural, false},
        {"four per cent short", natural * 96 / 100, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QLabel label(text);
        label.setFont(font);
        label.resize(c.width, 17);
        condenseToFit(label);
        EXPECT_EQ(label.font().family(), font.family());
        EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 8.25);
        EXPECT_EQ(label.font().letterSpacing() < 100, c.condensed);
        EXPECT_LE(QFontMetricsF(label.font()).horizontalAdvance(text), c.width);
    }
}

// A value box is closed up for the widest value it will show, measured inside
// its frame and margins; a multi-line box for its longest line.
TEST(FitTextTest, ValueAndHelpBoxesFitTheirWidestText)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    const QString widest = QStringLiteral("176.25");
    const qreal natural = QFontMetricsF(font).horizontalAdvance(widest);
    const struct {
        const char* what;
        int width; // pixels, frameless, 2 px kept clear on each side
        bool condensed;
    } cases[] = {
        {"ample room", qCeil(natural) + 10, false},
        {"ten per cent short", qFloor(natural * 0.9) + 4, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QLineEdit box;
        box.setFrame(false);
        box.setTextMargins(0, 0, 0, 0);
        box.setFont(font);
        box.resize(c.width, 16);
        condenseToFit(box, widest);
        EXPECT_EQ(box.font().letterSpacing() < 100, c.condensed);
        EXPECT_LE(QFontMetricsF(box.font()).horizontalAdvance(widest), c.width - 4);
    }

    QPlainTextEdit help;
    help.setFont(font);
    help.setPlainText(QStringLiteral("short\na much longer line of help text\n"));
    const qreal longest =
        QFontMetricsF(font).horizontalAdvance(QStringLiteral("a much longer line of help text"));
    const qreal chrome = 2 * help.frameWidth() + 2 * help.document()->documentMargin();
    help.resize(qFloor(longest * 0.95 + chrome), 100);
    condenseToFit(help);
    EXPECT_LT(help.font().letterSpacing(), 100);
    EXPECT_LE(QFontMetricsF(help.font())
                  .horizontalAdvance(QStringLiteral("a much longer line of help text")),
              help.contentsRect().width() - 2 * help.document()->documentMargin());
}

} // namespace
} // namespace crank
