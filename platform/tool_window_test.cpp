#include "platform/tool_window.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
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
// and its page scrolls to what lies below the edge.
TEST(ToolWindowTest, AWindowTallerThanTheScreenScrolls)
{
    auto* content = new QWidget;
    auto* lines = new QVBoxLayout(content);
    for (int i = 0; i < 200; ++i) {
        lines->addWidget(new QLabel(QStringLiteral("line %1").arg(i)));
    }
    QWidget window;
    auto* whole = new QVBoxLayout(&window);
    QScrollArea* page = ScrollingPage(content, &window);
    whole->addWidget(page);
    FitToScreen(window);
    window.show();
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(window.height(), room.height());
    EXPECT_LE(window.width(), room.width());
    QLabel* last = content->findChildren<QLabel*>().last();
    page->ensureWidgetVisible(last);
    const QPoint at = last->mapTo(&window, QPoint(0, last->height()));
    EXPECT_LE(at.y(), window.height());
}

} // namespace
} // namespace crank
