#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <string>

namespace crank {

// The outside of an engine file, which the port sheet reads too when it
// compares with one: JSON that parses whole, of the engine file's kind (or a
// port setup, its version 1), at a version this program reads.
inline constexpr int kEngineFileVersion = 2;
// A file is a few kilobytes; a larger one is refused before it is read.
inline constexpr qint64 kEngineFileLargest = 1 << 20;

// The bytes of an engine file on disk, or why there are none: "could not be
// read: ...", or "is not an engine file: it is far too large."
struct EngineFileBytes {
    QByteArray bytes;
    std::string problem;
};
EngineFileBytes ReadEngineFileBytes(const QString& path);

struct EngineJson {
    QJsonObject root;
    int version = 0;     // 1: a port setup, with the sheet's fields at the top
    std::string problem; // why the bytes are none: "is not an engine file.", "is cut short."
};
EngineJson ReadEngineJson(const QByteArray& bytes);

} // namespace crank
