#include "app/engine_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

#include "model/typed_number.h"
#include "platform/json_fields.h"
#include "ports/port_sheet_file.h"
#include "wheel/wheel_file.h"

namespace crank {
namespace {

constexpr const char* kKind = "engine";
constexpr const char* kSetupKind = "port setup"; // version 1
constexpr std::size_t kNameLongest = 25;         // as the data entry screen's name box
constexpr std::size_t kBoxLongest = 16;          // longer than any value box holds

QString plain(const std::string& typed)
{
    return QString::fromStdString(InStyle(typed, {"."}));
}

EntryBoxes readEngine(const JsonFields& engine, bool withTables)
{
    EntryBoxes boxes;
    boxes.name = engine.text("name", kNameLongest);
    boxes.stroke = engine.number("stroke");
    boxes.rod = engine.number("rod");
    boxes.offset = engine.number("offset");
    if (!withTables) {
        // A port setup kept no tables: one, from TDC.
        boxes.tables = "1";
        boxes.angles = {"0", "", ""};
        return boxes;
    }
    boxes.tables = engine.text("tables", kBoxLongest);
    const std::vector<std::string> angles = engine.texts("angles", 3, kBoxLongest);
    std::copy(angles.begin(), angles.end(), boxes.angles.begin());
    return boxes;
}

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

QByteArray EngineFileAsJson(const EngineFile& file)
{
    const EntryBoxes& engine = file.engine;
    QJsonArray angles;
    for (const std::string& angle : engine.angles) {
        if (!angle.empty()) {
            angles.append(plain(angle));
        }
    }
    const QJsonObject root{
        {"kind", kKind},
        {"version", kEngineFileVersion},
        {"engine", QJsonObject{{"name", QString::fromStdString(engine.name)},
                               {"stroke", plain(engine.stroke)},
                               {"rod", plain(engine.rod)},
                               {"offset", plain(engine.offset)},
                               {"tables", plain(engine.tables)},
                               {"angles", angles}}},
        {"ports", PortSheetAsJson(file.ports)},
        {"wheel", WheelInputAsJson(file.wheel)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

EngineFileRead ReadEngineFile(const QByteArray& bytes)
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
    try {
        const JsonFields fields(root);
        EngineFile file;
        if (setup) {
            file.engine = readEngine(fields.group("engine"), false);
            file.ports = ReadPortSheet(fields);
            return {file, 1, {}};
        }
        file.engine = readEngine(fields.group("engine"), true);
        file.ports = ReadPortSheet(fields.group("ports"));
        file.wheel = ReadWheelInput(fields.group("wheel"));
        return {file, kEngineFileVersion, {}};
    } catch (const FileFault& fault) {
        return {{}, 0, fault.problem};
    }
}

} // namespace crank
