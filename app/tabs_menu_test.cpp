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

// Every label and the logo stand as the front screen's design places them (twips), in its
// text styles: titles 18 pt bold, the subtitle 12 pt bold, the banner's lead-in and slogan
// 13.5 pt bold italic, its name 14.25 pt bold.
TEST_F(TabsMenuTest, EveryControlStandsInItsPlaceInItsStyle)
{
    const struct {
        const char* name;
        QRect twips;
        qreal points; // 0: a picture, no text
        bool italic;
    } design[] = {
        {"Label2", {360, 480, 6375, 515}, 18, false},
        {"Label3", {360, 1200, 6375, 515}, 18, false},
        {"Label4", {1540, 2000, 4000, 355}, 12, false},
        {"Label5", {400, 3140, 2400, 450}, 13.5, true},
        {"Picture1", {1750, 4000, 3600, 1800}, 0, false},
        {"Label1", {4180, 5800, 1150, 300}, 14.25, false},
        {"Label6", {1960, 6600, 4800, 450}, 13.5, true},
    };
    for (const auto& control : design) {
        SCOPED_TRACE(control.name);
        const auto* widget = child<QWidget>(front, QString::fromLatin1(control.name));
        const QRect& t = control.twips;
        EXPECT_EQ(widget->geometry(), twipRect(t.x(), t.y(), t.width(), t.height()));
        if (control.points > 0) {
            EXPECT_EQ(widget->font().pointSizeF(), control.points);
            EXPECT_TRUE(widget->font().bold());
            EXPECT_EQ(widget->font().italic(), control.italic);
        }
    }
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
