#include "info/user_info.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/twips_qt.h"

namespace crank {
namespace {

TEST(UserInfoTest, EveryLabelShowsWholeOnThePanel)
{
    UserInfo info;
    EXPECT_EQ(info.windowTitle(), "Crank Angle/Piston Displacement Utility - User Information");
    const QWidget* panel = info.findChild<QWidget*>("finfo_1");
    const QList<QLabel*> labels = panel->findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 29);
    for (const QLabel* label : labels) {
        const QFontMetricsF metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
        EXPECT_LE(label->geometry().right(), panel->width()) << label->objectName().toStdString();
    }
}

// -floor(v * 2155 / 60): the panel is 8255 twips high behind a 6100 twip viewport. An arrow
// click moves it at once, a dragged thumb only on release.
TEST(UserInfoTest, ThePanelMovesWithTheScrollValue)
{
    UserInfo info;
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    auto* bar = info.findChild<QScrollBar*>("VScroll1");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_EQ(info.panelTopTwips(), -35);
    EXPECT_EQ(info.findChild<QWidget*>("finfo_1")->y(), twipsToPixels(-35));
    bar->setSliderDown(true);
    bar->setSliderPosition(60);
    EXPECT_EQ(info.panelTopTwips(), -35);
    bar->setSliderDown(false);
    EXPECT_EQ(info.panelTopTwips(), -2155);
}

TEST(UserInfoTest, ReturnHidesTheScreenBeforeAskingForTheFront)
{
    UserInfo info;
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    EXPECT_TRUE(info.findChild<QPushButton*>("Command1")->hasFocus());
    bool visibleWhenAsked = true;
    QObject::connect(&info, &UserInfo::frontScreenRequested,
                     [&] { visibleWhenAsked = info.isVisible(); });
    QTest::mouseClick(info.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(visibleWhenAsked);
    EXPECT_FALSE(info.isVisible());
}

} // namespace
} // namespace crank
