#include "app/tabs_menu.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

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

// Drawn from the top, each label's ink lies inside the label.
TEST_F(TabsMenuTest, EveryLabelShowsWholeBelowTheMenuBar)
{
    EXPECT_EQ(front.windowTitle(), "Crank Angle/Piston Displacement Utility");
    EXPECT_GE(front.centralWidget()->y(), front.menuBar()->height());
    const QList<QLabel*> labels = front.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 6);
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font());
        const QRect ink = metrics.tightBoundingRect(label->text());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        EXPECT_GE(metrics.ascent() + ink.top(), 0);
        EXPECT_LE(metrics.ascent() + ink.bottom(), label->height());
    }
}

TEST_F(TabsMenuTest, TheLogoIsWhiteLinesOnRed)
{
    const QImage image = front.findChild<QWidget*>("Picture1")
                             ->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    const auto whites =
        std::count(pixels, pixels + image.width() * image.height(), qRgb(255, 255, 255));
    EXPECT_GT(whites, 200);
    EXPECT_LT(whites, image.width() * image.height() / 4);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(192, 0, 0));
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
