// Every text of both screens shows whole in its fixed rectangle, in the font it is drawn in.
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include "platform/line_shape.h"
#include "tests/navigator_fixture.h"

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
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        return {frame->title(), QSizeF(frame->width() - 2 * title.x(), title.height()), false};
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

// Named controls on show that stick out of their holder; the scrolling panel and the ruling
// lines, which the viewport clips, may.
std::string outside(const QWidget& screen)
{
    std::string found;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        const bool clipped =
            name == QStringLiteral("fdisp_2") || qobject_cast<const LineShape*>(widget);
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || clipped ||
            !widget->isVisibleTo(&screen)) {
            continue;
        }
        if (!widget->parentWidget()->rect().contains(widget->geometry())) {
            found += name.toStdString() + " ";
        }
    }
    return found;
}

// The fullest states: the widest texts, three offset tables, then one table without offset,
// which has the shorter header in its narrower label.
class TextFitTest : public ScreensTest {
protected:
    template <class Check> void inEveryState(Check check)
    {
        enterGeometry("250.00", "500.00", "-12.50");
        child<QLineEdit>(entry(), "EngNamTxt")->setText("Twin Cylinder Two Stroke");
        requestTables("3", {"100", "140", "176"});
        check(entry());
        // 25 of the widest letter: the name box scrolls them, the summary frame closes them up.
        child<QLineEdit>(entry(), "EngNamTxt")->setText(QString(25, QLatin1Char('W')));
        display();
        ASSERT_NE(tables(), nullptr);
        check(*tables());
        returnToEntry();
        type(2, "0");
        requestTables("1", {"100"});
        display();
        check(*tables());
    }
};

TEST_F(TextFitTest, EveryTextShowsWholeInsideItsHolder)
{
    inEveryState([](const QWidget& screen) {
        EXPECT_EQ(misfits(screen), "");
        EXPECT_EQ(outside(screen), "");
    });
}

} // namespace
} // namespace crank
