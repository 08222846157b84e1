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
#include "model/engine_state.h"
#include "tables/ang_disp.h"
#include "tables/find_angle_dialog.h"
#include "tables/test_doubles.h"

namespace crank {
namespace {

class NavigatorTest : public ::testing::Test {
public:
    template <class W = QWidget> W* child(QWidget* screen, const QString& name)
    {
        return screen->findChild<W*>(name);
    }
    QLineEdit* box(int i) { return child<QLineEdit>(entry(), QString("GeomTxt_%1").arg(i)); }
    void fill(std::initializer_list<const char*> texts)
    {
        QTest::keyClicks(child(entry(), "EngNamTxt"), "Twin");
        for (int i = 0; const char* t : texts)
            box(i++)->setText(t);
    }
    void click(QWidget* screen, const char* name)
    {
        QTest::mouseClick(child<QPushButton>(screen, name), Qt::LeftButton);
    }
    // Exactly one screen visible, `screen`; the finder (a dialog of the tables
    // screen) closed unless the tables show; after construct, the data entry
    // screen in its first state: empty, one angle box, no frame.
    void expectOnly(QWidget* screen, const char* step, bool firstState = false)
    {
        SCOPED_TRACE(step);
        std::vector<QWidget*> shown = navigator.screens();
        std::erase_if(shown, [](QWidget* s) { return !s->isVisible(); });
        EXPECT_EQ(shown, std::vector<QWidget*>{screen});
        const auto* finder = tables() ? tables()->findChild<FindAngleDialog*>() : nullptr;
        EXPECT_TRUE(finder == nullptr || !finder->isVisible() || screen == tables());
        if (!firstState)
            return;
        EXPECT_EQ(child<QLineEdit>(entry(), "EngNamTxt")->text(), "");
        for (int i = 0; i <= 6; ++i)
            EXPECT_TRUE(box(i)->text().isEmpty() && (i < 4 || !box(i)->isVisible())) << i;
        EXPECT_FALSE(child(entry(), "GeomFram")->isVisible());
        EXPECT_FALSE(child(entry(), "GeomCom_1")->isEnabled());
        const auto& t = state.tables;
        EXPECT_EQ(std::tuple(t.NumTables, t.InitAngle[1], t.InitAngle[3], state.GeomFramShown,
                             state.geometry.Stroke),
                  std::tuple(0, -1.0f, -1.0f, false, 0.0f));
    }

    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, messages, printer};
    QWidget* front() { return &navigator.tabsMenu(); }
    QWidget* entry() { return &navigator.engVals(); }
    QWidget* info() { return &navigator.userInfo(); }
    QWidget* tables() { return navigator.tablesScreenIfCreated(); }
};

// The whole navigation map as a user moves: after every command exactly one
// screen is visible, the one the command leads to, showing what it should.
TEST_F(NavigatorTest, WalkTheNavigationMap)
{
    navigator.start();
    expectOnly(front(), "start");
    EXPECT_EQ(navigator.screens(), (std::vector<QWidget*>{front(), entry()}));
    auto construct = [&] { navigator.tabsMenu().Tables()->trigger(); };
    navigator.tabsMenu().InfoScrn()->trigger();
    expectOnly(info(), "user information");
    child<QScrollBar>(info(), "VScroll1")->setValue(30);
    click(info(), "Command1");
    expectOnly(front(), "scrolled, back");
    construct();
    expectOnly(entry(), "construct", true);
    fill({"46", "100", "0", "3", "5"});
    click(entry(), "GeomCom_0");
    expectOnly(front(), "left with values");
    construct();
    expectOnly(entry(), "construct again", true);
    fill({"46", "100", "-0.5", "2", "90", "10"});
    click(entry(), "GeomCom_1");
    expectOnly(tables(), "display");
    click(tables(), "AngDispCom_1");
    expectOnly(entry(), "back to data entry"); // as entered, the angles sorted for the tables
    for (auto [i, text] : {std::pair{0, "46"}, {2, "-0.5"}, {4, "10"}, {5, "90"}})
        EXPECT_EQ(box(i)->text(), text) << i;
    EXPECT_TRUE(child(entry(), "GeomCom_1")->isEnabled());
    click(entry(), "GeomCom_1");
    expectOnly(tables(), "display again");
    click(tables(), "AngDispCom_2");
    expectOnly(tables(), "print stays");
    ASSERT_TRUE(QTest::qWaitForWindowActive(tables()));
    QTest::keyClick(tables(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(tables()->findChild<FindAngleDialog*>()->isVisible()) << "find";
    expectOnly(tables(), "find stays");
    click(tables(), "AngDispCom_0");
    expectOnly(front(), "back to front from tables");
    construct();
    expectOnly(entry(), "construct after tables", true);
    EXPECT_FALSE(entry()->close());
    expectOnly(front(), "close control on data entry");
    navigator.InfoScrn_Click();
    expectOnly(info(), "user information again"); // the same screen, scrolled as left
    EXPECT_EQ(child<QScrollBar>(info(), "VScroll1")->value(), 30);
    EXPECT_EQ(navigator.userInfo().panelTopTwips(), -1077);
    EXPECT_FALSE(info()->close());
    expectOnly(front(), "close control on user information");
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(navigator.screens().size(), 4u) << "each screen made once";
}

// Exit, from the menu or the front screen's close control, ends the event
// loop at once and leaves no screen on show.
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
        // A loop that is not ended comes back with 99 after two seconds.
        QTimer::singleShot(2000, &nav, [] { QCoreApplication::exit(99); });
        EXPECT_EQ(QApplication::exec(), 0);
        for (QWidget* s : nav.screens())
            EXPECT_FALSE(s->isVisible()) << s->objectName().toStdString();
    }
}

} // namespace
} // namespace crank
