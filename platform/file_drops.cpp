#include "platform/file_drops.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace crank {
namespace {

// Sees every drag before the widget under it: a box would take the file's
// name as text otherwise.
class FileDropFilter final : public QObject {
public:
    FileDropFilter(QStringList suffixes, std::function<void(const QString&)> open)
        : QObject(qApp), m_suffixes(std::move(suffixes)), m_open(std::move(open))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        // A window takes drops only when it says so; a box says so already.
        if (type == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && !widget->acceptDrops()) {
                widget->setAcceptDrops(true);
            }
            return false;
        }
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
            return false;
        }
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path =
            drop->mimeData() != nullptr ? DroppedFile(*drop->mimeData(), m_suffixes) : QString();
        if (path.isEmpty() || !watched->isWidgetType()) {
            return false;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop) {
            m_open(path);
        }
        return true;
    }

private:
    QStringList m_suffixes;
    std::function<void(const QString&)> m_open;
};

} // namespace

QString DroppedFile(const QMimeData& data, const QStringList& suffixes)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    const QString path = urls.front().toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    return suffixes.contains(suffix, Qt::CaseInsensitive) ? path : QString();
}

void AcceptFileDrops(const QStringList& suffixes, std::function<void(const QString&)> open)
{
    qApp->installEventFilter(new FileDropFilter(suffixes, std::move(open)));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->setAcceptDrops(true);
    }
}

} // namespace crank
