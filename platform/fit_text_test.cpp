#include "platform/fit_text.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace crank {
namespace {

// Only texts that would be clipped are closed up, until they fit, keeping the
// family and size; a value box inside its 2 px side margins, a help box inside
// the frame and document margins.
TEST(FitTextTest, ClosesUpOnlyWhatWouldBeClipped)
{
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    auto advance = [](const QWidget& w, const QString& t) {
        return QFontMetricsF(w.font()).horizontalAdvance(t);
    };
    const QString text = "within their manufacturing tolerance limits, the";
    QLabel label(text);
    label.setFont(font);
    const int natural = qCeil(advance(label, text));
    for (auto [width, condensed] : {std::pair{natural, false}, {natural * 96 / 100, true}}) {
        label.setFont(font);
        label.resize(width, 17);
        condenseToFit(label);
        EXPECT_EQ(std::pair(label.font().family(), label.font().pointSizeF()),
                  std::pair(font.family(), 8.25));
        EXPECT_EQ(label.font().letterSpacing() < 100, condensed) << width;
        EXPECT_LE(advance(label, text), width);
    }
    QLineEdit box;
    box.setFrame(false);
    box.setTextMargins(0, 0, 0, 0);
    box.setFont(font);
    box.resize(qFloor(advance(box, "176.25") * 0.9) + 4, 16);
    condenseToFit(box, "176.25");
    EXPECT_LE(advance(box, "176.25"), box.width() - 4);
    const QString longest = "a much longer line of help text";
    QPlainTextEdit help("short\n" + longest + "\n");
    help.setFont(font);
    const qreal margin = help.document()->documentMargin();
    help.resize(qFloor(advance(help, longest) * 0.95 + 2 * (help.frameWidth() + margin)), 100);
    condenseToFit(help);
    EXPECT_LE(advance(help, longest), help.contentsRect().width() - 2 * margin);
}

// A label of a hidden screen is closed up when the screen is shown, one on
// screen at once.
TEST(FitTextTest, ClosesUpWhenShown)
{
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    const QString text = "within their manufacturing tolerance limits, the";
    const int narrow = qFloor(QFontMetricsF(font).horizontalAdvance(text) * 0.96);
    QWidget screen;
    QLabel hidden(text, &screen);
    QLabel shown(text, &screen);
    for (QLabel* label : {&hidden, &shown}) {
        label->setFont(font);
        label->resize(narrow, 17);
    }
    condenseToFitWhenShown(hidden);
    screen.show();
    condenseToFitWhenShown(shown);
    for (QLabel* label : {&hidden, &shown}) {
        EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(text), narrow)
            << (label == &hidden ? "hidden" : "shown");
    }
}

} // namespace
} // namespace crank
