#include "app/navigator.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/tabs_menu.h"
#include "entry/eng_vals.h"
#include "info/user_info.h"
#include "tables/ang_disp.h"
#include "tables/find_angle_dialog.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

const char* const kBoxes[] = {"EngNamTxt", "GeomTxt_0", "GeomTxt_1", "GeomTxt_2",
                              "GeomTxt_3", "GeomTxt_4", "GeomTxt_5", "GeomTxt_6"};

class NavigatorTest : public ::testing::Test {
public:
    QLineEdit* box(int i) { return navigator.engVals().findChild<QLineEdit*>(kBoxes[i + 1]); }
    // Runs a command of the screen on show (a button or menu command by name, or its close
    // control); then `to` alone is on show, the finder (a dialog of the tables screen) closed
    // unless the tables show; after construct, the data entry screen empty, one angle box.
    void run(const char* command, const char* to)
    {
        SCOPED_TRACE(::testing::Message() << "step " << ++m_step << ": " << command);
        const std::string_view c = command;
        if (c == "start")
            navigator.start();
        else if (c == "close")
            EXPECT_FALSE(shown->close());
        else if (auto* action = shown->findChild<QAction*>(command))
            action->trigger();
        else
            shown->findChild<QPushButton*>(command)->click();
        std::vector<QWidget*> on = navigator.screens();
        std::erase_if(on, [](QWidget* s) { return !s->isVisible(); });
        ASSERT_EQ(on.size(), 1u);
        EXPECT_EQ((shown = on[0])->objectName(), to);
        QWidget* t = navigator.tablesScreenIfCreated();
        EXPECT_TRUE(t == nullptr || t == shown ||
                    std::ranges::none_of(t->findChildren<FindAngleDialog*>(), &QWidget::isVisible));
        if (c != "Tables")
            return;
        for (int i = -1; i <= 6; ++i)
            EXPECT_TRUE(box(i)->text().isEmpty() && (i < 4 || !box(i)->isVisible())) << i;
        EXPECT_FALSE(shown->findChild<QWidget*>("GeomFram")->isVisible() ||
                     shown->findChild<QWidget*>("GeomCom_1")->isEnabled());
        EXPECT_EQ(std::tuple(state.tables.NumTables, state.tables.InitAngle[1],
                             state.tables.InitAngle[2], state.GeomFramShown, state.geometry.Stroke),
                  std::tuple(0, -1.0f, -1.0f, false, 0.0f));
    }

    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, messages, printer};
    QWidget* shown = nullptr; // the screen on show after the last step
    int m_step = 0;
};

TEST_F(NavigatorTest, WalkTheNavigationMap)
{
    run("start", "TabsMenu");
    run("InfoScrn", "UserInfo");
    navigator.userInfo().findChild<QScrollBar*>("VScroll1")->setValue(30);
    run("Command1", "TabsMenu");
    run("Tables", "EngVals");
    for (int i = -1; const char* text : {"Twin", "46", "100", "0", "3", "5"})
        box(i++)->setText(text);
    run("GeomCom_0", "TabsMenu"); // left with values
    run("Tables", "EngVals");
    for (int i = -1; const char* text : {"Twin", "46", "100", "-0.5", "2", "90", "10"})
        box(i++)->setText(text);
    run("GeomCom_1", "Ang_Disp");
    run("AngDispCom_1", "EngVals"); // as entered, the angles sorted for the tables
    for (auto [i, text] : {std::pair{0, "46"}, {2, "-0.5"}, {4, "10"}, {5, "90"}})
        EXPECT_EQ(box(i)->text(), text) << i;
    run("GeomCom_1", "Ang_Disp");    // displays again from the values kept
    run("AngDispCom_2", "Ang_Disp"); // print
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    QTest::keyClick(shown, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(shown->findChild<FindAngleDialog*>()->isVisible()) << "find";
    run("AngDispCom_0", "TabsMenu");
    run("Tables", "EngVals");
    run("close", "TabsMenu");
    run("InfoScrn", "UserInfo"); // the same screen, scrolled as left
    EXPECT_EQ(navigator.userInfo().panelTopTwips(), -1077);
    run("close", "TabsMenu");
    EXPECT_EQ(std::tuple(printer.printed.size(), messages.shown.size(), navigator.screens().size()),
              std::tuple(1u, 0u, 4u)); // one print, no message, each screen made once
}

// Exit, by menu or the front screen's close control, ends the loop and hides every screen.
TEST_F(NavigatorTest, ExitEndsTheProgram)
{
    for (const bool viaClose : {false, true}) {
        SCOPED_TRACE(viaClose ? "close control" : "menu command");
        Navigator nav(state, messages, printer);
        nav.start();
        nav.InfoScrn_Click();
        nav.userInfo().Command1_Click();
        QTimer::singleShot(0, [&] {
            viaClose ? void(nav.tabsMenu().close()) : nav.tabsMenu().ExitProg()->trigger();
        });
        QTimer::singleShot(2000, &nav, [] { QCoreApplication::exit(99); }); // a loop not ended
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_EQ(std::ranges::count_if(nav.screens(), &QWidget::isVisible), 0);
    }
}

} // namespace
} // namespace crank
