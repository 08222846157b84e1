#include "ports/comparison.h"

#include <algorithm>

#include "ports/time_area.h"

namespace crank {
namespace {

// "+1.9", "-1.9", "0.0": a change with its sign.
std::string signedText(const std::string& text)
{
    const bool nonZero = text.find_first_of("123456789") != std::string::npos;
    return nonZero && !text.starts_with('-') ? "+" + text : text;
}

void addFigure(std::vector<ComparedFigure>& figures, std::string name, Compared value, int digits,
               bool significant = false)
{
    if (value.now || value.before) {
        figures.push_back({std::move(name), value, digits, significant});
    }
}

bool sameGeometry(const EngineGeometry& a, const EngineGeometry& b)
{
    return a.Stroke == b.Stroke && a.RodLength == b.RodLength && a.PinOffset == b.PinOffset;
}

void compareRows(const PortSheetView& then, const SheetTexts& texts, PortSheetView& sheet)
{
    ComparisonView& compare = sheet.compare;
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const PortRowView& now = sheet.rows[i];
        const PortRowView& was = then.rows[i];
        const bool before = was.timed && was.kind == now.kind;
        const auto angle = [&](float PortRowView::*field) {
            return Compared{now.timed, before, now.timed ? double{now.*field} : 0.0,
                            before ? double{was.*field} : 0.0};
        };
        std::array<Compared, 3>& row = compare.rows[i];
        row = {angle(&PortRowView::opens), angle(&PortRowView::closes),
               angle(&PortRowView::duration)};
        if (!before) {
            compare.rowLines[i] = now.timed ? "none before" : "";
            continue;
        }
        const bool crown = now.kind == PortKind::CrownOpened;
        std::string line = "before " + texts.angle(row[0].beforeValue) +
                           (crown ? " ATDC, " : " BTDC, ") + texts.angle(row[1].beforeValue) +
                           (crown ? " BTDC, " : " ATDC, ") + texts.angle(row[2].beforeValue) +
                           " deg";
        if (now.timed) {
            line += "; change " + ComparedCells(row[0], 1, false, texts)[2] + ", " +
                    ComparedCells(row[1], 1, false, texts)[2] + ", " +
                    ComparedCells(row[2], 1, false, texts)[2];
        }
        compare.rowLines[i] = line;
    }
}

void compareFigures(const PortSheetView& then, PortSheetView& sheet)
{
    std::vector<ComparedFigure>& flow = sheet.compare.flow;
    for (std::size_t g = 0; g < kTargetGroups; ++g) {
        const TargetView& now = sheet.timeArea.targets[g];
        const TargetView& was = then.timeArea.targets[g];
        const std::string name = GroupName(static_cast<TargetGroup>(g));
        addFigure(flow, name + " STA (s·cm²/cm³)", {now.staKnown, was.staKnown, now.sta, was.sta},
                  kStaDigits, true);
        addFigure(flow, name + " target met from (rpm)",
                  {now.met, was.met, now.rpmFrom, was.rpmFrom}, 0);
        addFigure(flow, name + " target met to (rpm)", {now.met, was.met, now.rpmTo, was.rpmTo}, 0);
    }
    const TimeAreaView& now = sheet.timeArea;
    const TimeAreaView& was = then.timeArea;
    const bool nowBlowdown = now.blowdownFigures;
    const bool wasBlowdown = was.blowdownFigures;
    addFigure(flow, "Blowdown (deg)",
              {nowBlowdown, wasBlowdown, now.blowdownAngle, was.blowdownAngle}, 1);
    addFigure(flow, "Blowdown angle-area (mm²·deg)",
              {nowBlowdown, wasBlowdown, now.blowdownAngleArea, was.blowdownAngleArea}, 0);
    addFigure(flow, "Blowdown STA (s·cm²/cm³)",
              {now.blowdownSta > 0.0, was.blowdownSta > 0.0, now.blowdownSta / kMm2PerCm2,
               was.blowdownSta / kMm2PerCm2},
              kStaDigits, true);

    std::vector<ComparedFigure>& compression = sheet.compare.compression;
    const CompressionView& c = sheet.compression;
    const CompressionView& w = then.compression;
    addFigure(compression, "Clearance volume (cm³)",
              {c.clearance, w.clearance, c.clearanceVolume, w.clearanceVolume}, 2);
    addFigure(compression, "Geometric compression ratio (:1)",
              {c.geometric, w.geometric, c.geometricRatio, w.geometricRatio}, 2);
    addFigure(compression, "Trapped compression ratio (:1)",
              {c.trapped, w.trapped, c.trappedRatio, w.trappedRatio}, 2);
    addFigure(compression, "Squish area ratio (%)",
              {c.squishArea, w.squishArea, 100.0 * c.squishAreaRatio, 100.0 * w.squishAreaRatio},
              1);
}

void comparePlots(const AreaPlotView& was, AreaPlotView& plot)
{
    plot.beforeCurves = was.curves;
    // Its exhaust and transfer openings; BDC, marked last, is the engine's.
    for (std::size_t m = 0; m + 1 < was.marks.size(); ++m) {
        plot.beforeMarks.push_back({was.marks[m].angle, "before " + was.marks[m].label});
    }
    plot.beforeBlowdown = was.blowdown;
    plot.beforeBlowdownFrom = was.blowdownFrom;
    plot.beforeBlowdownTo = was.blowdownTo;
    plot.largest = std::max(plot.largest, was.largest);
}

} // namespace

