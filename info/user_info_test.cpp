#include "info/user_info.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/twips_qt.h"
#include "platform/widget_test_support.h"

namespace crank {
namespace {

// Each label shows its whole text beside the others on the panel, which stays clear of the
// scroll bar.
TEST(UserInfoTest, EveryLabelShowsWholeOnThePanel)
{
    UserInfo info;
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    EXPECT_EQ(info.windowTitle(), "Crank Angle/Piston Displacement Utility - User Information");
    const QWidget* panel = info.findChild<QWidget*>("finfo_1");
    const QList<QLabel*> labels = panel->findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 29);
    for (const QLabel* label : labels) {
        const QFontMetricsF metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
        EXPECT_LE(label->geometry().right(), panel->width()) << label->objectName().toStdString();
        // Lines 250 twips apart are 255 high: a pixel of overlap is the design's.
        const QRect inner = label->geometry().adjusted(1, 1, -1, -1);
        for (const QLabel* other : labels) {
            EXPECT_TRUE(other == label || !other->geometry().intersects(inner))
                << label->objectName().toStdString() << " over "
                << other->objectName().toStdString();
        }
    }
    EXPECT_LT(panel->geometry().right(), info.findChild<QWidget*>("VScroll1")->x());
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

// -floor(v * 2155 / 60): the panel is 8255 twips high behind a 6100 twip viewport. A dragged
// thumb moves it only on release.
TEST(UserInfoTest, ThePanelFollowsTheWheelAndPageKeysNotTheDraggedThumb)
{
    UserInfo info;
    auto* bar = info.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    turnWheel(info.findChild<QLabel*>(QStringLiteral("InfoLab_3")), -240);
    EXPECT_EQ(bar->value(), 6);
    EXPECT_EQ(info.panelTopTwips(), -215);
    // The viewport is taller than the panel's travel: one page reaches the end.
    QTest::keyClick(&info, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 60);
    bar->setSliderDown(true);
    bar->setSliderPosition(1);
    EXPECT_EQ(info.panelTopTwips(), -2155);
    bar->setSliderDown(false);
    EXPECT_EQ(info.panelTopTwips(), -35);
    EXPECT_EQ(info.findChild<QWidget*>(QStringLiteral("finfo_1"))->y(), twipsToPixels(-35));
}

} // namespace
} // namespace crank
