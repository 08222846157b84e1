// Every caption, prompt, header and cell text of the data entry and tables
// screens shows whole in its fixed rectangle, measured with the font each
// control really uses, in the fullest states of both screens.
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <functional>
#include <memory>

#include "entry/eng_vals_fixture.h"

namespace crank {
namespace {

// Qt's line edit keeps this many pixels free on each side of its text, inside
// the frame and the text margins.
constexpr qreal kLineEditInnerMargin = 2;

struct WrappedLine {
    QString text;
    qreal width; // natural width of the line's text, pixels
    // Middle of `word` on this line, pixels from the box's left edge.
    std::function<qreal(const QString& word)> middleOf;
};

// The lines a word-wrapped text breaks into at the given width.
std::vector<WrappedLine> wrap(const QString& text, const QFont& font, qreal width,
                              Qt::Alignment alignment = Qt::AlignLeft)
{
    auto layout = std::make_shared<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setAlignment(alignment);
    layout->setTextOption(option);
    layout->beginLayout();
    std::vector<WrappedLine> lines;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        const int start = line.textStart();
        const QString lineText = text.mid(start, line.textLength());
        const int number = line.lineNumber();
        lines.push_back({lineText, line.naturalTextWidth(), [=](const QString& word) {
                             const QTextLine at = layout->lineAt(number);
                             const int from = start + static_cast<int>(lineText.indexOf(word));
                             const auto to = from + static_cast<int>(word.size());
                             return (at.cursorToX(from) + at.cursorToX(to)) / 2;
                         }});
    }
    layout->endLayout();
    return lines;
}

// Why a text does not fit a box of `room` pixels, or an empty string.
QString overflow(const QString& text, const QFont& font, const QSizeF& room, bool wraps)
{
    const QFontMetricsF metrics(font);
    if (!wraps) {
        const qreal width = metrics.horizontalAdvance(text);
        if (width > room.width() || metrics.height() > room.height()) {
            return QStringLiteral("needs %1 x %2 px, has %3 x %4")
                .arg(width)
                .arg(metrics.height())
                .arg(room.width())
                .arg(room.height());
        }
        return {};
    }
    const std::vector<WrappedLine> lines = wrap(text, font, room.width());
    const qreal height = static_cast<qreal>(lines.size()) * metrics.lineSpacing();
    for (const WrappedLine& line : lines) {
        if (line.width > room.width()) {
            return QStringLiteral("line \"%1\" needs %2 px, has %3")
                .arg(line.text)
                .arg(line.width)
                .arg(room.width());
        }
    }
    if (height > room.height() + metrics.leading()) {
        return QStringLiteral("%1 lines need %2 px high, has %3")
            .arg(lines.size())
            .arg(height)
            .arg(room.height());
    }
    return {};
}

QString buttonOverflow(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    QString caption = button.text();
    caption.remove(QLatin1Char('&'));
    return overflow(caption, button.font(), contents.size(), true);
}

QString lineEditOverflow(const QLineEdit& box)
{
    const int frame =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box) : 0;
    const QMargins margins = box.textMargins();
    const QSizeF room(box.width() - 2 * frame - margins.left() - margins.right() -
                          2 * kLineEditInnerMargin,
                      box.height() - 2 * frame - margins.top() - margins.bottom());
    return overflow(box.text(), box.font(), room, false);
}

QString helpBoxOverflow(const QPlainTextEdit& help)
{
    const qreal margin = help.document()->documentMargin();
    const QFontMetricsF metrics(help.font());
    QStringList lines = help.toPlainText().split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast(); // the end of the last line, not a line of its own
    }
    const QSizeF room(help.viewport()->width() - 2 * margin,
                      help.viewport()->height() - 2 * margin);
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > room.width()) {
            return QStringLiteral("line \"%1\" needs %2 px, has %3")
                .arg(line)
                .arg(metrics.horizontalAdvance(line))
                .arg(room.width());
        }
    }
    const qreal height = static_cast<qreal>(lines.size()) * metrics.lineSpacing();
    if (height > room.height() + metrics.leading()) {
        return QStringLiteral("%1 lines need %2 px high, has %3")
            .arg(lines.size())
            .arg(height)
            .arg(room.height());
    }
    return {};
}

