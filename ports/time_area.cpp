#include "ports/time_area.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// The rows' windows and their figures, the figures of each role and group,
// and the target ranges with the speeds that meet them.

namespace crank {
namespace {

std::string readCount(const std::string& typed, const NumberStyle& style, int& count)
{
    if (typed.empty()) {
        count = 1;
        return {};
    }
    const std::optional<double> value = ReadTyped(typed, style);
    if (!value || *value < 1.0 || *value > 99.0 || std::floor(*value) != *value) {
        count = 0;
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

// How much of the window the piston uncovers at most: a crown-opened port's
// down to the crown at BDC, an inlet's up to the skirt at TDC.
void partOpen(ShapeView& shape, const PortRowView& row, double stroke, const SheetTexts& texts)
{
    const bool crown = row.kind == PortKind::CrownOpened;
    const double height = shape.opening.window.height;
    const double drop = shape.opening.drop;
    shape.uncovered = std::min(height, crown ? stroke - drop : drop);
    shape.fullyOpens = !(shape.uncovered < height);
    if (!shape.fullyOpens) {
        shape.note =
            std::string("Never fully open: its ") +
            (crown ? "floor lies below the crown at BDC" : "roof lies above the skirt at TDC") +
            ", which uncovers " + texts.lengthWithUnit(shape.uncovered) + " of " +
            texts.lengthWithUnit(height) + ".";
    }
}

void shapeRow(const EngineSnapshot& engine, const PortShapeInput& typed, const PortSheetView& sheet,
              PortRowView& row, const EngineFlow& flow, const SheetTexts& texts)
{
    ShapeView& shape = row.shape;
    const NumberStyle& style = texts.style();
    shape.width = ReadLength(typed.width, texts.unit(), style);
    shape.windowHeight = ReadLength(typed.windowHeight, texts.unit(), style);
    shape.topRadius = ReadLength(typed.topRadius, texts.unit(), style);
    shape.bottomRadius = ReadLength(typed.bottomRadius, texts.unit(), style);
    shape.bridge = ReadLength(typed.bridge, texts.unit(), style);
    shape.measure = typed.measure;
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
    shape.opening.drop = DepthOfHeight(row.kind, row.height.millimetres, sheet);
    PortTiming timing;
    timing.opens = row.opens;
    timing.closes = row.closes;
    shape.span = OpenSpanOf(row.kind, timing);
    partOpen(shape, row, engine.geometry.Stroke, texts);
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
        shape.sta = shape.angleArea * flow.staPerAngleArea();
        shape.staText = texts.sta(shape.sta);
        shape.staCmText = texts.sta(shape.sta / kMm2PerCm2);
    }
}

std::string targetLine(const TargetView& target, TargetGroup group, const PortSheetView& sheet,
                       const SheetTexts& texts)
{
    const std::string name = GroupName(group);
    if (target.state == GroupState::Stopped) {
        const ShapeView& stopping = sheet.rows[static_cast<std::size_t>(target.stoppedBy)].shape;
        return name + ": " + StoppedText(sheet, target.stoppedBy) + ": " + stopping.message;
    }
    if (!target.read) {
        return name + ": no target range.";
    }
    const std::string range =
        name + ": " + texts.sta(target.low) + " to " + texts.sta(target.high) + " s·cm²/cm³";
    if (target.state == GroupState::NoRows) {
        return range + "; no port of it is shaped.";
    }
    if (!target.bore) {
        return range + "; type the bore to see where it is met.";
    }
    if (!target.met) {
        return range + "; its ports never open."; // only touched at a dead centre
    }
    return range + ", met from " + texts.fixed(target.rpmFrom, 0) + " to " +
           texts.fixed(target.rpmTo, 0) + " rpm.";
}

TargetView targetView(TargetGroup group, const StaRange& typed, const PortSheetView& sheet,
                      const EngineFlow& flow, const SheetTexts& texts)
{
    TargetView target;
    const std::optional<double> low = ReadTyped(typed.low, texts.style());
    const std::optional<double> high = ReadTyped(typed.high, texts.style());
    target.read = low && high && *low > 0.0 && !(*low > *high);
    if (target.read) {
        target.low = *low;
        target.high = *high;
    } else {
        target.message = "Type a range of two numbers more than 0, the smaller first.";
    }
    const FlowFigures members = GroupFigures(sheet, group, flow, texts);
    target.rows = members.rows;
    target.state = members.state;
    target.stoppedBy = members.stoppedBy;
    target.bore = flow.bore;
    target.met =
        target.read && target.state == GroupState::Whole && flow.bore && members.angleArea > 0.0;
    target.staKnown = target.state == GroupState::Whole && flow.bore && flow.rpm;
    target.sta = members.sta / kMm2PerCm2;
    if (target.met) {
        // STA falls as 1/rpm: the speed at which the ports give s·cm²/cm³.
        const auto rpmFor = [&](double sta) {
            return members.angleArea / (6.0 * flow.volume * sta * kMm2PerCm2);
        };
        target.rpmFrom = rpmFor(target.high);
        target.rpmTo = rpmFor(target.low);
    }
    target.line = targetLine(target, group, sheet, texts);
    return target;
}

EngineFlow engineFlow(const EngineSnapshot& engine, const PortSheetInput& input,
                      const SheetTexts& texts, TimeAreaView& view)
{
    EngineFlow flow;
    view.bore = ReadLength(input.bore, input.unit, texts.style());
    if (view.bore.number && !(view.bore.millimetres > 0.0)) {
        view.bore.message = "Must be more than 0.";
    }
    flow.bore = view.bore.number && view.bore.millimetres > 0.0;
    flow.boreMm = view.bore.millimetres;
    const std::optional<double> rpm = ReadTyped(input.rpm, texts.style());
    if (!input.rpm.empty() && !(rpm && *rpm > 0.0)) {
        view.rpmMessage = "The rpm must be a number more than 0.";
    }
    flow.rpm = rpm && *rpm > 0.0;
    flow.rpmValue = flow.rpm ? *rpm : 0.0;
    view.rpmRead = flow.rpm;
    view.rpm = flow.rpmValue;
    if (flow.bore) {
        flow.volume = SweptVolume(flow.boreMm, engine.geometry.Stroke);
        view.sweptVolume = flow.volume;
    }
    view.engineLine = "Bore " + (flow.bore ? texts.lengthWithUnit(flow.boreMm) : "not typed") +
                      ", swept volume " +
                      (flow.bore ? texts.fixed(flow.volume, 1) + " cm³" : "unknown") + ", " +
                      (flow.rpm ? texts.fixed(flow.rpmValue, 0) + " rpm" : "no rpm") + ".";
    return flow;
}

} // namespace

const char* const kTargetsExplained =
    "The target ranges are rules of thumb from two-stroke tuning handbooks, found on engines "
    "that ran well; they are a place to start, not a law. Change them to suit.";

std::string StoppedText(const PortSheetView& sheet, int row)
{
    return "no figures while " + sheet.rows[static_cast<std::size_t>(row)].name + " has none";
}

FlowFigures AddUp(const std::string& name, const PortSheetView& sheet,
                  const std::function<bool(PortRole)>& member, const EngineFlow& flow,
                  const SheetTexts& texts)
{
    FlowFigures figures;
    figures.name = name;
    for (int i = 0; i < kMaxPorts; ++i) {
        const PortRowView& row = sheet.rows[static_cast<std::size_t>(i)];
        if (!row.shape.shaped || !member(row.role)) {
            continue;
        }
        figures.rows.push_back(i);
        if (!row.shape.figures) {
            figures.stoppedBy = figures.stoppedBy < 0 ? i : figures.stoppedBy;
            continue;
        }
        figures.fullArea += row.shape.fullArea;
        figures.angleArea += row.shape.angleArea;
    }
    figures.state = figures.rows.empty()    ? GroupState::NoRows
                    : figures.stoppedBy < 0 ? GroupState::Whole
                                            : GroupState::Stopped;
    if (figures.state != GroupState::Whole) {
        // Some of its figures would be no figure of it.
        figures.fullArea = 0.0;
        figures.angleArea = 0.0;
        // The group's target line names the row that stops it.
        figures.cells = {name, "none"};
        return figures;
    }
    figures.cells = {name, texts.hundredths(figures.fullArea), texts.fixed(figures.angleArea, 0)};
    if (flow.rpm) {
        figures.timeArea = TimeAreaOf(figures.angleArea, flow.rpmValue);
        figures.cells.push_back(texts.fixed(figures.timeArea, 3));
    }
    if (flow.rpm && flow.bore) {
        figures.sta = figures.angleArea * flow.staPerAngleArea();
        figures.cells.push_back(texts.sta(figures.sta));
        figures.cells.push_back(texts.sta(figures.sta / kMm2PerCm2));
    }
    return figures;
}

FlowFigures GroupFigures(const PortSheetView& sheet, TargetGroup group, const EngineFlow& flow,
                         const SheetTexts& texts)
{
    return AddUp(
        GroupName(group), sheet, [group](PortRole role) { return GroupOf(role) == group; }, flow,
        texts);
}

void BuildTimeArea(const EngineSnapshot& engine, const PortSheetInput& input,
                   const SheetTexts& texts, PortSheetView& sheet)
{
    TimeAreaView& view = sheet.timeArea;
    const EngineFlow flow = engineFlow(engine, input, texts, view);
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        shapeRow(engine, input.rows[i].shape, sheet, sheet.rows[i], flow, texts);
        view.any = view.any || sheet.rows[i].shape.shaped;
    }
    view.captions = {
        "Ports",           "Area (mm²)",     "Angle-area (mm²·deg)", "Time-area (mm²·s)",
        "STA (s·mm²/cm³)", "STA (s·cm²/cm³)"};
    for (int r = 0; r < kRoleCount; ++r) {
        const auto role = static_cast<PortRole>(r);
        FlowFigures figures = AddUp(
            RoleTitle(role), sheet, [role](PortRole p) { return p == role; }, flow, texts);
        if (figures.state != GroupState::NoRows) {
            view.figures.push_back(std::move(figures));
        }
    }
    // Transfers and boost ports scavenge together: their sum as well.
    const auto shaped = [&](PortRole role) {
        return std::ranges::any_of(view.figures,
                                   [&](const FlowFigures& f) { return f.name == RoleTitle(role); });
    };
    if (shaped(PortRole::Transfer) && shaped(PortRole::Boost)) {
        view.figures.push_back(GroupFigures(sheet, TargetGroup::Transfers, flow, texts));
    }
    for (int g = 0; g < kTargetGroups; ++g) {
        view.targets[static_cast<std::size_t>(g)] =
            targetView(static_cast<TargetGroup>(g), input.targets[static_cast<std::size_t>(g)],
                       sheet, flow, texts);
    }
    view.plot = BuildAreaPlot(engine, sheet, texts);
    BuildBlowdown(engine, flow, texts, sheet);
    view.wayBack = BuildWayBack(engine, input, sheet, flow, texts);
}

} // namespace crank
