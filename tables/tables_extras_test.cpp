// Find, copy and save on the tables screen after a real display.
#include "tables/tables_extras.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
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

struct ScriptedChooser final : SaveFileChooser {
    QString answer; // empty: the user cancels
    int type = 0;
    QString suggested;
    QString chooseSavePath(const QString& path) override
    {
        suggested = path;
        return answer;
    }
    int chosenType() const override { return type; }
};

class TablesExtrasTest : public EngValsTest {
protected:
    TablesExtrasTest()
    {
        child<QLineEdit>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Kart, \"twin\""));
        enterGeometry("46", "100", "-0.5");
        requestTables("2", {"0", "90"});
        display();
        extras = new TablesExtras(*tables, state, messages, csvChooser, pdfChooser); // owned
        tables->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(tables.get()));
    }
    QLineEdit* cell(const char* column, int table, int row) const
    {
        return tables->findChild<QLineEdit*>(
            QStringLiteral("%1%2_%3").arg(QLatin1String(column)).arg(table).arg(row));
    }
    // Summary captions split after the colons; per table a blank, a header row, the cells.
    void expectScreenIn(const testing::Rows& records) const
    {
        ASSERT_EQ(records.size(), 5 + 2 * (2 + kRowsPerTable));
        EXPECT_EQ(records[0], (std::vector<std::string>{"Engine:", "Kart, \"twin\""}));
        EXPECT_EQ(records[4][1], "179.86");
        EXPECT_EQ(records[8 + kRowsPerTable].at(0), "Angle (deg)");
        for (const auto& [t, r, at] : {std::tuple{1, 0, 7}, {2, 48, 57 + kRowsPerTable}}) {
            const auto shown = [&](const char* c) { return cell(c, t, r)->text().toStdString(); };
            EXPECT_EQ(records.at(at), (std::vector{shown("Ang"), shown("DispB"), shown("DispA")}));
        }
    }
    static void ctrl(QWidget* w, Qt::Key key) { QTest::keyClick(w, key, Qt::ControlModifier); }

    QTemporaryDir dir;
    ScriptedChooser csvChooser, pdfChooser;
    TablesExtras* extras = nullptr;
};

TEST_F(TablesExtrasTest, CtrlFCtrlCRightClickAndLeavingClosesTheFinder)
{
    ctrl(tables.get(), Qt::Key_F);
    FindAngleDialog* dialog = extras->findDialog();
    ASSERT_TRUE(dialog != nullptr && dialog->isVisible());
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("dropTxt")), "46");
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("atdcLab"))->text(), "179.86");
    QLineEdit* target = cell("DispB", 1, 3);
    target->setFocus(Qt::MouseFocusReason);
    ctrl(target, Qt::Key_C); // a cell with the focus but nothing selected: the tables
    expectScreenIn(testing::parseTsv(QGuiApplication::clipboard()->text().toStdString()));
    target->selectAll();
    ctrl(target, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), target->text());
    QContextMenuEvent event(QContextMenuEvent::Mouse, {2, 2}, target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction* action : menu->actions()) {
        entries.push_back(action->text()); // a separator has no text
    }
    menu->close();
    entries.removeAll(QString());
    EXPECT_EQ(entries, (QStringList{"Copy", "Find Crank Angle...", "Copy Tables",
                                    "Save Tables as CSV...", "Save Page as PDF..."}));
    QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("AngDispCom_1")),
                      Qt::LeftButton);
    EXPECT_TRUE(extras->findDialog() == nullptr || !extras->findDialog()->isVisible());
}

TEST_F(TablesExtrasTest, SaveAsCsvAndPdfWriteWhatIsShownOrNameTheFailedFile)
{
    csvChooser.answer = dir.filePath(QStringLiteral("tables.csv"));
    extras->commands()[2]->trigger();
    QFile written(csvChooser.answer);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    expectScreenIn(testing::parseCsv(written.readAll().toStdString()));
    written.close();
    EXPECT_TRUE(csvChooser.suggested.endsWith(QStringLiteral("/Kart, twin crank angles.csv")));
    csvChooser.type = 1; // semicolons and decimal commas
    extras->commands()[2]->trigger();
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const testing::Rows semicolons = testing::parseCsv(written.readAll().toStdString(), ';');
    EXPECT_EQ(semicolons.at(0), (std::vector<std::string>{"Engine:", "Kart, \"twin\""}));
    EXPECT_EQ(semicolons.at(4).at(1), "179,86");
    csvChooser.answer.clear(); // cancelled: nothing said
    extras->commands()[2]->trigger();
    csvChooser.answer = dir.filePath(QStringLiteral("missing/tables.csv"));
    extras->commands()[2]->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, kSaveFailedTitle);
    EXPECT_NE(messages.shown[0].prompt.find("missing/tables.csv"), std::string::npos);
    EXPECT_NE(messages.shown[0].prompt.find("The folder does not exist."), std::string::npos);
    pdfChooser.answer = dir.filePath(QStringLiteral("page.pdf")); // a printer is there
    extras->commands()[3]->trigger();
    EXPECT_TRUE(printer.printed.empty());
    const testing::PdfText text = testing::readPdfWords(pdfChooser.answer);
    ASSERT_TRUE(text.read && text.pages == 1);
    EXPECT_TRUE(std::ranges::any_of(text.words, [](const auto& w) { return w.text == "179.86"; }));
}

} // namespace
} // namespace crank
