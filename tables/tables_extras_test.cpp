// Find, copy and save on the tables screen after a display.
#include "tables/tables_extras.h"

#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/pdf_words_test_support.h"
#include "platform/print_targets.h"
#include "tables/ang_disp.h"
#include "tables/delimited_text_test_support.h"
#include "tables/find_angle_dialog.h"
#include "tables/table_builder.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

struct ScriptedChooser final : SaveFileChooser {
    QString answer; // empty: the user cancels
    QString chooseSavePath(const QString&) override { return answer; }
};

// Two offset tables of a 46 mm stroke, 100 mm rod engine on the tables screen, as displayed.
class TablesExtrasTest : public ::testing::Test {
protected:
    TablesExtrasTest()
    {
        state.geometry = {.Stroke = 46, .RodLength = 100, .PinOffset = -0.5f};
        state.geometry.OffsetNonZero = true;
        state.tables.NumTables = 2;
        state.tables.InitAngle = {0, 0, 90, 0};
        tables->showView(ComputeDisplay(state, {"Kart, \"twin\"", "46", "100", "-0.5"}));
        extras = new TablesExtras(*tables, state, messages, csvChooser, pdfChooser); // owned
        tables->show();
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
        EXPECT_EQ(records.at(7), shownRow(1, 0));
        EXPECT_EQ(records.at(57 + kRowsPerTable), shownRow(2, 48));
    }
    std::vector<std::string> shownRow(int table, int row) const
    {
        std::vector<std::string> texts;
        for (const char* column : {"Ang", "DispB", "DispA"}) {
            texts.push_back(cell(column, table, row)->text().toStdString());
        }
        return texts;
    }
    static void ctrl(QWidget* w, Qt::Key key) { QTest::keyClick(w, key, Qt::ControlModifier); }

    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    std::unique_ptr<Ang_Disp> tables = std::make_unique<Ang_Disp>(printer);
    QTemporaryDir dir;
    ScriptedChooser csvChooser;
    ScriptedChooser pdfChooser;
    TablesExtras* extras = nullptr;
};

TEST_F(TablesExtrasTest, CtrlFFindsBothAnglesAndLeavingClosesTheFinder)
{
    ctrl(tables.get(), Qt::Key_F);
    FindAngleDialog* dialog = extras->findDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("dropTxt")), "46");
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("atdcLab"))->text(), "179.86");
    QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("AngDispCom_1")),
                      Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

// In a cell with nothing selected Ctrl+C copies the tables; with a selection, just that.
TEST_F(TablesExtrasTest, CtrlCCopiesTheTablesOrTheSelectedText)
{
    QLineEdit* target = cell("DispB", 1, 3);
    target->setFocus(Qt::MouseFocusReason);
    ctrl(target, Qt::Key_C);
    expectScreenIn(testing::parseTsv(QGuiApplication::clipboard()->text().toStdString()));
    target->selectAll();
    ctrl(target, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), target->text());
}

TEST_F(TablesExtrasTest, TheSavedCsvHoldsWhatIsShown)
{
    csvChooser.answer = dir.filePath(QStringLiteral("tables.csv"));
    extras->commands()[2]->trigger();
    QFile written(csvChooser.answer);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    expectScreenIn(testing::parseCsv(written.readAll().toStdString()));
    csvChooser.answer.clear(); // cancelled: nothing said
    extras->commands()[2]->trigger();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TablesExtrasTest, AnUnwritableCsvIsNamedInTheMessage)
{
    csvChooser.answer = dir.filePath(QStringLiteral("missing/tables.csv"));
    extras->commands()[2]->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, kSaveFailedTitle);
    EXPECT_NE(messages.shown[0].prompt.find("missing/tables.csv"), std::string::npos);
}

// With a printer there or not, the PDF holds the page; the print command is not used.
TEST_F(TablesExtrasTest, ThePdfSaveWritesThePage)
{
    pdfChooser.answer = dir.filePath(QStringLiteral("page.pdf"));
    extras->commands()[3]->trigger();
    EXPECT_TRUE(printer.printed.empty());
    const testing::PdfText text = testing::readPdfWords(pdfChooser.answer);
    EXPECT_EQ(text.pages, 1);
    EXPECT_TRUE(std::ranges::any_of(text.words, [](const auto& w) { return w.text == "179.86"; }));
}

} // namespace
} // namespace crank
