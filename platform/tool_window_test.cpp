#include "platform/tool_window.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace crank {
namespace {

// Leaving the screen closes the tool that works on its display, and only then.
TEST(ToolWindowTest, AToolClosesWhenItsScreenIsLeft)
{
    QWidget screen;
    QDialog tool;
    CloseWithScreen(screen, tool);
    screen.show();
    ShowTool(tool);
    EXPECT_TRUE(tool.isVisible());
    screen.hide();
    EXPECT_FALSE(tool.isVisible());
    ShowTool(tool); // opened again on its own: nothing closes it
    EXPECT_TRUE(tool.isVisible());
}

// A page the screen has room for opens whole, without scrolling: a scroll
// area alone would ask for 24 lines of text at most.
TEST(ToolWindowTest, AWindowTheScreenHasRoomForOpensWhole)
{
    auto* content = new QWidget;
    auto* lines = new QVBoxLayout(content);
    auto* block = new QLabel;
    block->setFixedSize(500, 30 * block->fontMetrics().height());
    lines->addWidget(block);
    QWidget window;
    auto* whole = new QVBoxLayout(&window);
    QScrollArea* page = ScrollingPage(content, &window);
    whole->addWidget(page);
    FitToScreen(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_LE(window.height(), QGuiApplication::primaryScreen()->availableGeometry().height());
    EXPECT_TRUE(QRect(QPoint(), page->viewport()->size()).contains(block->geometry()));
}

} // namespace
} // namespace crank
