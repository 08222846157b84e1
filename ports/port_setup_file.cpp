#include "ports/port_setup_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "model/numeric_text.h"

namespace crank {
namespace {

constexpr const char* kKind = "port setup";
const std::array<const char*, kRoleCount> kRoles = {"exhaust", "transfer", "boost", "inlet"};
const std::array<const char*, kTargetGroups> kGroups = {"exhaust", "transfers", "inlet"};
const NumberStyle kPlain{"."};

// A refused file: what the user is told, after the file's name.
struct Refused {
    std::string problem;
};

// Typed texts go out with a decimal point and come back in the style.
std::string swapDecimal(std::string text, const std::string& from, const std::string& to)
{
    if (from == to) {
        return text;
    }
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

class Writer {
public:
    explicit Writer(const NumberStyle& style) : m_style(style) {}

    QJsonValue number(const std::string& typed) const
    {
        return QString::fromStdString(swapDecimal(typed, m_style.decimal, "."));
    }
    QJsonObject length(const TypedLength& typed) const
    {
        return {{"text", number(typed.text)},
                {"unit", typed.unit == LengthUnit::Inch ? "in" : "mm"}};
    }

private:
    const NumberStyle& m_style;
};

// Reads the fields of a parsed file; the first that is missing or wrong
// throws Refused, so that nothing half read is ever used.
class Reader {
public:
    explicit Reader(const NumberStyle& style) : m_style(style) {}

    static QJsonValue field(const QJsonObject& object, const char* name)
    {
        const QJsonValue value = object.value(QLatin1String(name));
        if (value.isUndefined()) {
            throw Refused{std::string("is damaged: \"") + name + "\" is missing."};
        }
        return value;
    }
    static QJsonObject object(const QJsonObject& in, const char* name)
    {
        const QJsonValue value = field(in, name);
        if (!value.isObject()) {
            throw Refused{std::string("is damaged: \"") + name + "\" is not a group of fields."};
        }
        return value.toObject();
    }
    static std::string text(const QJsonObject& in, const char* name, std::size_t longest = 100)
    {
        const QJsonValue value = field(in, name);
        if (!value.isString() || value.toString().size() > static_cast<qsizetype>(longest)) {
            throw Refused{std::string("is damaged: \"") + name + "\" is not a short text."};
        }
        return value.toString().toStdString();
    }
    // A number as typed: empty, a number, or on the way to one ("-").
    std::string number(const QJsonObject& in, const char* name) const
    {
        const std::string plain = text(in, name, 16);
        if (ClassifyTyped(plain, kPlain, true) == TypedNumber::Refused) {
            throw Refused{std::string("is damaged: \"") + name + "\" is not a number."};
        }
        return swapDecimal(plain, ".", m_style.decimal);
    }
    TypedLength length(const QJsonObject& in, const char* name) const
    {
        const QJsonObject box = object(in, name);
        return {number(box, "text"), unit(box, "unit")};
    }
    static LengthUnit unit(const QJsonObject& in, const char* name)
    {
        return LengthUnit(choice(in, name, std::array{"mm", "in"}));
    }
    // Which of the names the field holds, by its place among them.
    static int choice(const QJsonObject& in, const char* name, std::span<const char* const> names)
    {
        const std::string chosen = text(in, name);
        const auto found = std::ranges::find(names, chosen);
        if (found == names.end()) {
            throw Refused{std::string("is damaged: \"") + name + "\" is \"" + chosen + "\"."};
        }
        return static_cast<int>(found - names.begin());
    }
    static int rowNumber(const QJsonObject& in, const char* name)
    {
        const QJsonValue value = field(in, name);
        const int row = value.toInt(0);
        if (!value.isDouble() || row < 1 || row > kMaxPorts) {
            throw Refused{std::string("is damaged: \"") + name + "\" is not a row from 1 to 8."};
        }
        return row - 1;
    }

private:
    const NumberStyle& m_style;
};

PortSetup readSetup(const QJsonObject& root, const NumberStyle& style)
{
    const Reader read(style);
    PortSetup setup;
    // The engine's texts are the data entry screen's, always with a point.
    const Reader plain(kPlain);
    const QJsonObject engine = Reader::object(root, "engine");
    setup.engine = {Reader::text(engine, "name", 25), plain.number(engine, "stroke"),
                    plain.number(engine, "rod"), plain.number(engine, "offset")};
    PortSheetInput& input = setup.input;
    input.unit = Reader::unit(root, "unit");
    input.deck = read.length(root, "deck");
    input.pistonLength = read.length(root, "pistonLength");
    input.bore = read.length(root, "bore");
    input.rpm = read.number(root, "rpm");
    const QJsonValue rows = Reader::field(root, "rows");
    if (!rows.isArray() || rows.toArray().size() != kMaxPorts) {
        throw Refused{"is damaged: \"rows\" is not a list of 8 rows."};
    }
    for (int i = 0; i < kMaxPorts; ++i) {
        const QJsonValue value = rows.toArray().at(i);
        if (!value.isObject()) {
            throw Refused{"is damaged: a row is not a group of fields."};
        }
        const QJsonObject row = value.toObject();
        PortRowInput& typed = input.rows[static_cast<std::size_t>(i)];
        typed.name = Reader::text(row, "name", 25);
        typed.role = PortRole(Reader::choice(row, "role", kRoles));
        typed.height = read.length(row, "height");
        PortShapeInput& shape = typed.shape;
        shape.count = read.number(row, "count");
        shape.width = read.length(row, "width");
        shape.measure = WidthMeasure(Reader::choice(row, "measure", std::array{"chord", "arc"}));
        shape.windowHeight = read.length(row, "windowHeight");
        shape.topRadius = read.length(row, "topRadius");
        shape.bottomRadius = read.length(row, "bottomRadius");
        shape.bridge = read.length(row, "bridge");
    }
    const QJsonObject targets = Reader::object(root, "targets");
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        const QJsonObject range = Reader::object(targets, kGroups[g]);
        input.targets[g] = {read.number(range, "from"), read.number(range, "to")};
    }
    const QJsonObject timing = Reader::object(root, "timingTarget");
    input.targetRow = Reader::rowNumber(timing, "row");
    input.target = TimingTarget(Reader::choice(timing, "of", std::array{"opening", "duration"}));
    input.targetDegrees = read.number(timing, "degrees");
    const QJsonObject sta = Reader::object(root, "staTarget");
    input.staRow = Reader::rowNumber(sta, "row");
    input.staTarget = read.number(sta, "sta");
    return setup;
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

QByteArray SetupAsJson(const PortSetup& setup, const NumberStyle& style)
{
    const Writer write(style);
    const PortSheetInput& input = setup.input;
    QJsonArray rows;
    for (const PortRowInput& row : input.rows) {
        const PortShapeInput& shape = row.shape;
        rows.append(QJsonObject{{"name", QString::fromStdString(row.name)},
                                {"role", kRoles[static_cast<std::size_t>(row.role)]},
                                {"height", write.length(row.height)},
                                {"count", write.number(shape.count)},
                                {"width", write.length(shape.width)},
                                {"measure", shape.measure == WidthMeasure::Arc ? "arc" : "chord"},
                                {"windowHeight", write.length(shape.windowHeight)},
                                {"topRadius", write.length(shape.topRadius)},
                                {"bottomRadius", write.length(shape.bottomRadius)},
                                {"bridge", write.length(shape.bridge)}});
    }
    QJsonObject targets;
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        targets.insert(QLatin1String(kGroups[g]),
                       QJsonObject{{"from", write.number(input.targets[g].low)},
                                   {"to", write.number(input.targets[g].high)}});
    }
    const QJsonObject root{
        {"kind", kKind},
        {"version", kSetupVersion},
        {"engine", QJsonObject{{"name", QString::fromStdString(setup.engine.name)},
                               {"stroke", QString::fromStdString(setup.engine.stroke)},
                               {"rod", QString::fromStdString(setup.engine.rod)},
                               {"offset", QString::fromStdString(setup.engine.offset)}}},
        {"unit", input.unit == LengthUnit::Inch ? "in" : "mm"},
        {"deck", write.length(input.deck)},
        {"pistonLength", write.length(input.pistonLength)},
        {"bore", write.length(input.bore)},
        {"rpm", write.number(input.rpm)},
        {"rows", rows},
        {"targets", targets},
        {"timingTarget",
         QJsonObject{{"row", input.targetRow + 1},
                     {"of", input.target == TimingTarget::Duration ? "duration" : "opening"},
                     {"degrees", write.number(input.targetDegrees)}}},
        {"staTarget",
         QJsonObject{{"row", input.staRow + 1}, {"sta", write.number(input.staTarget)}}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SetupRead ReadSetup(const QByteArray& bytes, const NumberStyle& style)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const bool opens = bytes.trimmed().startsWith('{');
        return {{}, opens && endsEarly(bytes, error) ? "is cut short." : "is not a port setup."};
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("kind")).toString() != kKind) {
        return {{}, "is not a port setup."};
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != std::floor(version.toDouble())) {
        return {{}, "is damaged: its version is not a whole number."};
    }
    if (version.toDouble() > kSetupVersion) {
        return {{},
                "comes from a newer version of this program (setup version " +
                    std::to_string(static_cast<long long>(version.toDouble())) +
                    "); this one reads version " + std::to_string(kSetupVersion) + "."};
    }
    try {
        return {readSetup(root, style), {}};
    } catch (const Refused& refused) {
        return {{}, refused.problem};
    }
}

std::string OtherEngineNote(const EntryTexts& madeFor, const EngineSnapshot& shown)
{
    // Read as the data entry screen reads its boxes: "" and "-" are 0.
    const auto same = [](const std::string& typed, float value) {
        return static_cast<float>(ReadNumber(typed)) == value;
    };
    const EngineGeometry& g = shown.geometry;
    if (same(madeFor.stroke, g.Stroke) && same(madeFor.rod, g.RodLength) &&
        same(madeFor.offset, g.PinOffset)) {
        return {};
    }
    const auto describe = [](const EntryTexts& engine) {
        return (engine.name.empty() ? std::string("an unnamed engine") : engine.name) +
               " (stroke " + engine.stroke + " mm, rod " + engine.rod + " mm, offset " +
               engine.offset + " mm)";
    };
    return "This setup was made for " + describe(madeFor) + ". Its ports are timed on " +
           describe(shown.typed) + ", the engine on display.";
}

} // namespace crank
