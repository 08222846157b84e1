#include "app/tabs_menu.h"

#include <QTest>
#include <gtest/gtest.h>

#include "platform/twips_qt.h"

namespace crank {
namespace {

TEST(TabsMenuTest, ShowsTitleClientSizeAndBackground)
{
    TabsMenu front;
    front.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&front));
    EXPECT_EQ(front.windowTitle(), QStringLiteral("Crank Angle/Piston Displacement Utility"));
    const QWidget* client = front.centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), twipSize(7080, 7410));
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(192, 0, 0));
}

} // namespace
} // namespace crank
