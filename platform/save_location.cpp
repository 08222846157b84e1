#include "platform/save_location.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace crank {
namespace {

// The folder last chosen in this run; empty until then.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

bool isFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString SaveFolder()
{
    if (isFolder(lastFolder())) {
        return lastFolder();
    }
    // Qt names the documents folder whether or not it has been made.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return isFolder(documents) ? documents : QDir::homePath();
}

void RememberSaveFolder(const QString& chosenPath)
{
    lastFolder() = QFileInfo(chosenPath).absolutePath();
}

QString SuggestedSavePath(const QString& fileName)
{
    return QDir(SaveFolder()).filePath(fileName);
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (written) {
        return {};
    }
    // The system's message for a missing folder speaks of a missing file.
    if (!isFolder(QFileInfo(path).absolutePath())) {
        return QStringLiteral("The folder does not exist.");
    }
    QString reason = file.errorString();
    if (!reason.isEmpty() && !reason.endsWith(QLatin1Char('.'))) {
        reason += QLatin1Char('.');
    }
    return reason;
}

QString SaveDrawnFile(const QString& path, const std::function<bool(const QString& draft)>& draw)
{
    QTemporaryDir scratch;
    const QString draft = scratch.filePath(QFileInfo(path).fileName());
    QFile drawn(draft);
    if (!scratch.isValid() || !draw(draft) || !drawn.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The page could not be drawn.");
    }
    return WriteWholeFile(path, drawn.readAll());
}

std::string SaveFailedPrompt(const std::string& what, const QString& path, const QString& reason)
{
    return what + " could not be saved as:\r\n" + path.toStdString() + "\r\n" +
           reason.toStdString() + "\r\n";
}

} // namespace crank
