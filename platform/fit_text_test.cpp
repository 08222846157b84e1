#include "platform/fit_text.h"

#include <QFontMetricsF>
#include <QLabel>
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

} // namespace
} // namespace crank