std::array<std::string, 3> ComparedCells(const Compared& value, int digits, bool significant,
                                         const SheetTexts& texts)
{
    const auto shown = [&](double number) {
        return significant ? texts.sta(number) : texts.fixed(number, digits);
    };
    return {value.now ? shown(value.nowValue) : "", value.before ? shown(value.beforeValue) : "",
            value.both() ? signedText(shown(value.change())) : ""};
}

std::string ComparedLine(const ComparedFigure& figure, const SheetTexts& texts)
{
    const Compared& value = figure.value;
    const auto cells = ComparedCells(value, figure.digits, figure.significant, texts);
    return figure.name + ": " + (value.now ? cells[0] : "none") + " now, " +
           (value.before ? cells[1] : "none") + " before" +
           (value.both() ? ", change " + cells[2] : "") + ".";
}

void CompareWith(const EngineSnapshot& engine, const Baseline& before, PortSheetView& sheet)
{
    ComparisonView& compare = sheet.compare;
    compare.on = true;
    compare.label = BaselineLabel(before.source);
    const TypedEngine made = EngineOfTexts(before.engine);
    PortSheetView then;
    if (!made.engine) {
        compare.engineLine = "The baseline's engine, " + EngineText(before.engine) +
                             ", cannot be timed (" + made.problem +
                             "): it has no figures to compare.";
    } else {
        if (!sameGeometry(made.engine->geometry, engine.geometry)) {
            compare.engineLine =
                "The baseline was made on " + EngineText(before.engine) + " and is timed on it.";
        }
        // Its targets are not compared: spare their searches.
        PortSheetInput input = before.input;
        input.targetDegrees.clear();
        input.staTarget.clear();
        then = BuildPortSheetView(*made.engine, input, sheet.style);
    }
    const SheetTexts texts(sheet.unit, sheet.style);
    compareRows(then, texts, sheet);
    compareFigures(then, sheet);
    comparePlots(then.timeArea.plot, sheet.timeArea.plot);
}

std::vector<Record> ComparisonRecords(const PortSheetView& sheet)
{
    const ComparisonView& compare = sheet.compare;
    const SheetTexts texts(sheet.unit, sheet.style);
    std::vector<Record> records = {{}, {"Compared with:", compare.label}};
    if (!compare.engineLine.empty()) {
        records.push_back({"Baseline's engine:", compare.engineLine});
    }
    Record captions = {"Port"};
    for (const char* angle : {"Opens", "Closes", "Duration"}) {
        for (const char* side : {" now (deg)", " before (deg)", " change (deg)"}) {
            captions.push_back(std::string(angle) + side);
        }
    }
    records.push_back(captions);
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const std::array<Compared, 3>& row = compare.rows[i];
        if (!row[0].now && !row[0].before) {
            continue;
        }
        Record record = {sheet.rows[i].name};
        for (const Compared& angle : row) {
            const auto cells = ComparedCells(angle, 1, false, texts);
            record.insert(record.end(), cells.begin(), cells.end());
        }
        records.push_back(record);
    }
    records.push_back({});
    records.push_back({"Figure", "Now", "Before", "Change"});
    for (const auto* figures : {&compare.flow, &compare.compression}) {
        for (const ComparedFigure& figure : *figures) {
            const auto cells =
                ComparedCells(figure.value, figure.digits, figure.significant, texts);
            records.push_back({figure.name, cells[0], cells[1], cells[2]});
        }
    }
    return records;
}

} // namespace crank
