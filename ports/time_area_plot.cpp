#include <algorithm>

#include "model/crank_slider.h"
#include "ports/time_area.h"

// The blowdown, from the exhaust's opening to the first transfer's, and the
// open area of each role against crank angle for the plot.

namespace crank {
namespace {

// Whether a crank angle of the first turn lies in a span, which may run
// into the next.
bool within(double angle, const OpenSpan& span)
{
    return (angle >= span.from && angle <= span.to) ||
           (angle + 360.0 >= span.from && angle + 360.0 <= span.to);
}

std::string blowdownLine(const TimeAreaView& view, const SheetTexts& texts)
{
    std::string line = "Blowdown: " + texts.angle(view.blowdownAngle) +
                       " deg from exhaust to transfer opening, " +
                       texts.fixed(view.blowdownAngleArea, 0) + " mm²·deg";
    if (view.blowdownSta > 0.0) {
        line += ", STA " + texts.sta(view.blowdownSta) + " s·mm²/cm³ (" +
                texts.sta(view.blowdownSta / kMm2PerCm2) + " s·cm²/cm³)";
    }
    return line + ".";
}

} // namespace

FirstOpenings FirstOpeningsOf(const PortSheetView& sheet, int moved, double movedFrom)
{
    FirstOpenings first;
    for (int i = 0; i < kMaxPorts; ++i) {
        const PortRowView& row = sheet.rows[static_cast<std::size_t>(i)];
        if (!row.shape.figures || row.kind != PortKind::CrownOpened) {
            continue;
        }
        const double opens = i == moved ? movedFrom : row.shape.span.from;
        double& earliest = row.role == PortRole::Exhaust ? first.exhaust : first.transfer;
        earliest = std::min(earliest, opens);
    }
    return first;
}

void BuildBlowdown(const EngineSnapshot& engine, const EngineFlow& flow, const SheetTexts& texts,
                   PortSheetView& sheet)
{
    TimeAreaView& view = sheet.timeArea;
    for (const TargetGroup group : {TargetGroup::Exhaust, TargetGroup::Transfers}) {
        const FlowFigures members = GroupFigures(sheet, group, flow, texts);
        if (members.state == GroupState::NoRows) {
            return; // nothing to say without both
        }
        if (members.state == GroupState::Stopped) {
            view.blowdown = "Blowdown: " + StoppedText(sheet, members.stoppedBy) + ".";
            return;
        }
    }
    const auto [exhaust, transfer] = FirstOpeningsOf(sheet);
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
    if (flow.rpm && flow.bore) {
        view.blowdownSta = view.blowdownAngleArea * flow.staPerAngleArea();
    }
    view.blowdown = blowdownLine(view, texts);
    view.plot.blowdown = true;
    view.plot.blowdownFrom = static_cast<float>(exhaust);
    view.plot.blowdownTo = static_cast<float>(transfer);
}

AreaPlotView BuildAreaPlot(const EngineSnapshot& engine, const PortSheetView& sheet,
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
    // A role's curve, like its figures, only when every shaped row of it has them.
    const auto whole = [&](const std::function<bool(PortRole)>& member) {
        return AddUp({}, sheet, member, {}, texts).state == GroupState::Whole;
    };
    for (int r = 0; r < kRoleCount; ++r) {
        const auto role = static_cast<PortRole>(r);
        if (!whole([role](PortRole p) { return p == role; })) {
            continue;
        }
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
    const auto [exhaust, transfer] = FirstOpeningsOf(sheet);
    const auto ofGroup = [](TargetGroup group) {
        return [group](PortRole p) { return GroupOf(p) == group; };
    };
    if (exhaust < 360.0 && whole(ofGroup(TargetGroup::Exhaust))) {
        plot.marks.push_back({static_cast<float>(exhaust), "EO " + texts.angle(exhaust)});
    }
    if (transfer < 360.0 && whole(ofGroup(TargetGroup::Transfers))) {
        plot.marks.push_back({static_cast<float>(transfer), "TO " + texts.angle(transfer)});
    }
    const double bdc = engine.geometry.BdcAngle;
    plot.marks.push_back({engine.geometry.BdcAngle, "BDC " + texts.angle(bdc)});
    return plot;
}

} // namespace crank
