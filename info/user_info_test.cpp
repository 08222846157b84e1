#include "info/user_info.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

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

} // namespace
} // namespace crank