// Every visible control of the screen whose text does not show whole, one a
// line.
std::string misfits(const QWidget& screen)
{
    QString found;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&screen)) {
            continue;
        }
        QString why;
        if (auto* label = qobject_cast<const QLabel*>(widget)) {
            why = overflow(label->text(), label->font(), label->contentsRect().size(),
                           label->wordWrap());
        } else if (auto* button = qobject_cast<const QPushButton*>(widget)) {
            why = buttonOverflow(*button);
        } else if (auto* box = qobject_cast<const QLineEdit*>(widget)) {
            why = lineEditOverflow(*box);
        } else if (auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            why = overflow(frame->title(), frame->font(), frame->size(), false);
        } else if (auto* help = qobject_cast<const QPlainTextEdit*>(widget)) {
            why = helpBoxOverflow(*help);
        }
        if (!why.isEmpty()) {
            found += widget->objectName() + QStringLiteral(": ") + why + QLatin1Char('\n');
        }
    }
    return found.toStdString();
}

// Every control that shows text uses the screens' designed face, the value
// cells a size smaller.
std::string foreignFonts(const QWidget& screen)
{
    QString found;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        const bool showsText = qobject_cast<const QLabel*>(widget) != nullptr ||
                               qobject_cast<const QAbstractButton*>(widget) != nullptr ||
                               qobject_cast<const QLineEdit*>(widget) != nullptr ||
                               qobject_cast<const QGroupBox*>(widget) != nullptr;
        auto* box = qobject_cast<const QLineEdit*>(widget);
        const qreal points = box != nullptr && box->isReadOnly() ? 7.5 : 8.25;
        if (showsText && (widget->font().family() != QStringLiteral("MS Sans Serif") ||
                          widget->font().pointSizeF() != points)) {
            found += widget->objectName() + QStringLiteral(": ") + widget->font().toString() +
                     QLatin1Char('\n');
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
        type(0, "250.00");
        type(1, "500.00");
        type(2, "-12.50");
        screen.findChild<QLineEdit*>(QStringLiteral("EngNamTxt"))
            ->setText(QStringLiteral("Twin Cylinder Two Stroke"));
        requestTables("3", {"100", "140", "176"});
        ASSERT_TRUE(command(1)->isEnabled());
    }
};

TEST_F(TextFitTest, DataEntryScreenShowsEveryTextWhole)
{
    fillFullest();
    EXPECT_EQ(misfits(screen), "");
    EXPECT_EQ(foreignFonts(screen), "");
    // The singular prompt of one table is shorter, but is measured as well.
    type(3, "1");
    EXPECT_EQ(misfits(screen), "");
}

TEST_F(TextFitTest, TablesScreenShowsEveryTextWhole)
{
    fillFullest();
    display();
    ASSERT_NE(tables, nullptr);
    ASSERT_TRUE(tables->isVisible());
    EXPECT_EQ(misfits(*tables), "");
    EXPECT_EQ(foreignFonts(*tables), "");
    // Displacements beyond 100 mm and 3-digit angles are among the cells.
    EXPECT_EQ(tables->findChild<QLineEdit*>(QStringLiteral("Ang3_3"))->text(),
              QStringLiteral("176.25"));

    // Zero offset: the shorter header over a single displacement column.
    tables->hide();
    screen.show();
    type(2, "0");
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
        const std::vector<WrappedLine> lines =
            wrap(header->text(), header->font(), contents.width(), header->alignment());
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].text.trimmed(), QStringLiteral("Displacement (mm)"));
        EXPECT_EQ(lines[1].text.simplified(), QStringLiteral("BTDC ATDC"));

        const qreal lineLeft = header->mapTo(tables.get(), contents.topLeft()).x();
        for (const auto& [column, word] :
             {std::pair{"DispB", "BTDC"}, std::pair{"DispA", "ATDC"}}) {
            SCOPED_TRACE(column);
            const qreal middle = lineLeft + lines[1].middleOf(QString::fromLatin1(word));
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
    QTest::keyClick(&screen, Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return tables && tables->isVisible(); }));
    tables->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tables.get()));
    QSignalSpy toData(tables.get(), &Ang_Disp::dataEntryRequested);
    QTest::keyClick(tables.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toData.count() == 1; }));

    tables->show();
    tables->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tables.get()));
    QTest::keyClick(tables.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return printer.printed.size() == 1; }));

    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    QSignalSpy toFront(&screen, &EngVals::frontScreenRequested);
    QTest::keyClick(&screen, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toFront.count() == 1; }));
}

} // namespace
} // namespace crank
