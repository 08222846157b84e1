#include "app/tabs_menu.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/twips_qt.h"
#include "platform/widget_test_support.h"

namespace crank {
namespace {

class TabsMenuTest : public ::testing::Test {
protected:
    TabsMenuTest()
    {
        front.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&front));
    }
    TabsMenu front;
};

// The banner's logo stands where the front screen's design places it: 1750, 4000, 3600 x 1800.
TEST_F(TabsMenuTest, TheLogoStandsInItsPlaceInTheBanner)
{
    EXPECT_EQ(child<QWidget>(front, QStringLiteral("Picture1"))->geometry(),
              twipRect(1750, 4000, 3600, 1800));
}

// Three direct commands side by side, none behind an overflow button; Alt+U runs the first.
TEST_F(TabsMenuTest, ThreeCommandsRunStraightFromTheMenuBar)
{
    const QList<QAction*> actions = front.menuBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    int right = 0;
    for (QAction* action : actions) {
        EXPECT_EQ(action->menu(), nullptr);
        const QRect place = front.menuBar()->actionGeometry(action);
        EXPECT_TRUE(front.menuBar()->rect().contains(place));
        EXPECT_GE(place.left(), right);
        right = place.right();
    }
    front.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&front));
    QSignalSpy info(&front, &TabsMenu::InfoScrn_Click);
    QTest::keyClick(&front, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(info.count(), 1);
}

} // namespace
} // namespace crank
