// Every caption, prompt, header and cell text of the data entry and tables
// screens shows whole in its fixed rectangle, measured with the font each
// control really uses, in the fullest states of both screens.
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QStyleOptionButton>

#include "entry/eng_vals_fixture.h"

namespace crank {
namespace {

// The text a control shows and the room it has for it, pixels; wrapped or not.
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
        option.text = button->text();
        return {
            button->text().remove(QLatin1Char('&')),
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size(),
            true};
    }
    if (auto* box = qobject_cast<const QLineEdit*>(&widget)) {
        // Qt's line edit keeps 2 px free on each side inside its frame.
        const int frame =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box)
                            : 0;
        return {box->text(), QSizeF(box->width() - 2 * frame - 4, box->height() - 2 * frame)};
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return {frame->title(), frame->size()};
    }
    if (auto* help = qobject_cast<const QPlainTextEdit*>(&widget)) {
        const qreal margin = 2 * help->document()->documentMargin();
        return {help->toPlainText().chopped(1), help->viewport()->size() - QSizeF(margin, margin)};
    }
    return {};
}

// Every visible control whose text does not show whole, and every control
// showing text in another face than the design's (value cells a size smaller).
std::string misfits(const QWidget& screen)
{
    std::string found;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        const Room room = roomOf(*widget);
        if (room.size.isEmpty()) {
            continue; // no text
        }
        const QRectF needed = QFontMetricsF(widget->font())
                                  .boundingRect(QRectF(0, 0, room.size.width(), 1e6),
                                                room.wraps ? Qt::TextWordWrap : 0, room.text);
        if (widget->isVisibleTo(&screen) &&
            (needed.width() > room.size.width() || needed.height() > room.size.height())) {
            found += widget->objectName().toStdString() + " clips " + room.text.toStdString();
        }
        auto* box = qobject_cast<const QLineEdit*>(widget);
        const qreal points = box != nullptr && box->isReadOnly() ? 7.5 : 8.25;
        if ((widget->font().family() != QStringLiteral("MS Sans Serif") ||
             widget->font().pointSizeF() != points)) {
            found += widget->objectName().toStdString() + " in " +
                     widget->font().toString().toStdString();
        }
    }
    return found;
}

class TextFitTest : public EngValsTest {
protected:
    // The widest texts: a long engine name, 3-digit stroke and rod, an offset
    // (BTDC and ATDC columns), three tables with 3-digit angles and 100 mm and more.
    void fillFullest()
    {
        enterGeometry("250.00", "500.00", "-12.50");
        child<QLineEdit>(QStringLiteral("EngNamTxt"))
            ->setText(QStringLiteral("Twin Cylinder Two Stroke"));
        requestTables("3", {"100", "140", "176"});
    }
};

TEST_F(TextFitTest, BothScreensShowEveryTextWhole)
{
    fillFullest();
    EXPECT_EQ(misfits(screen), "");
    display();
    ASSERT_NE(tables, nullptr);
    EXPECT_EQ(misfits(*tables), "");
    // The singular prompt of one table; zero offset: the shorter header.
    tables->hide();
    screen.show();
    type(2, "0");
    requestTables("1", {"100"});
    EXPECT_EQ(misfits(screen), "");
    display();
    EXPECT_EQ(misfits(*tables), "");
}

} // namespace
} // namespace crank
