// Every text of both screens shows whole in its fixed rectangle, in the font it is drawn in.
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QStyleOptionButton>

#include "tests/screens_fixture.h"

namespace crank {
namespace {

// The text a control shows, the room it has for it in pixels, and whether it wraps.
struct Room {
    QString text;
    QSizeF size;
    bool wraps = false;
};

Room roomOf(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        return {label->text(), label->contentsRect().size(), label->wordWrap()};
    }
    if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return {button->text().remove(QLatin1Char('&')), room.size(), true};
    }
    if (auto* box = qobject_cast<const QLineEdit*>(&widget)) {
        // Qt's line edit keeps 2 px free on each side inside its frame.
        const int frame =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box)
                            : 0;
        return {box->text(), QSizeF(box->width() - 2 * frame - 4, box->height() - 2 * frame),
                false};
    }
    if (auto* help = qobject_cast<const QPlainTextEdit*>(&widget)) {
        const qreal m = 2 * help->document()->documentMargin();
        return {help->toPlainText().chopped(1), help->viewport()->size() - QSizeF(m, m), false};
    }
    return {};
}

// Visible controls whose text is clipped; controls not in the design's face (cells: 7.5 pt).
std::string misfits(const QWidget& screen)
{
    std::string found;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        const Room shown = roomOf(*widget);
        const QSizeF room = shown.size;
        const QFont& font = widget->font();
        const QRectF needed = QFontMetricsF(font).boundingRect(
            QRectF(0, 0, room.width(), 1e6), shown.wraps ? Qt::TextWordWrap : 0, shown.text);
        if (!room.isEmpty() && widget->isVisibleTo(&screen) &&
            (needed.width() > room.width() || needed.height() > room.height())) {
            found += widget->objectName().toStdString() + " clips " + shown.text.toStdString();
        }
        auto* box = qobject_cast<const QLineEdit*>(widget);
        if (!room.isEmpty() && (font.family() != QStringLiteral("MS Sans Serif") ||
                                font.pointSizeF() != (box && box->isReadOnly() ? 7.5 : 8.25))) {
            found += widget->objectName().toStdString() + " in " + font.toString().toStdString();
        }
    }
    return found;
}

using TextFitTest = ScreensTest;

TEST_F(TextFitTest, TheFullestStatesShowEveryTextWhole)
{
    enterGeometry("250.00", "500.00", "-12.50");
    child<QLineEdit>(entry(), "EngNamTxt")->setText("Twin Cylinder Two Stroke"); // the widest texts
    requestTables("3", {"100", "140", "176"});
    EXPECT_EQ(misfits(entry()), "");
    display();
    ASSERT_NE(tables(), nullptr);
    EXPECT_EQ(misfits(*tables()), "");
    returnToEntry(); // zero offset: the shorter header in its narrower label
    type(2, "0");
    requestTables("1", {"100"});
    display();
    EXPECT_EQ(misfits(*tables()), "");
}

} // namespace
} // namespace crank
