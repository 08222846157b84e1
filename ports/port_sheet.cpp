#include "ports/port_sheet.h"

#include <algorithm>
#include <cmath>

#include "platform/vector_unit.h"
#include "ports/comparison.h"
#include "ports/compression.h"
#include "ports/sheet_texts.h"
#include "ports/time_area.h"
#include "tables/file_name.h"
#include "tables/table_builder.h"

namespace crank {

const char* const kHeightsExplained =
    "Heights are measured down from the cylinder top: to the upper edge of a port the crown "
    "opens (exhaust, transfers, boost), to the lower edge of a port the skirt opens "
    "(piston-port inlet).";
const char* const kStrokeExplained =
    "The stroke is the piston's travel from TDC to BDC. With a pin offset the crank radius is "
    "solved so that this travel is the stroke typed, and BDC no longer lies at 180 degrees.";

double DepthOfHeight(PortKind kind, double heightMm, const PortSheetView& sheet)
{
    const double below = heightMm - sheet.deckInUse;
    return kind == PortKind::CrownOpened ? below : below - sheet.pistonLength.millimetres;
}

float DropOfHeight(PortKind kind, double heightMm, const PortSheetView& sheet)
{
    return EdgeDrop(kind, static_cast<float>(heightMm), static_cast<float>(sheet.deckInUse),
                    static_cast<float>(sheet.pistonLength.millimetres));
}

namespace {

std::string portName(const std::string& typed, int index)
{
    // A pasted tab or line break would split the copied row.
    std::string name = typed;
    std::ranges::replace_if(
        name, [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n'; }, ' ');
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "Port " + std::to_string(index + 1);
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

std::string asymmetryNote(const EngineGeometry& geometry, const SheetTexts& texts)
{
    if (!geometry.OffsetNonZero) {
        return "No pin offset: every port opens and closes at the same angle either side of TDC.";
    }
    const bool withRotation = geometry.PinOffset > 0.0f;
    return "Pin offset " + std::string(withRotation ? "+" : "") +
           texts.lengthWithUnit(double{geometry.PinOffset}) + ": the piston passes each edge " +
           (withRotation ? "later" : "earlier") +
           " ATDC than BTDC, so opening and closing differ (BDC at " +
           texts.hundredths(double{geometry.BdcAngle}) + " degrees ATDC).";
}

// Why a port of this kind cannot be placed with the deck, the raise and the
// piston length as typed; empty when it can.
std::string setUpProblem(PortKind kind, const PortSheetView& sheet)
{
    if (sheet.deck.typed && !sheet.deck.number) {
        return "The deck is not a number.";
    }
    if (sheet.raise.typed && !sheet.raise.number) {
        return "The cylinder's raise is not a number.";
    }
    const LengthView& piston = sheet.pistonLength;
    if (kind == PortKind::CrownOpened) {
        return {};
    }
    if (!piston.typed) {
        return "Type the piston length (crown to skirt edge) for a skirt-opened port.";
    }
    if (!piston.number) {
        return "The piston length is not a number.";
    }
    if (!(piston.millimetres > 0.0)) {
        return "The piston length must be more than 0.";
    }
    return {};
}

// "Deck (crown below the cylinder top at TDC): 1.00 mm, 0.50 mm typed and the
// cylinder raised 0.50 mm".
std::string deckLine(const PortSheetView& sheet, const SheetTexts& texts)
{
    const std::string line = "Deck (crown below the cylinder top at TDC): ";
    if (sheet.deck.typed && !sheet.deck.number) {
        return line + sheet.deck.shown;
    }
    if (!sheet.raise.number || sheet.raise.millimetres == 0.0) {
        return line + texts.lengthWithUnit(sheet.deck.millimetres);
    }
    const double raise = sheet.raise.millimetres;
    return line + texts.lengthWithUnit(sheet.deckInUse) + ", " +
           texts.lengthWithUnit(sheet.deck.millimetres) + " typed and the cylinder " +
           (raise > 0.0 ? "raised " : "lowered ") + texts.lengthWithUnit(std::abs(raise)) +
           " (a base gasket or spacer)";
}

std::string timingProblem(TimingStatus status, PortKind kind, float drop, float stroke,
                          const SheetTexts& texts)
{
    const bool crown = kind == PortKind::CrownOpened;
    switch (status) {
    case TimingStatus::Timed:
        return {};
    case TimingStatus::NoGeometry:
        return "Display the tables first.";
    case TimingStatus::AboveTdc:
        return crown ? "Above the crown at TDC: the drop is " + texts.lengthWithUnit(drop) + "."
                     : "The skirt never clears this port: at TDC its edge is " +
                           texts.lengthWithUnit(-double{drop}) + " below the port's lower edge.";
    case TimingStatus::BeyondStroke:
        return crown ? "Beyond the stroke: the drop is " + texts.lengthWithUnit(drop) +
                           ", the stroke " + texts.lengthWithUnit(stroke) + "."
                     : "The skirt never closes this port: at BDC its edge is still " +
                           texts.lengthWithUnit(double{drop} - double{stroke}) +
                           " above the port's lower edge.";
    }
    return {};
}

PortRowView rowView(const EngineSnapshot& engine, const PortSheetInput& input, int index,
                    const PortSheetView& sheet, const SheetTexts& texts)
{
    const PortRowInput& typed = input.rows[static_cast<std::size_t>(index)];
    PortRowView row;
    row.name = portName(typed.name, index);
    row.role = typed.role;
    row.kind = KindOf(typed.role);
    row.height = ReadLength(typed.height, input.unit, sheet.style);
    row.used = row.height.typed;
    if (!row.used) {
        return row;
    }
    row.heightText = row.height.number ? texts.length(row.height.millimetres) : typed.height.text;
    if (!row.height.number) {
        row.message = "The height is not a number.";
        return row;
    }
    if (row.height.millimetres < 0.0) {
        row.message = "A height is measured down from the cylinder top, so it cannot be negative.";
        return row;
    }
    row.message = setUpProblem(row.kind, sheet);
    if (!row.message.empty()) {
        return row;
    }
    const float drop = DropOfHeight(row.kind, row.height.millimetres, sheet);
    const PortTiming timing = TimePort(engine, row.kind, drop);
    row.message = timingProblem(timing.status, row.kind, drop, engine.geometry.Stroke, texts);
    if (!row.message.empty()) {
        return row;
    }
    const bool crown = row.kind == PortKind::CrownOpened;
    row.timed = true;
    row.drop = drop;
    row.opens = timing.opens;
    row.closes = timing.closes;
    row.duration = timing.duration;
    row.opensText = texts.angle(double{timing.opens}) + (crown ? " ATDC" : " BTDC");
    row.closesText = texts.angle(double{timing.closes}) + (crown ? " BTDC" : " ATDC");
    row.durationText = texts.angle(double{timing.duration});
    return row;
}

// The height that meets the timing target, or why none, in words.
std::string timingTargetLine(const EngineSnapshot& engine, const PortSheetInput& input,
                             const PortSheetView& sheet, const SheetTexts& texts,
                             TimingTargetView& target)
{
    const std::optional<double> degrees = ReadTyped(input.targetDegrees, sheet.style);
    if (!degrees) {
        return "The target is not a number.";
    }
    const PortRowView& row = sheet.rows[static_cast<std::size_t>(target.row)];
    const std::string problem = setUpProblem(row.kind, sheet);
    if (!problem.empty()) {
        return problem;
    }
    // The drop of an edge at the cylinder top; no edge lies above it. A
    // height is its edge's drop less that.
    const float atTop = DropOfHeight(row.kind, 0.0, sheet);
    const PortDrop found =
        FindPortDrop(engine, row.kind, input.target, static_cast<float>(*degrees), atTop);
    const bool crown = row.kind == PortKind::CrownOpened;
    switch (found.status) {
    case SearchStatus::Found:
        target.found = true;
        target.height = double{found.drop} - double{atTop};
        return row.name + " needs a height of " + texts.lengthWithUnit(target.height) + ".";
    case SearchStatus::NoGeometry:
        return "Display the tables first.";
    case SearchStatus::NoRoom:
        return "No height gives that: no edge below the cylinder top lies within the stroke.";
    case SearchStatus::OutOfReach:
        break;
    }
    const std::string kindText = crown ? "crown-opened" : "skirt-opened";
    if (input.target == TimingTarget::Opening) {
        return "No height gives that: a " + kindText + " port opens from " +
               texts.angle(double{found.least}) + " to " + texts.angle(double{found.most}) +
               " degrees " + (crown ? "ATDC" : "BTDC") + ".";
    }
    return "No height gives that: a " + kindText + " port is open from " +
           texts.angle(double{found.least}) + " to " + texts.angle(double{found.most}) +
           " degrees.";
}

TimingTargetView timingTarget(const EngineSnapshot& engine, const PortSheetInput& input,
                              const PortSheetView& sheet, const SheetTexts& texts)
{
    TimingTargetView target;
    target.asked = !input.targetDegrees.empty();
    target.row = std::clamp(input.targetRow, 0, kMaxPorts - 1);
    target.target = input.target;
    target.degrees = input.targetDegrees;
    if (target.asked) {
        target.line = timingTargetLine(engine, input, sheet, texts, target);
    }
    return target;
}

DiagramView diagramView(const EngineSnapshot& engine, const PortSheetView& sheet,
                        const SheetTexts& texts)
{
    DiagramView diagram;
    diagram.bdcAngle = engine.geometry.BdcAngle;
    diagram.bdcLabel = "BDC " + texts.hundredths(double{engine.geometry.BdcAngle});
    for (int i = 0; i < kMaxPorts; ++i) {
        const PortRowView& row = sheet.rows[static_cast<std::size_t>(i)];
        if (!row.timed) {
            continue;
        }
        const bool crown = row.kind == PortKind::CrownOpened;
        DiagramArc arc;
        arc.number = i + 1;
        arc.role = row.role;
        arc.from = crown ? row.opens : static_cast<float>(360.0 - double{row.opens});
        arc.sweep = row.duration;
        arc.legend = std::to_string(i + 1) + " " + row.name + ": " + row.opensText + " to " +
                     row.closesText + ", " + row.durationText + " deg";
        diagram.arcs.push_back(arc);
    }
    return diagram;
}

} // namespace

PortSheetView BuildPortSheetView(const EngineSnapshot& engine, const PortSheetInput& input,
                                 const NumberStyle& style, const Baseline* before)
{
    SettleVectorUnit();
    PortSheetView sheet;
    sheet.style = style;
    sheet.unit = input.unit;
    const SheetTexts texts(input.unit, sheet.style);
    sheet.engineName = engine.typed.name;
    const std::vector<SummaryLine> summary = EngineSummaryLines(engine);
    for (std::size_t i = 0; i < summary.size(); ++i) {
        // The name stays as typed; the numbers take the sheet's style.
        const std::string value = i == 0 ? summary[i].value : InStyle(summary[i].value, style);
        sheet.summary.push_back({summary[i].label, value});
    }
    sheet.note = asymmetryNote(engine.geometry, texts);
    sheet.deck = ReadLength(input.deck, input.unit, style);
    sheet.pistonLength = ReadLength(input.pistonLength, input.unit, style);
    if (sheet.pistonLength.number && !(sheet.pistonLength.millimetres > 0.0)) {
        sheet.pistonLength.message = "Must be more than 0.";
    }
    sheet.raise = ReadLength(input.raise, input.unit, style);
    sheet.deckInUse = sheet.deck.millimetres + sheet.raise.millimetres;
    sheet.deckLine = deckLine(sheet, texts);
    if (sheet.pistonLength.number) {
        sheet.pistonLine = "Piston length (crown to skirt edge): " +
                           texts.lengthWithUnit(sheet.pistonLength.millimetres);
    }
    sheet.captions = {
        "Port",        "Role",         std::string("Height (") + UnitName(input.unit) + ")",
        "Opens (deg)", "Closes (deg)", "Duration (deg)"};
    for (int i = 0; i < kMaxPorts; ++i) {
        sheet.rows[static_cast<std::size_t>(i)] = rowView(engine, input, i, sheet, texts);
    }
    sheet.target = timingTarget(engine, input, sheet, texts);
    sheet.diagram = diagramView(engine, sheet, texts);
    BuildTimeArea(engine, input, texts, sheet);
    sheet.compression = BuildCompression(engine, input, sheet, texts);
    if (before != nullptr) {
        CompareWith(engine, *before, sheet);
    }
    return sheet;
}

std::vector<Record> PortSheetRecords(const PortSheetView& view)
{
    const SheetTexts texts(view.unit, view.style);
    const std::string unit = UnitName(view.unit);
    std::vector<Record> records;
    for (const SummaryLine& line : view.summary) {
        records.push_back({line.label, line.value});
    }
    records.push_back({"Deck (" + unit + "):", view.deck.typed && !view.deck.number
                                                   ? view.deck.shown
                                                   : texts.length(view.deck.millimetres)});
    if (view.raise.typed) {
        records.push_back({"Cylinder raised (" + unit + "):", texts.cell(view.raise)});
        records.push_back({"Deck in use (" + unit + "):", texts.length(view.deckInUse)});
    }
    if (view.pistonLength.number) {
        records.push_back(
            {"Piston length (" + unit + "):", texts.length(view.pistonLength.millimetres)});
    }
    records.push_back({"Heights in:", unit});
    records.push_back({});
    records.push_back({"Port", "Role", "Opened by", "Height (" + unit + ")", "Opens ATDC",
                       "Closes BTDC", "Opens BTDC", "Closes ATDC", "Duration (deg)", "Note"});
    for (const PortRowView& row : view.rows) {
        if (!row.used) {
            continue;
        }
        const bool crown = row.kind == PortKind::CrownOpened;
        Record record = {row.name, RoleName(row.role), crown ? "crown" : "skirt", row.heightText};
        std::array<std::string, 4> angles;
        if (row.timed) {
            const std::string opens = texts.angle(double{row.opens});
            const std::string closes = texts.angle(double{row.closes});
            angles = crown ? std::array<std::string, 4>{opens, closes, "", ""}
                           : std::array<std::string, 4>{"", "", opens, closes};
        }
        record.insert(record.end(), angles.begin(), angles.end());
        record.push_back(row.timed ? row.durationText : "");
        record.push_back(row.message);
        records.push_back(record);
    }
    const TimingTargetView& target = view.target;
    if (target.asked) {
        records.push_back({});
        records.push_back({"Target row:", view.rows[static_cast<std::size_t>(target.row)].name});
        records.push_back(
            {"Target of:", target.target == TimingTarget::Opening ? "opening angle" : "duration"});
        records.push_back({"Target (deg):", InStyle(target.degrees, view.style)});
        records.push_back(
            {"Height found (" + unit + "):", target.found ? texts.length(target.height) : ""});
        records.push_back({"Answer:", target.line});
    }
    const auto add = [&records](const std::vector<Record>& part) {
        records.insert(records.end(), part.begin(), part.end());
    };
    if (view.timeArea.any) {
        add(TimeAreaRecords(view));
    }
    if (view.compression.any) {
        add(CompressionRecords(view));
    }
    if (view.compare.on) {
        add(ComparisonRecords(view));
    }
    add(CurveRecords(view));
    return records;
}

std::string PortSheetFileName(const PortSheetView& view)
{
    return EngineFileName(view.engineName, "port timing", "port-timing", "pdf");
}

} // namespace crank
