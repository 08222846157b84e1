#include "ports/engine_json.h"

#include <QFile>
#include <QJsonDocument>
#include <cmath>

namespace crank {
namespace {

constexpr const char* kKind = "engine";
constexpr const char* kSetupKind = "port setup"; // version 1

// Where a parse stopped: at the end of what there is means the file was cut.
bool endsEarly(const QByteArray& bytes, const QJsonParseError& error)
{
    qsizetype end = bytes.size();
    while (end > 0 && QChar::isSpace(static_cast<char32_t>(bytes[end - 1]))) {
        --end;
    }
    return error.offset >= end - 1;
}

} // namespace

EngineFileBytes ReadEngineFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, "could not be read: " + file.errorString().toStdString() + "."};
    }
    if (file.size() > kEngineFileLargest) {
        return {{}, "is not an engine file: it is far too large."};
    }
    return {file.readAll(), {}};
}

EngineJson ReadEngineJson(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const bool opens = bytes.trimmed().startsWith('{');
    if (error.error != QJsonParseError::NoError) {
        if (!opens) {
            return {{}, 0, "is not an engine file."};
        }
        if (endsEarly(bytes, error)) {
            return {{}, 0, "is cut short."};
        }
        return {{},
                0,
                "is damaged: " + error.errorString().toLower().toStdString() + " at byte " +
                    std::to_string(error.offset) + "."};
    }
    const QJsonObject root = document.object();
    const QString kind = root.value(QLatin1String("kind")).toString();
    if (!document.isObject() ||
        (kind != QLatin1String(kKind) && kind != QLatin1String(kSetupKind))) {
        return {{}, 0, "is not an engine file."};
    }
    const bool setup = kind == QLatin1String(kSetupKind);
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != std::floor(version.toDouble())) {
        return {{}, 0, "is damaged: version is not a whole number."};
    }
    if (version.toDouble() > kEngineFileVersion || (setup && version.toDouble() > 1)) {
        return {{},
                0,
                "comes from a newer version of this program (file version " +
                    std::to_string(static_cast<long long>(version.toDouble())) +
                    "); this one reads versions up to " + std::to_string(kEngineFileVersion) + "."};
    }
    return {root, setup ? 1 : kEngineFileVersion, {}};
}

} // namespace crank
