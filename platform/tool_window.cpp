#include "platform/tool_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

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

// A scroll area that asks for room for the whole of its content, its
// wrapped texts at the content's width, with room kept for the vertical
// scroll bar; a plain one asks for 36 by 24 lines of text at most, and a
// window sized as it asks opens smaller than the screen allows.
// It also brings a control into view when the keyboard moves the focus to
// it, from anywhere in the window: Tab from a button outside the page, or
// Shift+Tab back into it. A click leaves the page where it is.
class WholePage final : public QScrollArea {
public:
    static constexpr int kMargin = 8; // pixels kept round a control brought into view

    explicit WholePage(QWidget* parent) : QScrollArea(parent)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now != nullptr && widget() != nullptr && widget()->isAncestorOf(now) &&
                QGuiApplication::mouseButtons() == Qt::NoButton) {
                // The whole control: ensureWidgetVisible is content once a
                // line edit's cursor shows, which may leave the box cut off.
                const QPoint centre = now->mapTo(widget(), now->rect().center());
                ensureVisible(centre.x(), centre.y(), now->width() / 2 + kMargin,
                              now->height() / 2 + kMargin);
            }
        });
    }

    QSize sizeHint() const override
    {
        const QWidget* content = widget();
        if (content == nullptr) {
            return QScrollArea::sizeHint();
        }
        QSize size = content->sizeHint().expandedTo(content->minimumSizeHint());
        if (content->hasHeightForWidth()) {
            size.setHeight(std::max(size.height(), content->heightForWidth(size.width())));
        }
        const int frame = 2 * frameWidth();
        return size + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
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

QPushButton* AddCommandButton(QBoxLayout& row, QWidget& window, QAction& command,
                              QPushButton& before)
{
    auto* button = new QPushButton(command.text(), &window);
    button->setObjectName(command.objectName());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &command, &QAction::trigger);
    row.insertWidget(row.indexOf(&before), button);
    window.addAction(&command);
    return button;
}

QScrollArea* ScrollingPage(QWidget* content, QWidget* parent)
{
    auto* page = new WholePage(parent);
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
