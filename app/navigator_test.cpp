#include "app/navigator.h"

#include <QAction>
#include <QScrollBar>

#include "app/tabs_menu.h"
#include "info/user_info.h"
#include "tables/find_angle_dialog.h"
#include "tests/navigator_fixture.h"

namespace crank {
namespace {

class NavigatorTest : public ScreensTest {
protected:
    // The one screen on show; fails unless exactly one is.
    std::string onShow() const
    {
        std::vector<QWidget*> shown = navigator.screens();
        std::erase_if(shown, [](QWidget* s) { return !s->isVisible(); });
        EXPECT_EQ(shown.size(), 1u);
        return shown.empty() ? std::string() : shown.front()->objectName().toStdString();
    }
    static void click(QWidget& screen, const char* name)
    {
        screen.findChild<QPushButton*>(name)->click();
    }
};

TEST_F(NavigatorTest, WalkTheNavigationMap)
{
    click(entry(), "GeomCom_0");
    EXPECT_EQ(onShow(), "TabsMenu");
    navigator.tabsMenu().InfoScrn()->trigger();
    EXPECT_EQ(onShow(), "UserInfo");
    navigator.userInfo().findChild<QScrollBar*>("VScroll1")->setValue(30);
    EXPECT_FALSE(navigator.userInfo().close()) << "its close control returns to the front";
    EXPECT_EQ(onShow(), "TabsMenu");
    navigator.tabsMenu().InfoScrn()->trigger();
    EXPECT_EQ(navigator.userInfo().panelTopTwips(), -1077) << "the same screen, scrolled as left";
    click(navigator.userInfo(), "Command1");

    navigator.tabsMenu().Tables()->trigger();
    EXPECT_EQ(onShow(), "EngVals");
    enterGeometry("46", "100", "-0.5");
    requestTables("2", {"90", "10"});
    display();
    EXPECT_EQ(onShow(), "Ang_Disp");
    returnToEntry();
    EXPECT_EQ(onShow(), "EngVals");
    EXPECT_EQ(box(2)->text(), QStringLiteral("-0.5")); // as entered, the angles sorted
    EXPECT_EQ(box(4)->text(), QStringLiteral("10"));
    display();
    click(*tables(), "AngDispCom_2");
    EXPECT_EQ(onShow(), "Ang_Disp");
    ASSERT_TRUE(QTest::qWaitForWindowActive(tables()));
    QTest::keyClick(tables(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(tables()->findChild<FindAngleDialog*>()->isVisible());
    EXPECT_FALSE(tables()->close());
    EXPECT_EQ(onShow(), "TabsMenu");
    EXPECT_FALSE(tables()->findChild<FindAngleDialog*>()->isVisible());
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(navigator.screens().size(), 4u) << "each screen made once";
}

// Construct resets the data entry screen however it was left.
TEST_F(NavigatorTest, ConstructEmptiesTheDataEntryScreen)
{
    child<QLineEdit>(entry(), "EngNamTxt")->setText("Twin");
    enterGeometry("46", "100", "0");
    requestTables("3", {"5", "50", "90"});
    EXPECT_FALSE(entry().close());
    navigator.tabsMenu().Tables()->trigger();
    EXPECT_TRUE(child<QLineEdit>(entry(), "EngNamTxt")->text().isEmpty());
    for (int i = 0; i <= 6; ++i) {
        EXPECT_TRUE(box(i)->text().isEmpty()) << i;
    }
    EXPECT_FALSE(box(4)->isVisible());
    EXPECT_FALSE(child<QWidget>(entry(), "GeomFram")->isVisible());
    EXPECT_EQ(state.tables.NumTables, 0);
    EXPECT_EQ(state.tables.InitAngle, (std::array<float, 4>{0, -1, -1, -1}));
    EXPECT_FALSE(state.GeomFramShown);
}

} // namespace
} // namespace crank
