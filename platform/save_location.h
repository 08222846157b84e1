#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

namespace crank {

// Where the save dialogs start: the folder of the file last chosen in this
// run while that folder exists, else the user's documents folder if it
// exists (a fresh account may have none), else the home folder. Remembered
// in memory only; nothing is kept between runs.
QString SaveFolder();
// Remembers the folder of a path the user chose, for the rest of the run.
void RememberSaveFolder(const QString& chosenPath);
// fileName in SaveFolder().
QString SuggestedSavePath(const QString& fileName);

// Writes bytes to path whole or not at all: the data goes to a temporary
// file beside it, which replaces the file only once everything is on disk,
// so a failed save leaves no partial file and keeps an existing one.
// Returns an empty string on success, else why, in plain words: "The folder
// does not exist." or the system's own words for its error ("Permission
// denied", "No space left on device", "Read-only file system").
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Lets draw write the file into a scratch folder (it returns whether it
// could), then saves that file whole at path as WriteWholeFile does, so the
// reason for a failure comes from the system and no partial file is left.
// Returns an empty string on success, else why, in plain words.
QString SaveDrawnFile(const QString& path, const std::function<bool(const QString& draft)>& draw);

// The prompt of a failed save: what could not be saved, the path, and why.
std::string SaveFailedPrompt(const std::string& what, const QString& path, const QString& reason);

} // namespace crank
