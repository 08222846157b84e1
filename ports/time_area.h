#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ports/port_sheet.h"
#include "ports/sheet_texts.h"

// Time-area: how much each port flows. A port's open area integrated over
// crank angle is its angle-area (mm²·deg); at n rpm a degree lasts 1/(6n) s,
// which gives its time-area (mm²·s); over the swept volume that is its
// specific time-area, STA (s·mm²/cm³, or a hundredth of it in s·cm²/cm³).
// The sheet's time-area half is worked out in time_area.cpp (the rows'
// windows, their figures and the targets), time_area_plot.cpp (the blowdown
// and the plot), time_area_way_back.cpp (the edge that meets a goal),
// time_area_width.cpp (the width that does) and time_area_records.cpp (its
// part of the copy).

namespace crank {

inline constexpr double kMm2PerCm2 = 100.0;

// Where the target ranges come from.
extern const char* const kTargetsExplained;

// The engine's part: the bore, the speed and the swept volume, as read.
struct EngineFlow {
    bool bore = false;
    bool rpm = false;
    double rpmValue = 0.0;
    double volume = 0.0; // cm³
    double boreMm = 0.0;
    // An angle-area (mm²·deg) times this is an STA in s·mm²/cm³.
    double staPerAngleArea() const { return StaOf(TimeAreaOf(1.0, rpmValue), volume); }
};

// The time-area half of the sheet, from its rows as timed.
void BuildTimeArea(const EngineSnapshot& engine, const PortSheetInput& input,
                   const SheetTexts& texts, PortSheetView& sheet);

// The shaped rows of the ports `member` takes and, when every one of them
// has figures, their figures added up.
FlowFigures AddUp(const std::string& name, const PortSheetView& sheet,
                  const std::function<bool(PortRole)>& member, const EngineFlow& flow,
                  const SheetTexts& texts);
FlowFigures GroupFigures(const PortSheetView& sheet, TargetGroup group, const EngineFlow& flow,
                         const SheetTexts& texts);

// "no figures while Transfer 2 has none: The count must be ...".
std::string StoppedText(const PortSheetView& sheet, int row);

// Where the first exhaust and the first transfer or boost port open, of the
// rows with figures, one of them (moved) perhaps opening at movedFrom
// instead: degrees ATDC, 360 for none.
struct FirstOpenings {
    double exhaust = 360.0;
    double transfer = 360.0;
};
FirstOpenings FirstOpeningsOf(const PortSheetView& sheet, int moved = -1, double movedFrom = 0.0);

// The blowdown, from the exhaust's opening to the first transfer's, and the
// plot of open area against crank angle (time_area_plot.cpp).
void BuildBlowdown(const EngineSnapshot& engine, const EngineFlow& flow, const SheetTexts& texts,
                   PortSheetView& sheet);
AreaPlotView BuildAreaPlot(const EngineSnapshot& engine, const PortSheetView& sheet,
                           const SheetTexts& texts);

// The way back (time_area_way_back.cpp), and how it is said.
WayBackView BuildWayBack(const EngineSnapshot& engine, const PortSheetInput& input,
                         const PortSheetView& sheet, const EngineFlow& flow,
                         const SheetTexts& texts);
std::string WayBackLine(const WayBackView& way, const PortSheetView& sheet,
                        const SheetTexts& texts);
// Its warnings, each a sentence: "a lower roof cannot be ground; ...".
std::vector<std::string> WayBackWarnings(const WayBackView& way);
// The way back by width (time_area_width.cpp): the width of the row's
// windows at which it gives `others` less than the goal, in mm²·deg, its
// height as it is, between the corners' least and the bore.
void SearchWidth(const EngineSnapshot& engine, const PortRowView& row, const EngineFlow& flow,
                 double others, double perAngleArea, const SheetTexts& texts, WayBackView& way);

// The time-area's part of the copy: the engine's flow, each shaped row, the
// figures, the targets, the blowdown and the way back; and the area of each
// role (the baseline's after) at every half degree, which ends the copy
// (time_area_records.cpp).
std::vector<Record> TimeAreaRecords(const PortSheetView& sheet);
std::vector<Record> CurveRecords(const PortSheetView& sheet);

} // namespace crank
