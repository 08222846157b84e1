#include "platform/after_paint.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace crank {
namespace {

class PaintWatch final : public QObject {
public:
    PaintWatch(QWidget& window, QObject& context, std::function<void()> work)
        : QObject(&context), m_window(&window), m_work(std::move(work))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            QMetaObject::invokeMethod(parent(), std::move(m_work), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_work;
};

} // namespace

void AfterNextPaint(QWidget& window, QObject& context, std::function<void()> work)
{
    new PaintWatch(window, context, std::move(work));
}

} // namespace crank
