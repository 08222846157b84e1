#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QMimeData;

namespace crank {

// The local file a drag carries, if it carries exactly one whose name ends
// in one of the suffixes ("crank", without the dot); else empty.
QString DroppedFile(const QMimeData& data, const QStringList& suffixes);

// Lets a file of the given suffixes be dropped on any of the program's
// windows, on a box as on a label: open(path) runs for it. Other drags (a
// text onto a box) go on as before. Lives as long as the application.
void AcceptFileDrops(const QStringList& suffixes, std::function<void(const QString&)> open);

} // namespace crank
