// The wheel and the page keys on the tables screen.
#include "tables/ang_disp.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/twips_qt.h"
#include "platform/widget_test_support.h"
#include "tables/tables_test_doubles.h"

namespace crank {
namespace {

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

} // namespace
} // namespace crank
