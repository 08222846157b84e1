#include "ports/time_area.h"

// The time-area's part of the copy and the CSV: plain numbers in the sheet's
// unit and style under captions that name their units.

namespace crank {
namespace {

void addRows(const PortSheetView& sheet, const SheetTexts& texts, std::vector<Record>& records)
{
    const std::string unit = " (" + std::string(UnitName(sheet.unit)) + ")";
    records.push_back({"Port", "Count", "Width" + unit, "Measured", "Chord" + unit,
                       "Window height" + unit, "Top radius" + unit, "Bottom radius" + unit,
                       "Bridge" + unit, "Area (mm²)", "Angle-area (mm²·deg)", "Time-area (mm²·s)",
                       "STA (s·mm²/cm³)", "STA (s·cm²/cm³)", "Note"});
    for (const PortRowView& row : sheet.rows) {
        const ShapeView& shape = row.shape;
        if (!shape.shaped) {
            continue;
        }
        const bool arc = shape.measure == WidthMeasure::Arc;
        records.push_back(
            {row.name, shape.count > 0 ? std::to_string(shape.count) : "", texts.cell(shape.width),
             arc ? "arc" : "chord", shape.figures ? texts.length(shape.chord) : "",
             texts.cell(shape.windowHeight), texts.cell(shape.topRadius),
             texts.cell(shape.bottomRadius), texts.cell(shape.bridge), shape.fullAreaText,
             shape.angleAreaText, shape.timeAreaText, shape.staText, shape.staCmText,
             shape.message.empty() ? shape.note : shape.message});
    }
}

void addTargets(const TimeAreaView& view, const SheetTexts& texts, std::vector<Record>& records)
{
    records.push_back(
        {"Target", "From (s·cm²/cm³)", "To (s·cm²/cm³)", "Met from (rpm)", "Met to (rpm)", "Note"});
    for (std::size_t g = 0; g < view.targets.size(); ++g) {
        const TargetView& target = view.targets[g];
        records.push_back(
            {GroupName(static_cast<TargetGroup>(g)), target.read ? texts.sta(target.low) : "",
             target.read ? texts.sta(target.high) : "",
             target.met ? texts.fixed(target.rpmFrom, 0) : "",
             target.met ? texts.fixed(target.rpmTo, 0) : "", target.met ? "" : target.line});
    }
}

void addWayBack(const PortSheetView& sheet, const SheetTexts& texts, std::vector<Record>& records)
{
    const WayBackView& way = sheet.timeArea.wayBack;
    const std::string unit = " (" + std::string(UnitName(sheet.unit)) + "):";
    const bool crown = way.kind == PortKind::CrownOpened;
    records.push_back({});
    records.push_back({"Way back to a goal STA for the row's group"});
    records.push_back({"Row:", sheet.rows[static_cast<std::size_t>(way.row)].name});
    records.push_back({"Group:", GroupName(way.group)});
    records.push_back({"Goal STA (s·cm²/cm³):", texts.sta(way.target)});
    records.push_back({"Engine speed (rpm):", texts.fixed(way.rpm, 0)});
    if (way.by == WayBackBy::Width) {
        records.push_back({"By:", "the width of its windows"});
    }
    if (way.status == WayBackStatus::Found && way.by == WayBackBy::Width) {
        const bool arc = way.measure == WidthMeasure::Arc;
        records.push_back({std::string(arc ? "Arc" : "Chord") + " of each window" + unit,
                           texts.length(way.width)});
        records.push_back({"Wider by" + unit, texts.length(way.change)});
        records.push_back({"Group STA with it (s·cm²/cm³):", texts.sta(way.reached)});
    } else if (way.status == WayBackStatus::Found) {
        records.push_back({"Edge moved:", crown ? "roof" : "floor"});
        records.push_back({"Moved down the bore" + unit, texts.length(way.change)});
        records.push_back({"New height" + unit, texts.length(way.height)});
        records.push_back({"Window height" + unit, texts.length(way.windowHeight)});
        records.push_back({crown ? "Opens ATDC:" : "Opens BTDC:", texts.angle(way.opens)});
        records.push_back({"Duration (deg):", texts.angle(way.duration)});
        records.push_back({"Group STA with it (s·cm²/cm³):", texts.sta(way.reached)});
    }
    records.push_back({"Answer:", way.line});
    for (const std::string& warning : WayBackWarnings(way)) {
        records.push_back({"Warning:", warning});
    }
}

void addCurves(const AreaPlotView& plot, const SheetTexts& texts, std::vector<Record>& records)
{
    records.push_back({});
    Record header = {"Crank angle (deg ATDC)"};
    for (const AreaCurve& curve : plot.curves) {
        header.push_back(RoleTitle(curve.role) + " area (mm²)");
    }
    for (const AreaCurve& curve : plot.beforeCurves) {
        header.push_back(RoleTitle(curve.role) + " area before (mm²)");
    }
    records.push_back(header);
    constexpr auto kPoints = static_cast<std::size_t>(360.0 / kCurveStep) + 1;
    for (std::size_t k = 0; k < kPoints; ++k) {
        Record record = {texts.angle(static_cast<double>(k) * kCurveStep)};
        for (const auto* curves : {&plot.curves, &plot.beforeCurves}) {
            for (const AreaCurve& curve : *curves) {
                record.push_back(texts.hundredths(curve.area[k]));
            }
        }
        records.push_back(record);
    }
}

} // namespace

std::vector<Record> TimeAreaRecords(const PortSheetView& sheet)
{
    const TimeAreaView& view = sheet.timeArea;
    const SheetTexts texts(sheet.unit, sheet.style);
    const std::string unit = UnitName(sheet.unit);
    std::vector<Record> records;
    records.push_back({});
    records.push_back({"Bore (" + unit + "):", texts.cell(view.bore)});
    records.push_back({"Engine speed (rpm):", view.rpmRead ? texts.fixed(view.rpm, 0) : ""});
    records.push_back(
        {"Swept volume (cm³):", view.sweptVolume > 0.0 ? texts.fixed(view.sweptVolume, 3) : ""});
    records.push_back({});
    addRows(sheet, texts, records);
    records.push_back({});
    records.push_back(view.captions);
    for (const FlowFigures& figures : view.figures) {
        records.push_back(figures.cells);
    }
    records.push_back({});
    addTargets(view, texts, records);
    if (view.blowdownFigures) {
        records.push_back({});
        records.push_back({"Blowdown (deg):", texts.angle(view.blowdownAngle)});
        records.push_back(
            {"Blowdown angle-area (mm²·deg):", texts.fixed(view.blowdownAngleArea, 0)});
        if (view.blowdownSta > 0.0) {
            records.push_back(
                {"Blowdown STA (s·cm²/cm³):", texts.sta(view.blowdownSta / kMm2PerCm2)});
        }
    }
    if (view.wayBack.status != WayBackStatus::NotAsked) {
        addWayBack(sheet, texts, records);
    }
    return records;
}

std::vector<Record> CurveRecords(const PortSheetView& sheet)
{
    std::vector<Record> records;
    const AreaPlotView& plot = sheet.timeArea.plot;
    if (!plot.curves.empty() || !plot.beforeCurves.empty()) {
        addCurves(plot, SheetTexts(sheet.unit, sheet.style), records);
    }
    return records;
}

} // namespace crank
