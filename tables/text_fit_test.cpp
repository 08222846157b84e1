// Every caption, prompt, header and cell text of the data entry and tables
// screens shows whole in its fixed rectangle, measured with the font each
// control really uses, in the fullest states of both screens.
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTextLayout>

#include "entry/eng_vals_fixture.h"

namespace crank {
namespace {

// Why a text does not fit `room` pixels (wrapped at its width when `wraps`),
// or an empty string.
QString overflow(QString text, const QFont& font, const QSizeF& room, bool wraps)
{
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1); // the end of the last line, not a line of its own
    }
    const QFontMetricsF metrics(font);
    const QRectF needed = metrics.boundingRect(QRectF(QPointF(), QSizeF(room.width(), 1e6)),
                                               wraps ? Qt::TextWordWrap : 0, text);
    if (needed.width() > room.width() || needed.height() > room.height()) {
        return QStringLiteral("\"%1\" needs %2 x %3 px, has %4 x %5")
            .arg(text.left(30))
            .arg(needed.width())
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height());
    }
    return {};
}

QString overflowOf(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        return overflow(label->text(), label->font(), label->contentsRect().size(),
                        label->wordWrap());
    }
    if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return overflow(button->text().remove(QLatin1Char('&')), button->font(), contents.size(),
                        true);
    }
    if (auto* box = qobject_cast<const QLineEdit*>(&widget)) {
        // Qt's line edit keeps 2 px free on each side inside its frame and margins.
        const int frame =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box)
                            : 0;
        const QMargins m = box->textMargins();
        const QSizeF room(box->width() - 2 * frame - m.left() - m.right() - 4,
                          box->height() - 2 * frame - m.top() - m.bottom());
        return overflow(box->text(), box->font(), room, false);
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return overflow(frame->title(), frame->font(), frame->size(), false);
    }
    if (auto* help = qobject_cast<const QPlainTextEdit*>(&widget)) {
        const qreal margin = 2 * help->document()->documentMargin();
        const QSizeF room(help->viewport()->width() - margin, help->viewport()->height() - margin);
        return overflow(help->toPlainText(), help->font(), room, false);
    }
    return {};
}

// Every visible control whose text does not show whole, and every control
// showing text in another face than the design's (value cells a size smaller).
std::string misfits(const QWidget& screen)
{
    QString found;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        QString why = widget->isVisibleTo(&screen) ? overflowOf(*widget) : QString();
        const bool showsText =
            qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
            qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QGroupBox*>(widget);
        auto* box = qobject_cast<const QLineEdit*>(widget);
        const qreal points = box != nullptr && box->isReadOnly() ? 7.5 : 8.25;
        if (showsText && (widget->font().family() != QStringLiteral("MS Sans Serif") ||
                          widget->font().pointSizeF() != points)) {
            why += QStringLiteral(" font ") + widget->font().toString();
        }
        if (!why.isEmpty()) {
            found += widget->objectName() + QStringLiteral(": ") + why + QLatin1Char('\n');
        }
    }
    return found.toStdString();
}

class TextFitTest : public EngValsTest {
protected:
    // The widest texts the sequence can produce: a long engine name, 3-digit
    // stroke and rod, a signed offset (so BTDC and ATDC columns), three tables
    // with 3-digit angles and displacements of 100 mm and more.
    void fillFullest()
    {
        enterGeometry("250.00", "500.00", "-12.50");
        child<QLineEdit>(QStringLiteral("EngNamTxt"))
            ->setText(QStringLiteral("Twin Cylinder Two Stroke"));
        requestTables("3", {"100", "140", "176"});
        ASSERT_TRUE(command(1)->isEnabled());
    }
};

TEST_F(TextFitTest, BothScreensShowEveryTextWhole)
{
    fillFullest();
    EXPECT_EQ(misfits(screen), "");
    display();
    ASSERT_NE(tables, nullptr);
    EXPECT_EQ(misfits(*tables), "");
    EXPECT_EQ(tables->findChild<QLineEdit*>(QStringLiteral("Ang3_3"))->text(),
              QStringLiteral("176.25"));
    // The singular prompt of one table; zero offset: the shorter header.
    tables->hide();
    screen.show();
    type(2, "0");
    type(3, "1");
    EXPECT_EQ(misfits(screen), "");
    type(4, "100");
    display();
    EXPECT_EQ(misfits(*tables), "");
}

// The offset header breaks after "(mm)"; BTDC and ATDC stand on the second
// line, each over the middle part of its own column.
TEST_F(TextFitTest, OffsetHeaderWordsStandOverTheirColumns)
{
    fillFullest();
    display();
    ASSERT_NE(tables, nullptr);
    for (int t = 1; t <= 3; ++t) {
        SCOPED_TRACE(t);
        auto* header = tables->findChild<QLabel*>(QStringLiteral("Lab%1b").arg(t));
        const QRect contents = header->contentsRect();
        const QString text = header->text();
        QTextLayout layout(text, header->font());
        QTextOption option(header->alignment());
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(contents.width());
        }
        layout.endLayout();
        ASSERT_EQ(layout.lineCount(), 2);
        const QTextLine second = layout.lineAt(1);
        EXPECT_EQ(text.left(second.textStart()).trimmed(), QStringLiteral("Displacement (mm)"));
        EXPECT_EQ(text.mid(second.textStart()).simplified(), QStringLiteral("BTDC ATDC"));

        const qreal lineLeft = header->mapTo(tables.get(), contents.topLeft()).x();
        for (const auto& [column, word] : {std::pair{"DispB", "BTDC"}, {"DispA", "ATDC"}}) {
            SCOPED_TRACE(column);
            const auto from = static_cast<int>(text.indexOf(QString::fromLatin1(word)));
            const qreal middle =
                lineLeft + (second.cursorToX(from) + second.cursorToX(from + 4)) / 2;
            auto* cell = tables->findChild<QLineEdit*>(
                QStringLiteral("%1%2_0").arg(QString::fromLatin1(column)).arg(t));
            const int cellLeft = cell->mapTo(tables.get(), QPoint(0, 0)).x();
            EXPECT_GT(middle, cellLeft + cell->width() / 4.0);
            EXPECT_LT(middle, cellLeft + cell->width() * 3 / 4.0);
        }
    }
}

// The access keys still reach the command buttons with their own painting
// (a button clicks a moment after its key, as if pressed).
TEST_F(TextFitTest, AccessKeysReachTheCommands)
{
    fillFullest();
    const auto activate = [](QWidget* window) {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    };
    QTest::keyClick(&screen, Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return tables && tables->isVisible(); }));
    ASSERT_TRUE(activate(tables.get()));
    QSignalSpy toData(tables.get(), &Ang_Disp::dataEntryRequested);
    QTest::keyClick(tables.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toData.count() == 1; }));

    ASSERT_TRUE(activate(tables.get()));
    QTest::keyClick(tables.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return printer.printed.size() == 1; }));

    ASSERT_TRUE(activate(&screen));
    QSignalSpy toFront(&screen, &EngVals::frontScreenRequested);
    QTest::keyClick(&screen, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toFront.count() == 1; }));
}

} // namespace
} // namespace crank
