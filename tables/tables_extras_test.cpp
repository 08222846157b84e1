// Find, copy and save on the tables screen after a display.
#include "tables/tables_extras.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>

#include "platform/twips.h"
#include "tables/delimited_text_test_support.h"
#include "tables/find_angle_dialog.h"
#include "tables/qt_tables_printer.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

// Two tables of the engine with a -0.5 mm offset, under a name that needs quoting.
class TablesExtrasTest : public TablesScreenTest {
protected:
    TablesExtrasTest() { show(DisplayKart(state, -0.5f, 2, {0, 0, 90, 0}, "Kart, \"twin\"")); }
    std::vector<std::string> shownRow(int table, int row) const
    {
        std::vector<std::string> texts;
        for (const char* column : {"Ang", "DispB", "DispA"}) {
            texts.push_back(Cell(tables, column, table, row)->text().toStdString());
        }
        return texts;
    }
    // Summary captions split after the colons; per table a blank, a header row, the cells.
    void expectScreenIn(const testing::Rows& records) const
    {
        ASSERT_EQ(records.size(), 5 + 2 * (2 + kRowsPerTable));
        EXPECT_EQ(records[0], (std::vector<std::string>{"Engine:", "Kart, \"twin\""}));
        EXPECT_EQ(records[4][1], "179.86");
        EXPECT_EQ(records[8 + kRowsPerTable].at(0), "Angle (deg)");
        EXPECT_EQ(records.at(7), shownRow(1, 0));
        EXPECT_EQ(records.at(57 + kRowsPerTable), shownRow(2, 48));
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
    QString savedCsv()
    {
        QFile written(csvChooser.answer);
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        return QString::fromUtf8(written.readAll());
    }
};

TEST_F(TablesExtrasTest, TheFinderReachesTheFullStrokeAtBdcOnBothSides)
{
    EXPECT_EQ(find("46", "atdcLab"), QStringLiteral("179.86"));
    EXPECT_EQ(find("46", "btdcLab"), QStringLiteral("180.14"));
    EXPECT_EQ(find("46.01", "messageLab"),
              QStringLiteral("The drop must be from 0 to the stroke, 46 mm."));
    EXPECT_EQ(find("46.01", "atdcLab"), QString());
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
    expectScreenIn(testing::parseTsv(QGuiApplication::clipboard()->text().toStdString()));
    EXPECT_EQ(menuShortcut(target, "Copy Selection"), "-");
    EXPECT_EQ(menuShortcut(target, "Copy Tables"), "Ctrl+C");
}

TEST_F(TablesExtrasTest, TheSavedCsvHoldsWhatIsShownInEitherDialect)
{
    csvChooser.answer = dir.filePath(QStringLiteral("tables.csv"));
    extras->commands()[2]->trigger();
    expectScreenIn(testing::parseCsv(savedCsv().toStdString()));
    EXPECT_TRUE(csvChooser.suggested[0].endsWith(QStringLiteral("/Kart, twin crank angles.csv")));
    csvChooser.type = 1; // semicolons and decimal commas
    extras->commands()[2]->trigger();
    const testing::Rows semicolons = testing::parseCsv(savedCsv().toStdString(), ';');
    EXPECT_EQ(semicolons.at(0), (std::vector<std::string>{"Engine:", "Kart, \"twin\""}));
    EXPECT_EQ(semicolons.at(4).at(1), "179,86");
}

// A save into a missing folder names the file and the reason and leaves nothing; a cancel
// says nothing.
TEST_F(TablesExtrasTest, FailedSavesNameTheFileAndTheReason)
{
    csvChooser.answer = dir.filePath(QStringLiteral("missing/tables.csv"));
    pdfChooser.answer = dir.filePath(QStringLiteral("missing/page.pdf"));
    extras->commands()[2]->trigger();
    extras->commands()[3]->trigger();
    EXPECT_TRUE(printer.printed.empty()); // the PDF is saved, not printed
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].title, kSaveFailedTitle);
    EXPECT_NE(messages.shown[0].prompt.find(csvChooser.answer.toStdString()), std::string::npos);
    EXPECT_EQ(messages.shown[1].title, kPrintFailedTitle);
    EXPECT_NE(messages.shown[1].prompt.find(pdfChooser.answer.toStdString()), std::string::npos);
    for (const RecordingMessageBox::Shown& shown : messages.shown) {
        EXPECT_NE(shown.prompt.find("The folder does not exist."), std::string::npos);
    }
    csvChooser.answer.clear();
    pdfChooser.answer.clear();
    extras->commands()[2]->trigger();
    extras->commands()[3]->trigger();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
} // namespace crank
