// Find, copy and save on the tables screen, reached by shortcut and by
// right-click, after a real display through the data entry screen.
#include "tables/tables_extras.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QTemporaryDir>
#include <algorithm>

#include "entry/eng_vals_fixture.h"
#include "platform/pdf_words_test_support.h"
#include "platform/print_targets.h"
#include "tables/delimited_text_test_support.h"
#include "tables/find_angle_dialog.h"

namespace crank {
namespace {

using testing::parseCsv;
using testing::parseTsv;
using testing::Rows;

class ScriptedChooser final : public SaveFileChooser {
public:
    QString answer; // empty: the user cancels
    QStringList suggested;
    QString chooseSavePath(const QString& suggestedPath) override
    {
        suggested.push_back(suggestedPath);
        return answer;
    }
};

class TablesExtrasTest : public EngValsTest {
protected:
    TablesExtrasTest()
    {
        child<QLineEdit>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Kart, \"twin\""));
        enterGeometry("46", "100", "-0.5");
        requestTables("2", {"0", "90"});
        display();
        EXPECT_TRUE(messages.shown.empty());
        extras = new TablesExtras(*tables, state, messages, csvChooser, pdfChooser); // owned
        tables->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(tables.get()));
    }

    QLineEdit* cell(const char* column, int table, int row) const
    {
        return tables->findChild<QLineEdit*>(
            QStringLiteral("%1%2_%3").arg(QLatin1String(column)).arg(table).arg(row));
    }

    // The records hold what the screen shows: the summary captions split after
    // their colons, then per table an empty row, its header row and its cells.
    void expectScreenIn(const Rows& records) const
    {
        ASSERT_EQ(records.size(), 5 + 2 * (2 + kRowsPerTable));
        EXPECT_EQ(records[0], (std::vector<std::string>{"Engine:", "Kart, \"twin\""}));
        EXPECT_EQ(records[4][1], "179.86");
        EXPECT_TRUE(records[7 + kRowsPerTable].empty());
        EXPECT_EQ(records[8 + kRowsPerTable].at(0), "Angle (deg)");
        for (const auto& [t, r] : {std::pair{1, 0}, {1, 48}, {2, 48}}) {
            std::vector<std::string> shown;
            for (const char* column : {"Ang", "DispB", "DispA"}) {
                shown.push_back(cell(column, t, r)->text().toStdString());
            }
            EXPECT_EQ(records.at(t == 1 ? 7 + r : 9 + kRowsPerTable + r), shown) << t << "/" << r;
        }
    }

    // The entries of the menu a right-click on target pops up; the menu is closed again.
    static QStringList rightClickMenu(QWidget* target)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QStringList entries{menu == nullptr ? QStringLiteral("<no menu>") : QString()};
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            entries.push_back(action->isSeparator() ? QString() : action->text());
        }
        if (menu != nullptr) {
            menu->close();
        }
        entries.removeAll(QString());
        return entries;
    }

    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    static void ctrl(QWidget* target, Qt::Key key)
    {
        QTest::keyClick(target, key, Qt::ControlModifier);
    }

    QTemporaryDir dir;
    ScriptedChooser csvChooser;
    ScriptedChooser pdfChooser;
    TablesExtras* extras = nullptr;
};

TEST_F(TablesExtrasTest, RightClickAnywhereOffersTheFourCommandsInOrder)
{
    const QStringList commands{"Find Crank Angle...", "Copy Tables", "Save Tables as CSV...",
                               "Save Page as PDF..."};
    QLineEdit* selected = cell("DispA", 2, 5);
    selected->selectAll();
    const std::tuple<const char*, QWidget*, QStringList> cases[] = {
        {"screen", tables.get(), commands},
        {"header label", tables->findChild<QLabel*>(QStringLiteral("Lab2b")), commands},
        {"cell", cell("Ang", 1, 7), commands},
        {"cell with a selection", selected, QStringList{"Copy"} + commands}};
    for (const auto& [where, target, entries] : cases) {
        SCOPED_TRACE(where);
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(rightClickMenu(target), entries);
    }
}

TEST_F(TablesExtrasTest, CtrlFAndCtrlCFromTheScreenOrACell)
{
    ctrl(tables.get(), Qt::Key_F);
    FindAngleDialog* dialog = extras->findDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("dropTxt")), "46");
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("atdcLab"))->text(), "179.86");
    QLineEdit* target = cell("DispB", 1, 3);
    target->setFocus(Qt::MouseFocusReason);
    ctrl(target, Qt::Key_F);
    EXPECT_EQ(extras->findDialog(), dialog) << "the same dialog, raised";

    ctrl(tables.get(), Qt::Key_C);
    expectScreenIn(parseTsv(clipboardText().toStdString()));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    ctrl(target, Qt::Key_C); // a cell with the focus but nothing selected: still the tables
    expectScreenIn(parseTsv(clipboardText().toStdString()));
    target->selectAll();
    ctrl(target, Qt::Key_C);
    EXPECT_EQ(clipboardText(), target->text());

    // Leaving the screen closes the finder: the geometry may be edited from then on.
    QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("AngDispCom_1")),
                      Qt::LeftButton);
    EXPECT_TRUE(extras->findDialog() == nullptr || !extras->findDialog()->isVisible());
}

TEST_F(TablesExtrasTest, SaveTablesAsCsv)
{
    // The file chosen; nullptr: the user cancels. A failure names the file.
    for (const char* file :
         {"tables.csv", static_cast<const char*>(nullptr), "no-such-folder/tables.csv"}) {
        SCOPED_TRACE(file ? file : "cancel");
        messages.shown.clear();
        csvChooser.suggested.clear();
        csvChooser.answer = file ? dir.filePath(QLatin1String(file)) : QString();
        extras->commands()[2]->trigger();
        ASSERT_EQ(csvChooser.suggested.size(), 1);
        EXPECT_TRUE(csvChooser.suggested[0].endsWith(QStringLiteral("/crank-angle-tables.csv")));
        QFile written(csvChooser.answer);
        if (written.open(QIODevice::ReadOnly)) {
            expectScreenIn(parseCsv(written.readAll().toStdString()));
        }
        const bool failed = file != nullptr && !written.exists();
        ASSERT_EQ(messages.shown.size(), failed ? 1u : 0u);
        if (failed) {
            EXPECT_EQ(messages.shown[0].title, kSaveFailedTitle);
            EXPECT_NE(messages.shown[0].prompt.find(file), std::string::npos);
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"tables.csv"});
}

TEST_F(TablesExtrasTest, SavePageAsPdfWritesOnePageWithoutThePrintCommand)
{
    pdfChooser.answer = dir.filePath(QStringLiteral("page.pdf"));
    extras->commands()[3]->trigger();
    ASSERT_EQ(pdfChooser.suggested.size(), 1);
    EXPECT_TRUE(pdfChooser.suggested[0].endsWith(QStringLiteral("/crank-angle-tables.pdf")));
    EXPECT_TRUE(printer.printed.empty() && messages.shown.empty());
    const testing::PdfText text = testing::readPdfWords(pdfChooser.answer);
    ASSERT_TRUE(text.read);
    EXPECT_EQ(text.pages, 1);
    EXPECT_TRUE(std::any_of(text.words.begin(), text.words.end(),
                            [](const testing::PdfWord& w) { return w.text == "179.86"; }));

    pdfChooser.answer.clear(); // cancelled: nothing written
    QFile::remove(dir.filePath(QStringLiteral("page.pdf")));
    extras->commands()[3]->trigger();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
} // namespace crank
