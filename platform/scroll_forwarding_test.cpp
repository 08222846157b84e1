// The wheel and the page keys on both scrolling screens.
#include "platform/scroll_forwarding.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "info/user_info.h"
#include "platform/twips_qt.h"
#include "tables/ang_disp.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// A wheel turn over a widget as the window system delivers it, so that it
// travels up to the parents that handle it. A touchpad sends small steps.
void turnWheel(QWidget* over, int angle, QPoint pixels = {})
{
    const QPointF at(2, 2);
    QWheelEvent wheel(at, over->mapToGlobal(at), pixels, QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(over, &wheel);
}

// The panel follows a change of the scroll value (7650 twips of travel in 60 steps, rounded
// down), not the thumb while it is dragged.
TEST(ScrollForwardingTest, TheWheelAndThePageKeysTurnTheTablesScrollBarThatMovesThePanel)
{
    RecordingTablesPrinter printer;
    Ang_Disp screen(printer);
    auto* bar = screen.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    auto* cell = screen.findChild<QLineEdit*>(QStringLiteral("DispB2_7"));
    ASSERT_EQ(QApplication::wheelScrollLines(), 3);
    turnWheel(cell, -120); // one notch down
    EXPECT_EQ(bar->value(), 3);
    EXPECT_EQ(screen.panelTopTwips(), -382);
    for (int step = 0; step < 8; ++step) {
        turnWheel(cell, 15, QPoint(0, 4)); // a touchpad's notch up, in eighths
    }
    EXPECT_EQ(bar->value(), 0);
    // A page: the viewport's 4600 twips at 127.5 twips a value.
    QTest::keyClick(cell, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 36);
    QTest::keyClick(&screen, Qt::Key_PageDown);
    QTest::keyClick(bar, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 60);
    QTest::keyClick(&screen, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 24);
    bar->setSliderDown(true);
    bar->setSliderPosition(60);
    EXPECT_EQ(screen.panelTopTwips(), -3060);
    bar->setSliderDown(false);
    EXPECT_EQ(screen.panelTopTwips(), -7650);
    EXPECT_EQ(screen.findChild<QWidget*>(QStringLiteral("fdisp_2"))->y(), twipsToPixels(-7650));
}

// -floor(v * 2155 / 60): the panel is 8255 twips high behind a 6100 twip viewport. A dragged
// thumb moves it only on release.
TEST(ScrollForwardingTest, TheInformationPanelFollowsTheWheelAndPageKeysNotTheDraggedThumb)
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
