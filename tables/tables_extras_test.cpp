// Find, copy and save on the tables screen after a display.
#include "tables/tables_extras.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/pdf_words_test_support.h"
#include "platform/print_targets.h"
#include "tables/delimited_text_test_support.h"
#include "tables/find_angle_dialog.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

struct ScriptedChooser final : SaveFileChooser {
    QString answer; // empty: the user cancels
    QString chooseSavePath(const QString&) override { return answer; }
};

// Two offset tables of a 46 mm stroke, 100 mm rod engine on the tables screen, with the
// commands saving where the test says.
class TablesExtrasTest : public ::testing::Test {
protected:
    TablesExtrasTest()
    {
        state.geometry = {.Stroke = 46, .RodLength = 100, .PinOffset = -0.5f};
        state.geometry.OffsetNonZero = true;
        state.tables.NumTables = 2;
        state.tables.InitAngle = {0, 0, 90, 0};
        tables.showView(ComputeDisplay(state, {"Kart, \"twin\"", "46", "100", "-0.5"}));
        extras = new TablesExtras(tables, state, messages, csvChooser, pdfChooser); // owned
        tables.show();
        tables.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tables));
    }
    QLineEdit* cell(const char* column, int table, int row) const
    {
        const QString name =
            QStringLiteral("%1%2_%3").arg(QLatin1String(column)).arg(table).arg(row);
        return tables.findChild<QLineEdit*>(name);
    }
    std::vector<std::string> shownRow(int table, int row) const
    {
        std::vector<std::string> texts;
        for (const char* column : {"Ang", "DispB", "DispA"}) {
            texts.push_back(cell(column, table, row)->text().toStdString());
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

    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    Ang_Disp tables{printer};
    QTemporaryDir dir;
    ScriptedChooser csvChooser;
    ScriptedChooser pdfChooser;
    TablesExtras* extras = nullptr;
};

TEST_F(TablesExtrasTest, TheFinderReachesTheFullStrokeAtBdcOnBothSides)
{
    EXPECT_EQ(find("46", "atdcLab"), QStringLiteral("179.86"));
    EXPECT_EQ(find("46", "btdcLab"), QStringLiteral("180.14"));
    EXPECT_EQ(find("46.01", "messageLab"),
              QStringLiteral("The drop must be from 0 to the stroke, 46 mm."));
    EXPECT_EQ(find("46.01", "atdcLab"), QString());
}

TEST_F(TablesExtrasTest, LeavingTheScreenClosesTheFinder)
{
    find("10", "atdcLab");
    QTest::mouseClick(tables.findChild<QPushButton*>(QStringLiteral("AngDispCom_1")),
                      Qt::LeftButton);
    EXPECT_FALSE(extras->findDialog()->isVisible());
}

// In a cell with nothing selected Ctrl+C copies the tables; with a selection, just that.
TEST_F(TablesExtrasTest, CtrlCCopiesTheTablesOrTheSelectedText)
{
    QLineEdit* target = cell("DispB", 1, 3);
    target->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    expectScreenIn(testing::parseTsv(QGuiApplication::clipboard()->text().toStdString()));
    target->selectAll();
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
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
