#include "platform/tool_window.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

namespace crank {
namespace {

// Watches a screen for its hiding; lives as long as the tool it closes.
class ClosesWithScreen final : public QObject {
public:
    ClosesWithScreen(QWidget& screen, QWidget& tool) : QObject(&tool), m_tool(&tool)
    {
        screen.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous() && m_tool) {
            m_tool->close();
        }
        return false;
    }

private:
    QPointer<QWidget> m_tool;
};

} // namespace

void CloseWithScreen(QWidget& screen, QWidget& tool)
{
    new ClosesWithScreen(screen, tool);
}

void ShowTool(QWidget& tool)
{
    tool.show();
    tool.raise();
    tool.activateWindow();
}

QPushButton* AddButton(QBoxLayout& row, QWidget& parent, const QString& caption,
                       const QString& name)
{
    auto* button = new QPushButton(caption, &parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

QScrollArea* ScrollingPage(QWidget* content, QWidget* parent)
{
    auto* page = new QScrollArea(parent);
    page->setWidgetResizable(true);
    page->setFrameShape(QFrame::NoFrame);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page->setWidget(content);
    return page;
}

void FitToScreen(QWidget& window)
{
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    QSize size = window.sizeHint().expandedTo(window.minimumSizeHint());
    if (screen != nullptr) {
        // The frame's title bar and borders come on top of the window's size.
        const QSize room = screen->availableGeometry().size() - QSize(16, 40);
        size = size.boundedTo(room);
    }
    window.resize(size);
}

} // namespace crank
