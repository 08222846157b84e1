#include "ports/port_sheet_file.h"

#include <QJsonArray>
#include <array>

#include "model/typed_number.h"

namespace crank {
namespace {

const std::array kRoles = {"exhaust", "transfer", "boost", "inlet"};
const std::array kGroups = {"exhaust", "transfers", "inlet"};
const std::array kUnits = {"mm", "in"};
const std::array kMeasures = {"chord", "arc"};
const std::array kTargets = {"opening", "duration"};
const std::array kWayBackBy = {"edge", "width"};
const std::array kClearanceBy = {"at TDC", "head and squish"};
constexpr std::size_t kNameLongest = 25;      // as the sheet's and the engine's name boxes
constexpr std::size_t kFileNameLongest = 255; // as most file systems allow
constexpr std::size_t kWhenLongest = 40;

QJsonObject length(const TypedLength& typed)
{
    return {{"text", JsonNumber(typed.text)},
            {"unit", kUnits[static_cast<std::size_t>(typed.unit)]}};
}

TypedLength readLength(const JsonFields& fields, const char* name)
{
    const JsonFields box = fields.group(name);
    return {box.number("text"), LengthUnit(box.choice("unit", kUnits))};
}

QJsonObject engineJson(const EntryTexts& engine)
{
    return {{"name", QString::fromStdString(engine.name)},
            {"stroke", JsonNumber(engine.stroke)},
            {"rod", JsonNumber(engine.rod)},
            {"offset", JsonNumber(engine.offset)}};
}

EntryTexts readEngine(const JsonFields& engine)
{
    return {engine.text("name", kNameLongest), engine.number("stroke"), engine.number("rod"),
            engine.number("offset")};
}

// Written since the cylinder's raise, compression and the way back by width
// came; a file from before has none and reads as a fresh sheet has them.
void readLater(const JsonFields& fields, PortSheetInput& input)
{
    if (fields.has("raise")) {
        input.raise = readLength(fields, "raise");
    }
    if (fields.has("compression")) {
        const JsonFields compression = fields.group("compression");
        input.clearanceBy = ClearanceBy(compression.choice("clearanceBy", kClearanceBy));
        input.clearanceVolume = compression.number("volume");
        input.squish = readLength(compression, "squish");
        input.squishBand = readLength(compression, "band");
    }
    const JsonFields sta = fields.group("staTarget");
    if (sta.has("by")) {
        input.wayBackBy = WayBackBy(sta.choice("by", kWayBackBy));
    }
}

} // namespace

QJsonObject PortSheetAsJson(const PortSheetInput& input)
{
    QJsonArray rows;
    for (const PortRowInput& row : input.rows) {
        const PortShapeInput& shape = row.shape;
        rows.append(QJsonObject{{"name", QString::fromStdString(row.name)},
                                {"role", kRoles[static_cast<std::size_t>(row.role)]},
                                {"height", length(row.height)},
                                {"count", JsonNumber(shape.count)},
                                {"width", length(shape.width)},
                                {"measure", kMeasures[static_cast<std::size_t>(shape.measure)]},
                                {"windowHeight", length(shape.windowHeight)},
                                {"topRadius", length(shape.topRadius)},
                                {"bottomRadius", length(shape.bottomRadius)},
                                {"bridge", length(shape.bridge)}});
    }
    QJsonObject targets;
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        targets.insert(QLatin1String(kGroups[g]),
                       QJsonObject{{"from", JsonNumber(input.targets[g].low)},
                                   {"to", JsonNumber(input.targets[g].high)}});
    }
    return {
        {"unit", kUnits[static_cast<std::size_t>(input.unit)]},
        {"deck", length(input.deck)},
        {"pistonLength", length(input.pistonLength)},
        {"raise", length(input.raise)},
        {"bore", length(input.bore)},
        {"rpm", JsonNumber(input.rpm)},
        {"rows", rows},
        {"targets", targets},
        {"timingTarget", QJsonObject{{"row", input.targetRow + 1},
                                     {"of", kTargets[static_cast<std::size_t>(input.target)]},
                                     {"degrees", JsonNumber(input.targetDegrees)}}},
        {"staTarget", QJsonObject{{"row", input.staRow + 1},
                                  {"sta", JsonNumber(input.staTarget)},
                                  {"by", kWayBackBy[static_cast<std::size_t>(input.wayBackBy)]}}},
        {"compression",
         QJsonObject{{"clearanceBy", kClearanceBy[static_cast<std::size_t>(input.clearanceBy)]},
                     {"volume", JsonNumber(input.clearanceVolume)},
                     {"squish", length(input.squish)},
                     {"band", length(input.squishBand)}}},
    };
}

PortSheetInput ReadPortSheet(const JsonFields& fields)
{
    PortSheetInput input;
    input.unit = LengthUnit(fields.choice("unit", kUnits));
    input.deck = readLength(fields, "deck");
    input.pistonLength = readLength(fields, "pistonLength");
    input.bore = readLength(fields, "bore");
    input.rpm = fields.number("rpm");
    const std::vector<JsonFields> rows = fields.groups("rows", kMaxPorts);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const JsonFields& row = rows[i];
        PortRowInput& typed = input.rows[i];
        typed.name = row.text("name", kNameLongest);
        typed.role = PortRole(row.choice("role", kRoles));
        typed.height = readLength(row, "height");
        PortShapeInput& shape = typed.shape;
        shape.count = row.number("count");
        shape.width = readLength(row, "width");
        shape.measure = WidthMeasure(row.choice("measure", kMeasures));
        shape.windowHeight = readLength(row, "windowHeight");
        shape.topRadius = readLength(row, "topRadius");
        shape.bottomRadius = readLength(row, "bottomRadius");
        shape.bridge = readLength(row, "bridge");
    }
    const JsonFields targets = fields.group("targets");
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        const JsonFields range = targets.group(kGroups[g]);
        input.targets[g] = {range.number("from"), range.number("to")};
    }
    const JsonFields timing = fields.group("timingTarget");
    input.targetRow = timing.whole("row", 1, kMaxPorts) - 1;
    input.target = TimingTarget(timing.choice("of", kTargets));
    input.targetDegrees = timing.number("degrees");
    const JsonFields sta = fields.group("staTarget");
    input.staRow = sta.whole("row", 1, kMaxPorts) - 1;
    input.staTarget = sta.number("sta");
    readLater(fields, input);
    return input;
}

QJsonObject BaselineAsJson(const Baseline& before)
{
    return {{"source", QJsonObject{{"file", QString::fromStdString(before.source.file)},
                                   {"when", QString::fromStdString(before.source.when)}}},
            {"engine", engineJson(before.engine)},
            {"ports", PortSheetAsJson(before.input)}};
}

Baseline ReadBaseline(const JsonFields& fields)
{
    const JsonFields source = fields.group("source");
    return {readEngine(fields.group("engine")),
            ReadPortSheet(fields.group("ports")),
            {source.text("file", kFileNameLongest), source.text("when", kWhenLongest)}};
}

BaselineRead ReadBaselineFile(const QByteArray& bytes, const BaselineSource& source)
{
    const EngineJson json = ReadEngineJson(bytes);
    if (!json.problem.empty()) {
        return {std::nullopt, json.problem};
    }
    try {
        const JsonFields fields(json.root);
        // A port setup kept the sheet's fields at the top.
        return {Baseline{readEngine(fields.group("engine")),
                         ReadPortSheet(json.version == 1 ? fields : fields.group("ports")), source},
                {}};
    } catch (const FileFault& fault) {
        return {std::nullopt, fault.problem};
    }
}

} // namespace crank
