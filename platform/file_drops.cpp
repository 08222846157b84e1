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
        // While a question or a file dialog waits for its answer, nothing
        // opens under it: the dialog takes the drop as it would.
        if (path.isEmpty() || !watched->isWidgetType() ||
            QApplication::activeModalWidget() != nullptr) {
            return false;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop) {
            // After the drop has ended: opening may ask a question, and the
            // program the file came from waits until the drop is done.
            QMetaObject::invokeMethod(
                this, [open = m_open, path] { open(path); }, Qt::QueuedConnection);
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
