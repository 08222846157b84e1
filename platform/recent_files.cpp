#include "platform/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace crank {
namespace {

const QString kKey = QStringLiteral("recentEngineFiles");

} // namespace

RecentFiles::RecentFiles(QSettings& store) : m_store(store) {}

QStringList RecentFiles::paths() const
{
    QStringList kept = m_store.value(kKey).toStringList();
    kept.removeAll(QString());
    return kept.mid(0, kMost);
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList kept = paths();
    kept.removeAll(absolute);
    kept.prepend(absolute);
    keep(kept.mid(0, kMost));
}

void RecentFiles::remove(const QString& path)
{
    QStringList kept = paths();
    kept.removeAll(path);
    keep(kept);
}

QStringList RecentFiles::dropMissing()
{
    QStringList kept;
    QStringList gone;
    for (const QString& path : paths()) {
        (QFileInfo::exists(path) ? kept : gone).append(path);
    }
    if (!gone.isEmpty()) {
        keep(kept);
    }
    return gone;
}

void RecentFiles::keep(const QStringList& paths)
{
    m_store.setValue(kKey, paths);
    m_store.sync();
}

} // namespace crank
