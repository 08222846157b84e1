// Find, copy and save on the tables screen after a display.
#include "tables/tables_extras.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>

#include "platform/twips.h"
#include "tables/find_angle_dialog.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

// Two tables of the engine with a -0.5 mm offset, under a name that needs quoting.
class TablesExtrasTest : public TablesScreenTest {
protected:
    TablesExtrasTest() { show(DisplayKart(state, -0.5f, 2, {0, 0, 90, 0}, "Kart, \"twin\"")); }
    // A row of the screen's cells, joined as in the copied or saved text.
    QString shownRow(int table, int row, const QString& separator)
    {
        QStringList texts;
        for (const char* column : {"Ang", "DispB", "DispA"}) {
            texts.append(Cell(tables, column, table, row)->text());
        }
        return texts.join(separator);
    }
    // The engine line as given, then the other summary lines; per table a blank line, a header
    // line and the rows of cells; every line ended.
    void expectScreenIn(const QString& text, const QString& separator, const QString& eol,
                        const QString& engineLine)
    {
        const QStringList lines = text.split(eol);
        ASSERT_EQ(lines.size(), 5 + 2 * (2 + kRowsPerTable) + 1);
        EXPECT_EQ(lines[0], engineLine);
        EXPECT_EQ(lines[4].section(separator, 1), "179.86");
        EXPECT_EQ(lines[8 + kRowsPerTable].section(separator, 0, 0), "Angle (deg)");
        EXPECT_EQ(lines[7], shownRow(1, 0, separator));
        EXPECT_EQ(lines[57 + kRowsPerTable], shownRow(2, 48, separator));
        EXPECT_EQ(lines.last(), "");
    }
    // Opens the finder with Ctrl+F and types the drop; the finder's label `name` as shown.
    QString find(const char* drop, const char* name)
    {
        QTest::keyClick(&tables, Qt::Key_F, Qt::ControlModifier);
        auto* box = extras->findDialog()->findChild<QLineEdit*>(QStringLiteral("dropTxt"));
        box->clear();
        QTest::keyClicks(box, QString::fromLatin1(drop));
        const auto* label = extras->findDialog()->findChild<QLabel*>(QLatin1String(name));
        return label->isHidden() ? QString() : label->text();
    }
    // The shortcut that the right-click menu over source shows at an entry; "-" for none.
    static QString menuShortcut(QWidget* source, const QString& entry)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, {2, 2},
                                source->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(source, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QString shortcut = QStringLiteral("-");
        for (const QAction* action : menu ? menu->actions() : QList<QAction*>{}) {
            if (action->text() == entry) {
                shortcut = action->shortcut().toString();
            }
        }
        if (menu != nullptr) {
            menu->close();
        }
        return shortcut;
    }
    // The file as a spreadsheet reads it: a UTF-8 byte-order mark, then the text.
    QString savedCsv()
    {
        QFile written(csvChooser.answer);
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        return QString::fromUtf8(bytes.mid(3));
    }
};

TEST_F(TablesExtrasTest, TheFinderReachesTheFullStrokeAtBdcOnBothSides)
{
    EXPECT_EQ(find("46", "atdcLab"), QStringLiteral("179.86"));
    EXPECT_EQ(find("46", "btdcLab"), QStringLiteral("180.14"));
    EXPECT_EQ(find("46.01", "messageLab"),
              QStringLiteral("The drop must be from 0 to the stroke, 46 mm."));
    EXPECT_EQ(find("46.01", "atdcLab"), QString());
    // A decimal comma reads as the point does, whatever the locale.
    EXPECT_EQ(find("45,9", "btdcLab"), find("45.9", "btdcLab"));
    EXPECT_NE(find("45,9", "btdcLab"), QString());
}

// Ctrl+C copies the highlighted value when there is one, else the tables, and
// the right-click menu shows Ctrl+C at the entry that it runs.
TEST_F(TablesExtrasTest, CtrlCAndTheMenuCopyWhatIsHighlighted)
{
    QLineEdit* target = Cell(tables, "DispA", 2, 30); // two whole digits and two decimals
    const QString value = target->text();
    ASSERT_EQ(value.indexOf(QLatin1Char('.')), 2);
    QTest::mouseDClick(target, Qt::LeftButton, {}, QPoint(target->width() - 4, 4));
    EXPECT_EQ(target->selectedText(), value);
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), value);
    EXPECT_EQ(menuShortcut(target, "Copy Selection"), "Ctrl+C");
    EXPECT_EQ(menuShortcut(target, "Copy Tables"), "");
    // A click on the panel between two tables clears the highlight.
    QWidget* panel = tables.findChild<QWidget*>(QStringLiteral("fdisp_2"));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(twipsToPixels(3000), 10));
    EXPECT_FALSE(target->hasSelectedText());
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    expectScreenIn(QGuiApplication::clipboard()->text(), "\t", "\n", "Engine:\tKart, \"twin\"");
    EXPECT_EQ(menuShortcut(target, "Copy Selection"), "-");
    EXPECT_EQ(menuShortcut(target, "Copy Tables"), "Ctrl+C");
}

TEST_F(TablesExtrasTest, TheSavedCsvHoldsWhatIsShownInEitherDialect)
{
    csvChooser.answer = dir.filePath(QStringLiteral("tables.csv"));
    extras->commands()[2]->trigger();
    expectScreenIn(savedCsv(), ",", "\r\n", R"(Engine:,"Kart, ""twin""")");
    EXPECT_TRUE(csvChooser.suggested[0].endsWith(QStringLiteral("/Kart, twin crank angles.csv")));
    csvChooser.type = 1; // semicolons and decimal commas
    extras->commands()[2]->trigger();
    EXPECT_EQ(savedCsv().split(QStringLiteral("\r\n")).at(4),
              "Crank Angle at BDC (degrees ATDC):;179,86");
}

} // namespace
} // namespace crank
