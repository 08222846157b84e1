#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace crank {

// The files opened or saved last, newest first, at most kMost of them, kept
// in the platform's usual settings store under one key.
class RecentFiles {
public:
    static constexpr int kMost = 8;

    // The store is the caller's and outlives this.
    explicit RecentFiles(QSettings& store);

    // As kept, newest first.
    QStringList paths() const;
    // A file opened or saved: to the front, once, the oldest beyond kMost dropped.
    void add(const QString& path);
    // A file that is gone: off the list.
    void remove(const QString& path);
    // The files of the list that no longer exist, taken off it.
    QStringList dropMissing();

private:
    void keep(const QStringList& paths);

    QSettings& m_store;
};

} // namespace crank
