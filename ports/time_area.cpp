#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "model/crank_slider.h"
#include "ports/sheet_texts.h"

// Time-area: how much each port flows. A port's open area integrated over
// crank angle is its angle-area (mm²·deg); at n rpm a degree lasts 1/(6n) s,
// which gives its time-area (mm²·s); over the swept volume that is its
// specific time-area, STA (s·mm²/cm³, or a hundredth of it in s·cm²/cm³).

namespace crank {
namespace {

constexpr double kMm2PerCm2 = 100.0;
// The way back searches the roof in coarser steps: their error is far below
// a hundredth of a millimetre of roof.
constexpr double kSearchStep = 1.0;

// The engine's part: bore, speed and swept volume.
struct EngineFlow {
    bool bore = false;
    bool rpm = false;
    double rpmValue = 0.0;
    double volume = 0.0; // cm³
    double boreMm = 0.0;
};

// An angle-area times this is an STA in s·mm²/cm³.
double staPerAngleArea(const EngineFlow& flow)
{
    return StaOf(TimeAreaOf(1.0, flow.rpmValue), flow.volume);
}

std::string readCount(const std::string& typed, const NumberStyle& style, int& count)
{
    if (typed.empty()) {
        count = 1;
        return {};
    }
    const std::optional<double> value = ReadTyped(typed, style);
    if (!value || *value < 1.0 || *value > 99.0 || std::floor(*value) != *value) {
        return "The count must be a whole number from 1 to 99.";
    }
    count = static_cast<int>(*value);
    return {};
}

// Why the shape cannot be used as typed; empty when it can. Fills the
// window, its chord and count.
std::string shapeProblem(const PortShapeInput& typed, ShapeView& shape, const EngineFlow& flow,
                         const SheetTexts& texts)
{
    const std::pair<const LengthView*, const char*> boxes[] = {
        {&shape.width, "width"},
        {&shape.windowHeight, "window height"},
        {&shape.topRadius, "top radius"},
        {&shape.bottomRadius, "bottom radius"},
        {&shape.bridge, "bridge"}};
    for (const auto& [box, name] : boxes) {
        if (box->typed && !box->number) {
            return std::string("The ") + name + " is not a number.";
        }
    }
    if (std::string problem = readCount(typed.count, texts.style(), shape.count);
        !problem.empty()) {
        return problem;
    }
    if (!shape.width.number || !shape.windowHeight.number) {
        return "Type the window's width and height.";
    }
    const double width = shape.width.millimetres;
    const double height = shape.windowHeight.millimetres;
    const double top = shape.topRadius.millimetres;
    const double bottom = shape.bottomRadius.millimetres;
    const double bridge = shape.bridge.millimetres;
    if (!(width > 0.0) || !(height > 0.0)) {
        return "The width and the window height must be more than 0.";
    }
    if (top < 0.0 || bottom < 0.0 || bridge < 0.0) {
        return "Radii and the bridge cannot be negative.";
    }
    shape.chord = width;
    if (typed.measure == WidthMeasure::Arc) {
        if (!flow.bore) {
            return "Type the bore: an arc along the wall needs it.";
        }
        if (width > flow.boreMm * std::numbers::pi / 2.0) {
            return "An arc of " + texts.lengthWithUnit(width) +
                   " is more than half round the bore.";
        }
        shape.chord = ChordOfArc(width, flow.boreMm);
    }
    if (flow.bore && shape.chord > flow.boreMm) {
        return "The window is wider than the bore (" + texts.lengthWithUnit(flow.boreMm) + ").";
    }
    if (bridge >= shape.chord) {
        return "The bridge is as wide as the window or wider.";
    }
    const double each = bridge > 0.0 ? (shape.chord - bridge) / 2.0 : shape.chord;
    if (top > each / 2.0 || bottom > each / 2.0) {
        return "A corner radius is more than half the window's width (" +
               texts.lengthWithUnit(each) + ").";
    }
    if (top + bottom > height) {
        return "The top and bottom radii together are more than the window's height.";
    }
    shape.opening.window = {each, height, top, bottom};
    shape.opening.windows = shape.count * (bridge > 0.0 ? 2 : 1);
    return {};
}

// Says so when the piston never uncovers the whole window.
std::string partOpenNote(const PortRowView& row, const EngineSnapshot& engine,
                         const SheetTexts& texts)
{
    const double height = row.shape.opening.window.height;
    const double drop = row.drop;
    const double stroke = engine.geometry.Stroke;
    if (row.kind == PortKind::CrownOpened && drop + height > stroke) {
        return "Never fully open: its floor lies below the crown at BDC, which uncovers " +
               texts.lengthWithUnit(stroke - drop) + " of " + texts.lengthWithUnit(height) + ".";
    }
    if (row.kind == PortKind::SkirtOpened && drop < height) {
        return "Never fully open: its roof lies above the skirt at TDC, which uncovers " +
               texts.lengthWithUnit(drop) + " of " + texts.lengthWithUnit(height) + ".";
    }
    return {};
}

void shapeRow(const EngineSnapshot& engine, const PortShapeInput& typed, PortRowView& row,
              const EngineFlow& flow, const SheetTexts& texts, LengthUnit unit)
{
    ShapeView& shape = row.shape;
    const NumberStyle& style = texts.style();
    shape.width = ReadLength(typed.width, unit, style);
    shape.windowHeight = ReadLength(typed.windowHeight, unit, style);
    shape.topRadius = ReadLength(typed.topRadius, unit, style);
    shape.bottomRadius = ReadLength(typed.bottomRadius, unit, style);
    shape.bridge = ReadLength(typed.bridge, unit, style);
    shape.shaped = !typed.count.empty() || shape.width.typed || shape.windowHeight.typed ||
                   shape.topRadius.typed || shape.bottomRadius.typed || shape.bridge.typed;
    if (!shape.shaped) {
        return;
    }
    shape.message = shapeProblem(typed, shape, flow, texts);
    if (!shape.message.empty()) {
        return;
    }
    if (!row.used) {
        shape.message = "Type the height of the port's edge to time it.";
        return;
    }
    if (!row.timed) {
        shape.message = "No figures without timing: " + row.message;
        return;
    }
    shape.figures = true;
    shape.opening.kind = row.kind;
    shape.opening.drop = row.drop;
    PortTiming timing;
    timing.opens = row.opens;
    timing.closes = row.closes;
    shape.span = OpenSpanOf(row.kind, timing);
    shape.note = partOpenNote(row, engine, texts);
    shape.fullArea = shape.opening.windows * WindowArea(shape.opening.window);
    shape.angleArea = AngleArea(engine, shape.opening, shape.span.from, shape.span.to);
    shape.fullAreaText = texts.hundredths(shape.fullArea);
    shape.angleAreaText = texts.fixed(shape.angleArea, 0);
    if (flow.rpm) {
        shape.timeArea = TimeAreaOf(shape.angleArea, flow.rpmValue);
        shape.timeAreaText = texts.fixed(shape.timeArea, 3);
    }
    if (flow.rpm && flow.bore) {
        shape.timeFigures = true;
        shape.sta = shape.angleArea * staPerAngleArea(flow);
        shape.staText = texts.fixed(shape.sta, kStaDecimals - 2);
        shape.staCmText = texts.fixed(shape.sta / kMm2PerCm2, kStaDecimals);
    }
}

FlowFigures addUp(const std::string& name, const PortSheetView& sheet,
                  const std::function<bool(PortRole)>& member, const EngineFlow& flow,
                  const SheetTexts& texts)
{
    FlowFigures figures;
    figures.name = name;
    for (const PortRowView& row : sheet.rows) {
        if (row.shape.figures && member(row.role)) {
            figures.present = true;
            figures.fullArea += row.shape.fullArea;
            figures.angleArea += row.shape.angleArea;
        }
    }
    figures.cells = {name, texts.hundredths(figures.fullArea), texts.fixed(figures.angleArea, 0)};
    if (flow.rpm) {
        figures.timeArea = TimeAreaOf(figures.angleArea, flow.rpmValue);
        figures.cells.push_back(texts.fixed(figures.timeArea, 3));
    }
    if (flow.rpm && flow.bore) {
        figures.sta = figures.angleArea * staPerAngleArea(flow);
        figures.cells.push_back(texts.fixed(figures.sta, kStaDecimals - 2));
        figures.cells.push_back(texts.fixed(figures.sta / kMm2PerCm2, kStaDecimals));
    }
    return figures;
}

double groupAngleArea(const PortSheetView& sheet, TargetGroup group)
{
    double sum = 0.0;
    for (const PortRowView& row : sheet.rows) {
        if (row.shape.figures && GroupOf(row.role) == group) {
            sum += row.shape.angleArea;
        }
    }
    return sum;
}

TargetView targetView(TargetGroup group, const StaRange& typed, const PortSheetView& sheet,
                      const EngineFlow& flow, const SheetTexts& texts)
{
    TargetView target;
    const std::string name = GroupName(group);
    const std::optional<double> low = ReadTyped(typed.low, texts.style());
    const std::optional<double> high = ReadTyped(typed.high, texts.style());
    if (!low || !high || !(*low > 0.0) || *low > *high) {
        target.message = "Type a range of two numbers more than 0, the smaller first.";
        target.line = name + ": no target range.";
        return target;
    }
    target.read = true;
    target.low = *low;
    target.high = *high;
    target.line = name + ": " + texts.fixed(*low, kStaDecimals) + " to " +
                  texts.fixed(*high, kStaDecimals) + " s·cm²/cm³";
    const double angleArea = groupAngleArea(sheet, group);
    if (!(angleArea > 0.0)) {
        target.line += "; no port of it has figures.";
        return target;
    }
    if (!flow.bore) {
        target.line += "; type the bore to see where it is met.";
        return target;
    }
    // STA falls as 1/rpm: the speed at which the ports give s·cm²/cm³.
    const auto rpmFor = [&](double sta) {
        return angleArea / (6.0 * flow.volume * sta * kMm2PerCm2);
    };
    target.met = true;
    target.rpmFrom = rpmFor(*high);
    target.rpmTo = rpmFor(*low);
    target.line += ", met from " + texts.fixed(target.rpmFrom, 0) + " to " +
                   texts.fixed(target.rpmTo, 0) + " rpm.";
    return target;
}

// Where the first exhaust and the first transfer (or boost) port open, of
// those with figures: degrees ATDC, 360 for none.
struct FirstOpenings {
    double exhaust = 360.0;
    double transfer = 360.0;
};

FirstOpenings firstOpenings(const PortSheetView& sheet)
{
    FirstOpenings first;
    for (const PortRowView& row : sheet.rows) {
        if (!row.shape.figures) {
            continue;
        }
        if (row.role == PortRole::Exhaust) {
            first.exhaust = std::min(first.exhaust, row.shape.span.from);
        } else if (GroupOf(row.role) == TargetGroup::Transfers) {
            first.transfer = std::min(first.transfer, row.shape.span.from);
        }
    }
    return first;
}

void blowdown(const EngineSnapshot& engine, TimeAreaView& view, const PortSheetView& sheet,
              const EngineFlow& flow, const SheetTexts& texts)
{
    const auto [exhaust, transfer] = firstOpenings(sheet);
    if (exhaust == 360.0 || transfer == 360.0) {
        return; // nothing to say without both
    }
    if (transfer <= exhaust) {
        view.blowdown = "No blowdown: a transfer opens at " + texts.angle(transfer) +
                        " ATDC, before the exhaust at " + texts.angle(exhaust) + " ATDC.";
        return;
    }
    view.blowdownFigures = true;
    view.blowdownAngle = transfer - exhaust;
    for (const PortRowView& row : sheet.rows) {
        if (row.shape.figures && row.role == PortRole::Exhaust) {
            view.blowdownAngleArea += AngleArea(engine, row.shape.opening, exhaust, transfer);
        }
    }
    view.blowdown = "Blowdown: " + texts.angle(view.blowdownAngle) +
                    " deg from exhaust to transfer opening, " +
                    texts.fixed(view.blowdownAngleArea, 0) + " mm²·deg";
    if (flow.rpm && flow.bore) {
        view.blowdownSta = view.blowdownAngleArea * staPerAngleArea(flow);
        // A small share of the exhaust's: two more places.
        view.blowdown += ", STA " + texts.fixed(view.blowdownSta, kStaDecimals) + " s·mm²/cm³ (" +
                         texts.fixed(view.blowdownSta / kMm2PerCm2, kStaDecimals + 2) +
                         " s·cm²/cm³)";
    }
    view.blowdown += ".";
    view.plot.blowdown = true;
    view.plot.blowdownFrom = static_cast<float>(exhaust);
    view.plot.blowdownTo = static_cast<float>(transfer);
}

// The row's port with its timed edge moved to `drop` and the other edge
// (the floor of a crown-opened port, the roof of an inlet) left in place.
struct MovedEdge {
    bool timed = false;
    PortOpening port;
    PortTiming timing;
    OpenSpan span;
};

MovedEdge moveEdge(const EngineSnapshot& engine, const PortRowView& row, float drop)
{
    MovedEdge moved;
    moved.port = row.shape.opening;
    moved.port.drop = drop;
    const double change = double{drop} - double{row.drop};
    // Down the crown's way the window shrinks; down the skirt's way it grows.
    moved.port.window.height += row.kind == PortKind::CrownOpened ? -change : change;
    moved.timing = TimePort(engine, row.kind, drop);
    moved.timed = moved.timing.status == TimingStatus::Timed;
    moved.span = OpenSpanOf(row.kind, moved.timing);
    return moved;
}

double movedAngleArea(const EngineSnapshot& engine, const PortRowView& row, float drop, double step)
{
    const MovedEdge moved = moveEdge(engine, row, drop);
    return moved.timed ? AngleArea(engine, moved.port, moved.span.from, moved.span.to, step) : 0.0;
}

std::string wayBack(const EngineSnapshot& engine, const PortSheetInput& input,
                    const PortSheetView& sheet, const EngineFlow& flow, const SheetTexts& texts)
{
    if (input.staTarget.empty()) {
        return {};
    }
    const std::optional<double> target = ReadTyped(input.staTarget, texts.style());
    if (!target || !(*target > 0.0)) {
        return "The target STA must be a number more than 0.";
    }
    if (!flow.rpm || !flow.bore) {
        return "Type the bore and the rpm first.";
    }
    const int index = std::clamp(input.staRow, 0, kMaxPorts - 1);
    const PortRowView& row = sheet.rows[static_cast<std::size_t>(index)];
    if (!row.shape.figures) {
        return row.name + " has no figures to start from.";
    }
    const TargetGroup group = GroupOf(row.role);
    const std::string groupText = GroupName(group);
    const double wanted = *target * kMm2PerCm2 / staPerAngleArea(flow);
    const double others = groupAngleArea(sheet, group) - row.shape.angleArea;
    const double needed = wanted - others;
    const bool crown = row.kind == PortKind::CrownOpened;
    const std::string edge = std::string(RoleName(row.role)) + (crown ? " roof" : " floor");
    if (!(needed > 0.0)) {
        return "Even without " + row.name + ", the other ports reach it.";
    }
    // The edge moves between the crown's height at TDC (the skirt's at BDC
    // for an inlet) and the point where the window is down to its corners.
    const WindowShape& window = row.shape.opening.window;
    const double corners = window.topRadius + window.bottomRadius;
    const double other = crown ? row.drop + window.height : row.drop - window.height;
    const double stroke = engine.geometry.Stroke;
    float lo = static_cast<float>(crown ? 0.0 : std::max(0.0, other + corners));
    float hi = static_cast<float>(crown ? std::min(stroke, other - corners) : stroke);
    if (!(lo < hi)) {
        return "The " + edge + " has no room to move.";
    }
    const double atLo = movedAngleArea(engine, row, lo, kSearchStep);
    const double atHi = movedAngleArea(engine, row, hi, kSearchStep);
    const double most = std::max(atLo, atHi);
    const double least = std::min(atLo, atHi);
    const auto staOf = [&](double rowAngleArea) {
        return texts.fixed((rowAngleArea + others) * staPerAngleArea(flow) / kMm2PerCm2,
                           kStaDecimals);
    };
    if (needed > most) {
        return "No " + edge + " reaches it: at most the " + groupText + " give " + staOf(most) +
               " s·cm²/cm³.";
    }
    if (needed < least) {
        return "No " + edge + " reaches it: at least the " + groupText + " give " + staOf(least) +
               " s·cm²/cm³.";
    }
    // The angle-area grows as a crown-opened port's roof rises (its drop
    // falls) and as an inlet's floor drops.
    for (int i = 0; i < 40 && hi - lo > 2e-4f; ++i) {
        const float mid = static_cast<float>((double{lo} + double{hi}) / 2.0);
        const bool tooMuch = movedAngleArea(engine, row, mid, kSearchStep) > needed;
        if (tooMuch == crown) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    const float found = static_cast<float>((double{lo} + double{hi}) / 2.0);
    const MovedEdge moved = moveEdge(engine, row, found);
    const double change = double{found} - double{row.drop}; // down the bore
    const double height = row.height.millimetres + change;
    if (std::abs(change) < 0.005) {
        return "The " + edge + " already meets it where it is.";
    }
    // Up the bore is a raise, for a roof as for a floor.
    return std::string(change < 0.0 ? "Raise" : "Lower") + " the " + edge + " by " +
           texts.lengthWithUnit(std::abs(change)) + ", to " + texts.lengthWithUnit(height) +
           "; it then opens at " + texts.angle(double{moved.timing.opens}) +
           (crown ? " ATDC" : " BTDC") + " and is open " +
           texts.angle(double{moved.timing.duration}) + " degrees.";
}

// Whether a crank angle of the first turn lies in a span, which may run
// into the next.
bool within(double angle, const OpenSpan& span)
{
    return (angle >= span.from && angle <= span.to) ||
           (angle + 360.0 >= span.from && angle + 360.0 <= span.to);
}

AreaPlotView plotView(const EngineSnapshot& engine, const PortSheetView& sheet,
                      const SheetTexts& texts)
{
    AreaPlotView plot;
    constexpr int kPoints = static_cast<int>(360.0 / kCurveStep) + 1;
    std::vector<double> x; // the piston's drop at each point, for every row
    for (const PortRowView& row : sheet.rows) {
        if (row.shape.figures && x.empty()) {
            for (int k = 0; k < kPoints; ++k) {
                x.push_back(CalcDisplacement(engine.geometry, engine.model,
                                             static_cast<float>(k * kCurveStep)));
            }
        }
    }
    for (int r = 0; r < kRoleCount; ++r) {
        const auto role = static_cast<PortRole>(r);
        AreaCurve curve{role, {}};
        for (const PortRowView& row : sheet.rows) {
            if (!row.shape.figures || row.role != role) {
                continue;
            }
            curve.area.resize(kPoints, 0.0);
            for (int k = 0; k < kPoints; ++k) {
                if (within(k * kCurveStep, row.shape.span)) {
                    curve.area[static_cast<std::size_t>(k)] +=
                        OpenAreaAtDisplacement(row.shape.opening, x[static_cast<std::size_t>(k)]);
                }
            }
        }
        if (!curve.area.empty()) {
            plot.largest = std::max(plot.largest, *std::ranges::max_element(curve.area));
            plot.curves.push_back(std::move(curve));
        }
    }
    if (plot.curves.empty()) {
        return plot;
    }
    const auto [exhaust, transfer] = firstOpenings(sheet);
    if (exhaust < 360.0) {
        plot.marks.push_back({static_cast<float>(exhaust), "EO " + texts.angle(exhaust)});
    }
    if (transfer < 360.0) {
        plot.marks.push_back({static_cast<float>(transfer), "TO " + texts.angle(transfer)});
    }
    const double bdc = engine.geometry.BdcAngle;
    plot.marks.push_back({engine.geometry.BdcAngle, "BDC " + texts.angle(bdc)});
    return plot;
}

} // namespace

const char* const kTargetsExplained =
    "The target ranges are rules of thumb from two-stroke tuning handbooks, found on engines "
    "that ran well; they are a place to start, not a law. Change them to suit.";

void BuildTimeArea(const EngineSnapshot& engine, const PortSheetInput& input,
                   const SheetTexts& texts, PortSheetView& sheet)
{
    TimeAreaView& view = sheet.timeArea;
    const NumberStyle& style = texts.style();
    EngineFlow flow;
    view.bore = ReadLength(input.bore, input.unit, style);
    if (view.bore.number && !(view.bore.millimetres > 0.0)) {
        view.bore.message = "Must be more than 0.";
    }
    flow.bore = view.bore.number && view.bore.millimetres > 0.0;
    flow.boreMm = view.bore.millimetres;
    const std::optional<double> rpm = ReadTyped(input.rpm, style);
    if (!input.rpm.empty() && !(rpm && *rpm > 0.0)) {
        view.rpmMessage = "The rpm must be a number more than 0.";
    }
    flow.rpm = rpm && *rpm > 0.0;
    flow.rpmValue = flow.rpm ? *rpm : 0.0;
    view.rpmRead = flow.rpm;
    view.rpm = flow.rpmValue;
    if (flow.bore) {
        const double stroke = engine.geometry.Stroke;
        flow.volume = SweptVolume(flow.boreMm, stroke);
        view.sweptVolume = flow.volume;
    }
    view.engineLine = "Bore " + (flow.bore ? texts.lengthWithUnit(flow.boreMm) : "not typed") +
                      ", swept volume " +
                      (flow.bore ? texts.fixed(flow.volume, 1) + " cm³" : "unknown") + ", " +
                      (flow.rpm ? texts.fixed(flow.rpmValue, 0) + " rpm" : "no rpm") + ".";

    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        shapeRow(engine, input.rows[i].shape, sheet.rows[i], flow, texts, input.unit);
        view.any = view.any || sheet.rows[i].shape.shaped;
    }
    view.captions = {
        "Ports",           "Area (mm²)",     "Angle-area (mm²·deg)", "Time-area (mm²·s)",
        "STA (s·mm²/cm³)", "STA (s·cm²/cm³)"};
    for (int r = 0; r < kRoleCount; ++r) {
        const auto role = static_cast<PortRole>(r);
        FlowFigures figures = addUp(
            RoleTitle(role), sheet, [role](PortRole p) { return p == role; }, flow, texts);
        if (figures.present) {
            view.figures.push_back(std::move(figures));
        }
    }
    const auto scavenging = [](PortRole p) { return GroupOf(p) == TargetGroup::Transfers; };
    const FlowFigures both =
        addUp(GroupName(TargetGroup::Transfers), sheet, scavenging, flow, texts);
    const auto shapedRole = [&](PortRole role) {
        return std::ranges::any_of(sheet.rows, [role](const PortRowView& row) {
            return row.shape.figures && row.role == role;
        });
    };
    if (shapedRole(PortRole::Transfer) && shapedRole(PortRole::Boost)) {
        view.figures.push_back(both);
    }
    for (int g = 0; g < kTargetGroups; ++g) {
        view.targets[static_cast<std::size_t>(g)] =
            targetView(static_cast<TargetGroup>(g), input.targets[static_cast<std::size_t>(g)],
                       sheet, flow, texts);
    }
    view.plot = plotView(engine, sheet, texts);
    blowdown(engine, view, sheet, flow, texts);
    view.wayBack = wayBack(engine, input, sheet, flow, texts);
}

} // namespace crank

