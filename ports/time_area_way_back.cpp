#include <algorithm>
#include <cmath>

#include "ports/time_area.h"

// The way back: from a goal for a group's specific time-area to the height of
// one row's timed edge (a crown-opened port's roof, an inlet's floor), its
// other edge left where it is, so that the window grows or shrinks with it.

namespace crank {
namespace {

// The row's port with its timed edge moved to `drop` (mm below TDC, as timed;
// `depth` as integrated), as the sheet would time and integrate it.
struct MovedEdge {
    bool timed = false;
    PortOpening port;
    PortTiming timing;
    OpenSpan span;
    double angleArea = 0.0;
};

MovedEdge moveEdge(const EngineSnapshot& engine, const PortRowView& row, float drop, double depth)
{
    MovedEdge moved;
    moved.port = row.shape.opening;
    moved.port.drop = depth;
    const double change = depth - row.shape.opening.drop;
    // Down the crown's way the window shrinks; down the skirt's way it grows.
    moved.port.window.height += row.kind == PortKind::CrownOpened ? -change : change;
    moved.timing = TimePort(engine, row.kind, drop);
    moved.timed = moved.timing.status == TimingStatus::Timed;
    moved.span = OpenSpanOf(row.kind, moved.timing);
    if (moved.timed) {
        moved.angleArea = AngleArea(engine, moved.port, moved.span.from, moved.span.to);
    }
    return moved;
}

// The drop within [lo, hi] at which the moved row's angle-area is `needed`,
// which lies between its values at the two ends: the angle-area runs
// steadily with the drop, so regula falsi, halving the weight of an end
// that stays (Illinois), closes in within a few integrations.
float solveDrop(const EngineSnapshot& engine, const PortRowView& row, float lo, float hi,
                double atLo, double atHi, double needed)
{
    double a = lo;
    double b = hi;
    double fa = atLo - needed;
    double fb = atHi - needed;
    int kept = 0; // which end stayed last: -1 a, 1 b
    for (int i = 0; i < 60 && b - a > 1e-5; ++i) {
        double c = b - fb * (b - a) / (fb - fa);
        if (!(c > a && c < b)) {
            c = (a + b) / 2.0;
        }
        const double fc = moveEdge(engine, row, static_cast<float>(c), c).angleArea - needed;
        if (fc == 0.0) {
            return static_cast<float>(c);
        }
        if ((fc < 0.0) == (fa < 0.0)) {
            a = c;
            fa = fc;
            fb = kept == 1 ? fb / 2.0 : fb;
            kept = 1;
        } else {
            b = c;
            fb = fc;
            fa = kept == -1 ? fa / 2.0 : fa;
            kept = -1;
        }
    }
    return static_cast<float>((a + b) / 2.0);
}

// The answer at the height found, rounded as the sheet shows lengths and
// timed as the timing page times it typed.
void answer(const EngineSnapshot& engine, const PortSheetView& sheet, const PortRowView& row,
            float found, double others, double perAngleArea, const SheetTexts& texts,
            WayBackView& way)
{
    const bool crown = row.kind == PortKind::CrownOpened;
    way.height = texts.asShown(row.height.millimetres + (double{found} - row.shape.opening.drop));
    way.change = way.height - row.height.millimetres;
    way.windowHeight = row.shape.opening.window.height + (crown ? -way.change : way.change);
    const WindowShape& window = row.shape.opening.window;
    MovedEdge moved = moveEdge(engine, row, DropOfHeight(row.kind, way.height, sheet),
                               DepthOfHeight(row.kind, way.height, sheet));
    if (!moved.timed || way.windowHeight < window.topRadius + window.bottomRadius) {
        way.status = WayBackStatus::NoRoom; // only a hair from the end of its room
        return;
    }
    if (texts.length(way.height) == texts.length(row.height.millimetres)) {
        way.status = WayBackStatus::Unmoved;
        way.reached = (row.shape.angleArea + others) * perAngleArea;
        return;
    }
    way.status = WayBackStatus::Found;
    way.opens = moved.timing.opens;
    way.closes = moved.timing.closes;
    way.duration = moved.timing.duration;
    way.reached = (moved.angleArea + others) * perAngleArea;
    const bool grows = crown ? way.change < 0.0 : way.change > 0.0;
    way.cannotGrind = !grows;
    const FirstOpenings first = FirstOpeningsOf(sheet, way.row, moved.span.from);
    way.noBlowdown =
        first.exhaust < 360.0 && first.transfer < 360.0 && !(first.exhaust < first.transfer);
}

// The edge moves between the crown's height at TDC (the skirt's at BDC for
// an inlet) and the point where the window is down to its corners.
void search(const EngineSnapshot& engine, const PortSheetView& sheet, const PortRowView& row,
            double others, double perAngleArea, const SheetTexts& texts, WayBackView& way)
{
    const double needed = way.target / perAngleArea - others;
    const bool crown = row.kind == PortKind::CrownOpened;
    const WindowShape& window = row.shape.opening.window;
    const double corners = window.topRadius + window.bottomRadius;
    const double drop = row.shape.opening.drop;
    const double other = crown ? drop + window.height : drop - window.height;
    const double stroke = engine.geometry.Stroke;
    const auto lo = static_cast<float>(crown ? 0.0 : std::max(0.0, other + corners));
    const auto hi = static_cast<float>(crown ? std::min(stroke, other - corners) : stroke);
    if (!(lo < hi)) {
        way.status = WayBackStatus::NoRoom;
        return;
    }
    const double atLo = moveEdge(engine, row, lo, lo).angleArea;
    const double atHi = moveEdge(engine, row, hi, hi).angleArea;
    if (needed > std::max(atLo, atHi) || needed < std::min(atLo, atHi)) {
        const bool above = needed > std::max(atLo, atHi);
        way.status = above ? WayBackStatus::AboveReach : WayBackStatus::BelowReach;
        way.reached =
            ((above ? std::max(atLo, atHi) : std::min(atLo, atHi)) + others) * perAngleArea;
        return;
    }
    const float found = solveDrop(engine, row, lo, hi, atLo, atHi, needed);
    answer(engine, sheet, row, found, others, perAngleArea, texts, way);
}

// Who reaches the goal: the whole group.
const char* groupReach(TargetGroup group)
{
    switch (group) {
    case TargetGroup::Exhaust:
        return "the exhaust ports reach";
    case TargetGroup::Transfers:
        return "the transfers and boost together reach";
    case TargetGroup::Inlet:
        return "the inlet ports reach";
    }
    return "";
}

std::string warningsText(const WayBackView& way)
{
    std::string text;
    for (const std::string& warning : WayBackWarnings(way)) {
        text += " Warning: " + warning;
    }
    return text;
}

std::string capitalised(std::string text)
{
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

} // namespace

std::vector<std::string> WayBackWarnings(const WayBackView& way)
{
    std::vector<std::string> warnings;
    if (way.cannotGrind) {
        warnings.emplace_back(std::string(way.by == WayBackBy::Width          ? "a narrower window"
                                          : way.kind == PortKind::CrownOpened ? "a lower roof"
                                                                              : "a higher floor") +
                              " cannot be ground; it takes filling or a new cylinder.");
    }
    if (way.ringSnag) {
        warnings.emplace_back("an exhaust window without a bridge wider than 70% of the bore may "
                              "snag the ring; a bridge or a narrower window keeps it.");
    }
    if (way.noBlowdown) {
        warnings.emplace_back(
            "the exhaust then opens at or after the first transfer, which leaves no blowdown.");
    }
    return warnings;
}

WayBackView BuildWayBack(const EngineSnapshot& engine, const PortSheetInput& input,
                         const PortSheetView& sheet, const EngineFlow& flow,
                         const SheetTexts& texts)
{
    WayBackView way;
    if (input.staTarget.empty()) {
        return way;
    }
    way.row = std::clamp(input.staRow, 0, kMaxPorts - 1);
    const PortRowView& row = sheet.rows[static_cast<std::size_t>(way.row)];
    way.group = GroupOf(row.role);
    way.kind = row.kind;
    way.by = input.wayBackBy;
    way.rpm = flow.rpmValue;
    const std::optional<double> target = ReadTyped(input.staTarget, texts.style());
    const FlowFigures group = GroupFigures(sheet, way.group, flow, texts);
    way.target = target.value_or(0.0);
    way.stoppedBy = group.stoppedBy;
    if (!target || !(*target > 0.0)) {
        way.status = WayBackStatus::NotANumber;
    } else if (!flow.rpm || !flow.bore) {
        way.status = WayBackStatus::NoFlow;
    } else if (!row.shape.figures) {
        way.status = WayBackStatus::NoFigures;
    } else if (group.state == GroupState::Stopped) {
        way.status = WayBackStatus::Stopped;
    } else {
        // s·cm²/cm³ per mm²·deg of the group.
        const double perAngleArea = flow.staPerAngleArea() / kMm2PerCm2;
        const double others = group.angleArea - row.shape.angleArea;
        if (!(way.target / perAngleArea > others)) {
            way.status = WayBackStatus::OthersReach;
            way.reached = others * perAngleArea;
        } else if (way.by == WayBackBy::Width) {
            SearchWidth(engine, row, flow, others, perAngleArea, texts, way);
        } else {
            search(engine, sheet, row, others, perAngleArea, texts, way);
        }
    }
    way.line = WayBackLine(way, sheet, texts);
    return way;
}

std::string WayBackLine(const WayBackView& way, const PortSheetView& sheet, const SheetTexts& texts)
{
    const PortRowView& row = sheet.rows[static_cast<std::size_t>(way.row)];
    const bool crown = way.kind == PortKind::CrownOpened;
    const bool width = way.by == WayBackBy::Width;
    const std::string edge = std::string(width   ? "width"
                                         : crown ? "roof"
                                                 : "floor") +
                             " of " + row.name;
    const std::string goal =
        texts.sta(way.target) + " s·cm²/cm³ at " + texts.fixed(way.rpm, 0) + " rpm";
    const std::string reached = texts.sta(way.reached) + " s·cm²/cm³";
    const std::string who = groupReach(way.group);
    switch (way.status) {
    case WayBackStatus::NotAsked:
        return {};
    case WayBackStatus::NotANumber:
        return "The goal STA must be a number more than 0.";
    case WayBackStatus::NoFlow:
        return "Type the bore and the rpm first.";
    case WayBackStatus::NoFigures:
        return row.name + " has no figures to start from.";
    case WayBackStatus::Stopped: {
        const PortRowView& stopping = sheet.rows[static_cast<std::size_t>(way.stoppedBy)];
        return "No way back while " + stopping.name + " has no figures: " + stopping.shape.message;
    }
    case WayBackStatus::OthersReach:
        return "Even without " + row.name + ", " + who + " " + reached + " at " +
               texts.fixed(way.rpm, 0) + " rpm, no less than the goal of " + texts.sta(way.target) +
               ".";
    case WayBackStatus::NoRoom:
        return "The " + edge + " has no room to move.";
    case WayBackStatus::AboveReach:
    case WayBackStatus::BelowReach:
        return "No " + std::string(width ? "" : "height of the ") + edge + " reaches " + goal +
               ": " + who + " " +
               (way.status == WayBackStatus::AboveReach ? "at most " : "at least ") + reached + ".";
    case WayBackStatus::Unmoved:
        return capitalised(who) + " " + goal + " with the " + edge + " where it is.";
    case WayBackStatus::Found:
        break;
    }
    if (width) {
        return capitalised(who) + " " + goal + " when each window of " + row.name + " is " +
               (way.change > 0.0 ? "widened" : "narrowed") + " by " +
               texts.lengthWithUnit(std::abs(way.change)) + ", to " +
               (way.measure == WidthMeasure::Arc ? "an arc of " : "a chord of ") +
               texts.lengthWithUnit(way.width) +
               "; its height and timing stay. With that width they give " + reached + "." +
               warningsText(way);
    }
    const bool grows = crown ? way.change < 0.0 : way.change > 0.0;
    std::string line =
        capitalised(who) + " " + goal + " when the " + edge + " is " +
        (way.change < 0.0 ? "raised" : "lowered") + " by " +
        texts.lengthWithUnit(std::abs(way.change)) + ", to " + texts.lengthWithUnit(way.height) +
        "; the window " + (grows ? "grows" : "shrinks") + " with it to " +
        texts.lengthWithUnit(way.windowHeight) + ", its " + (crown ? "floor" : "roof") +
        " stays. It then opens at " + texts.angle(double{way.opens}) + (crown ? " ATDC" : " BTDC") +
        " and is open " + texts.angle(double{way.duration}) +
        " degrees; with that height they give " + reached + ".";
    return line + warningsText(way);
}

} // namespace crank
