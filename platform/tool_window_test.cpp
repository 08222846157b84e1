#include "platform/tool_window.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
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

// A window taller than the screen opens no larger than the screen's room,
// and a box below the edge scrolls into view when the keyboard reaches it.
TEST(ToolWindowTest, AWindowTallerThanTheScreenScrolls)
{
    auto* content = new QWidget;
    auto* lines = new QVBoxLayout(content);
    for (int i = 0; i < 200; ++i) {
        lines->addWidget(new QLabel(QStringLiteral("line %1").arg(i)));
    }
    auto* last = new QLineEdit;
    lines->addWidget(last);
    QWidget window;
    auto* whole = new QVBoxLayout(&window);
    whole->addWidget(ScrollingPage(content, &window));
    FitToScreen(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(window.height(), room.height());
    EXPECT_LE(window.width(), room.width());
    last->setFocus(Qt::TabFocusReason);
    const QPoint at = last->mapTo(&window, QPoint(0, last->height()));
    EXPECT_LE(at.y(), window.height());
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