namespace crank {
namespace {

std::string lengthCell(const LengthView& length, const SheetTexts& texts)
{
    return length.number ? texts.length(length.millimetres) : length.shown;
}

} // namespace

std::vector<Record> TimeAreaRecords(const PortSheetView& sheet)
{
    const TimeAreaView& view = sheet.timeArea;
    const SheetTexts texts(sheet.unit, sheet.style);
    const std::string unit = UnitName(sheet.unit);
    std::vector<Record> records;
    records.push_back({});
    records.push_back({"Bore (" + unit + "):", lengthCell(view.bore, texts)});
    records.push_back({"Engine speed (rpm):", view.rpmRead ? texts.fixed(view.rpm, 0) : ""});
    records.push_back(
        {"Swept volume (cm³):", view.sweptVolume > 0.0 ? texts.fixed(view.sweptVolume, 3) : ""});
    records.push_back({});
    records.push_back({"Port", "Count", "Width (" + unit + ")", "Chord (mm)",
                       "Window height (" + unit + ")", "Top radius (" + unit + ")",
                       "Bottom radius (" + unit + ")", "Bridge (" + unit + ")", "Area (mm²)",
                       "Angle-area (mm²·deg)", "Time-area (mm²·s)", "STA (s·mm²/cm³)",
                       "STA (s·cm²/cm³)", "Note"});
    for (const PortRowView& row : sheet.rows) {
        const ShapeView& shape = row.shape;
        if (!shape.shaped) {
            continue;
        }
        Record record = {row.name,
                         std::to_string(shape.count),
                         lengthCell(shape.width, texts),
                         shape.figures ? texts.hundredths(shape.chord) : "",
                         lengthCell(shape.windowHeight, texts),
                         lengthCell(shape.topRadius, texts),
                         lengthCell(shape.bottomRadius, texts),
                         lengthCell(shape.bridge, texts),
                         shape.fullAreaText,
                         shape.angleAreaText,
                         shape.timeAreaText,
                         shape.staText,
                         shape.staCmText,
                         shape.message.empty() ? shape.note : shape.message};
        records.push_back(record);
    }
    records.push_back({});
    records.push_back(view.captions);
    for (const FlowFigures& figures : view.figures) {
        records.push_back(figures.cells);
    }
    records.push_back({});
    records.push_back(
        {"Target", "From (s·cm²/cm³)", "To (s·cm²/cm³)", "Met from (rpm)", "Met to (rpm)"});
    for (std::size_t g = 0; g < view.targets.size(); ++g) {
        const TargetView& target = view.targets[g];
        Record record = {GroupName(static_cast<TargetGroup>(g))};
        if (target.read) {
            record.push_back(texts.fixed(target.low, kStaDecimals));
            record.push_back(texts.fixed(target.high, kStaDecimals));
        }
        if (target.met) {
            record.push_back(texts.fixed(target.rpmFrom, 0));
            record.push_back(texts.fixed(target.rpmTo, 0));
        }
        records.push_back(record);
    }
    if (view.blowdownFigures) {
        records.push_back({});
        records.push_back({"Blowdown (deg):", texts.angle(view.blowdownAngle)});
        records.push_back(
            {"Blowdown angle-area (mm²·deg):", texts.fixed(view.blowdownAngleArea, 0)});
        if (view.blowdownSta > 0.0) {
            records.push_back({"Blowdown STA (s·cm²/cm³):",
                               texts.fixed(view.blowdownSta / 100.0, kStaDecimals + 2)});
        }
    }
    if (!view.plot.curves.empty()) {
        records.push_back({});
        Record header = {"Crank angle (deg ATDC)"};
        for (const AreaCurve& curve : view.plot.curves) {
            header.push_back(RoleTitle(curve.role) + " area (mm²)");
        }
        records.push_back(header);
        const std::size_t points = view.plot.curves.front().area.size();
        for (std::size_t k = 0; k < points; ++k) {
            Record record = {texts.angle(static_cast<double>(k) * kCurveStep)};
            for (const AreaCurve& curve : view.plot.curves) {
                record.push_back(texts.hundredths(curve.area[k]));
            }
            records.push_back(record);
        }
    }
    return records;
}

} // namespace crank
