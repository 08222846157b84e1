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
        screen.findChild<QLineEdit*>(QStringLiteral("EngNamTxt"))
            ->setText(QStringLiteral("Kart, \"twin\""));
        enterGeometry("46", "100", "-0.5");
        requestTables("2", {"0", "90"});
        display();
        EXPECT_TRUE(messages.shown.empty());
        extras = new TablesExtras(*tables, state, messages, csvChooser,
                                  pdfChooser); // owned by the screen
        tables->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(tables.get()));
    }

    QLineEdit* cell(const char* column, int table, int row) const
    {
        return tables->findChild<QLineEdit*>(
            QStringLiteral("%1%2_%3").arg(QString::fromLatin1(column)).arg(table).arg(row));
    }

    // The records equal what the screen shows: each summary caption, split
    // after its colon, then per table its header row and 49 rows of cells.
    void expectScreenIn(const Rows& records) const
    {
        QStringList captions{tables->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title()};
        for (const char* name : {"StkLab", "CrlLab", "OffLab", "BDCAngLab"}) {
            captions.push_back(tables->findChild<QLabel*>(QString::fromLatin1(name))->text());
        }
        ASSERT_EQ(records.size(), captions.size() + 2 * (2 + kRowsPerTable));
        std::size_t at = 0;
        for (const QString& caption : captions) {
            const auto& fields = records[at++];
            ASSERT_EQ(fields.size(), 2u);
            EXPECT_EQ(fields[0] + ' ' + fields[1], caption.trimmed().toStdString());
        }
        for (int t = 1; t <= 2; ++t) {
            SCOPED_TRACE(t);
            EXPECT_TRUE(records[at++].empty());
            EXPECT_EQ(records[at++].at(0), "Angle (deg)");
            for (int r = 0; r < kRowsPerTable; ++r) {
                const std::vector<std::string> expected{cell("Ang", t, r)->text().toStdString(),
                                                        cell("DispB", t, r)->text().toStdString(),
                                                        cell("DispA", t, r)->text().toStdString()};
                EXPECT_EQ(records[at++], expected) << "row " << r;
            }
        }
    }

    // The entries of the menu a right-click on target pops up; the menu is
    // closed again.
    QStringList rightClickMenu(QWidget* target)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return {QStringLiteral("<no menu>")};
        }
        QStringList entries;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                entries.push_back(action->text());
            }
        }
        menu->close();
        return entries;
    }

    static void pressOn(QWidget* target, Qt::Key key)
    {
        QTest::keyClick(target, key, Qt::ControlModifier);
    }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }

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
    const struct {
        const char* where;
        QWidget* target;
        QStringList entries;
    } cases[] = {
        {"screen", tables.get(), commands},
        {"header label", tables->findChild<QLabel*>(QStringLiteral("Lab2b")), commands},
        {"summary frame", tables->findChild<QGroupBox*>(QStringLiteral("Frame1")), commands},
        {"cell", cell("Ang", 1, 7), commands},
        {"cell with a selection", selected, QStringList{"Copy"} + commands},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        ASSERT_NE(c.target, nullptr);
        EXPECT_EQ(rightClickMenu(c.target), c.entries);
    }
    // The cell's own Copy still copies just its selection.
    std::unique_ptr<QMenu> menu(extras->makeContextMenu(selected));
    menu->actions().constFirst()->trigger();
    EXPECT_EQ(clipboardText(), selected->text());
}

TEST_F(TablesExtrasTest, CtrlFOpensOneFinderForTheGeometryOnShow)
{
    pressOn(tables.get(), Qt::Key_F);
    FindAngleDialog* dialog = extras->findDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("dropTxt")), "46");
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("atdcLab"))->text(),
              QStringLiteral("179.86"));

    // Again from a cell with the focus: the same dialog, raised.
    cell("Ang", 1, 0)->setFocus(Qt::MouseFocusReason);
    pressOn(cell("Ang", 1, 0), Qt::Key_F);
    EXPECT_EQ(extras->findDialog(), dialog);

    // Leaving the screen closes it: the geometry may be edited from then on.
    QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("AngDispCom_1")),
                      Qt::LeftButton);
    EXPECT_TRUE(extras->findDialog() == nullptr || !extras->findDialog()->isVisible());
}

TEST_F(TablesExtrasTest, CtrlCCopiesTheTablesOrJustACellsSelection)
{
    pressOn(tables.get(), Qt::Key_C);
    expectScreenIn(parseTsv(clipboardText().toStdString()));

    // A cell with the focus but nothing selected: still the tables.
    QLineEdit* target = cell("DispB", 1, 3);
    target->setFocus(Qt::MouseFocusReason);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    pressOn(target, Qt::Key_C);
    expectScreenIn(parseTsv(clipboardText().toStdString()));

    target->selectAll();
    pressOn(target, Qt::Key_C);
    EXPECT_EQ(clipboardText(), target->text());
}

TEST_F(TablesExtrasTest, SaveTablesAsCsv)
{
    const struct {
        const char* what;
        const char* file; // nullptr: the user cancels
    } cases[] = {{"chosen file", "tables.csv"},
                 {"cancel", nullptr},
                 {"unwritable folder", "no-such-folder/tables.csv"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        csvChooser.suggested.clear();
        csvChooser.answer = c.file ? dir.filePath(QString::fromLatin1(c.file)) : QString();
        extras->commands()[2]->trigger();
        ASSERT_EQ(csvChooser.suggested.size(), 1);
        EXPECT_TRUE(csvChooser.suggested[0].endsWith(QStringLiteral("/crank-angle-tables.csv")));
        QFile file(csvChooser.answer);
        const bool failed = c.file != nullptr && !file.exists();
        if (file.exists()) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            expectScreenIn(parseCsv(file.readAll().toStdString()));
        }
        // A failure is answered with a message naming the file; nothing else is.
        ASSERT_EQ(messages.shown.size(), failed ? 1u : 0u);
        if (failed) {
            EXPECT_EQ(messages.shown[0].title, kSaveFailedTitle);
            EXPECT_NE(messages.shown[0].prompt.find(csvChooser.answer.toStdString()),
                      std::string::npos);
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
    EXPECT_TRUE(printer.printed.empty()); // the screen's printer is never asked
    EXPECT_TRUE(messages.shown.empty());
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
