#include "app/engine_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "platform/json_fields.h"
#include "ports/port_sheet_file.h"
#include "wheel/wheel_file.h"

namespace crank {
namespace {

constexpr const char* kKind = "engine";
constexpr std::size_t kNameLongest = 25; // as the data entry screen's name box
constexpr std::size_t kBoxLongest = 16;  // longer than any value box holds

EntryBoxes readEngine(const JsonFields& engine, bool withTables)
{
    EntryBoxes boxes;
    boxes.name = engine.text("name", kNameLongest);
    boxes.stroke = engine.number("stroke");
    boxes.rod = engine.number("rod");
    boxes.offset = engine.number("offset");
    if (!withTables) {
        // A port setup kept no tables: one, from TDC. (A string, not a bare
        // literal, which GCC 12 takes for an overlapping copy here.)
        boxes.tables = std::string("1");
        boxes.angles = {"0", "", ""};
        return boxes;
    }
    boxes.tables = engine.text("tables", kBoxLongest);
    const std::vector<std::string> angles = engine.texts("angles", 3, kBoxLongest);
    std::copy(angles.begin(), angles.end(), boxes.angles.begin());
    return boxes;
}

} // namespace

QByteArray EngineFileAsJson(const EngineFile& file)
{
    const EntryBoxes& engine = file.engine;
    QJsonArray angles;
    for (const std::string& angle : engine.angles) {
        if (!angle.empty()) {
            angles.append(JsonNumber(angle));
        }
    }
    QJsonObject root{
        {"kind", kKind},
        {"version", kEngineFileVersion},
        {"engine", QJsonObject{{"name", QString::fromStdString(engine.name)},
                               {"stroke", JsonNumber(engine.stroke)},
                               {"rod", JsonNumber(engine.rod)},
                               {"offset", JsonNumber(engine.offset)},
                               {"tables", JsonNumber(engine.tables)},
                               {"angles", angles}}},
        {"ports", PortSheetAsJson(file.ports)},
        {"wheel", WheelInputAsJson(file.wheel)},
    };
    if (file.before) {
        root.insert(QLatin1String("before"), BaselineAsJson(*file.before));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

EngineFileRead ReadEngineFile(const QByteArray& bytes)
{
    const EngineJson json = ReadEngineJson(bytes);
    if (!json.problem.empty()) {
        return {{}, 0, json.problem};
    }
    try {
        const JsonFields fields(json.root);
        EngineFile file;
        if (json.version == 1) {
            file.engine = readEngine(fields.group("engine"), false);
            file.ports = ReadPortSheet(fields);
            return {file, 1, {}};
        }
        file.engine = readEngine(fields.group("engine"), true);
        file.ports = ReadPortSheet(fields.group("ports"));
        file.wheel = ReadWheelInput(fields.group("wheel"));
        if (fields.has("before")) {
            file.before = ReadBaseline(fields.group("before"));
        }
        return {file, kEngineFileVersion, {}};
    } catch (const FileFault& fault) {
        return {{}, 0, fault.problem};
    }
}

} // namespace crank
