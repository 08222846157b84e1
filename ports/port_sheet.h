#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/engine_snapshot.h"
#include "model/typed_number.h"
#include "ports/port_area.h"
#include "ports/port_timing.h"
#include "ports/sheet_input.h"
#include "tables/table_builder.h"
#include "tables/table_export.h"

namespace crank {

// The port timing sheet as plain values: what the user typed on it goes in,
// every figure, message and text that the sheet, its copy and its page show
// comes out, for the engine of the display on show.

// One length box as read, and the text it shows in the sheet's unit: the
// text as typed in the unit it was typed in, else the value converted.
struct LengthView {
    bool typed = false;  // the box holds text
    bool number = false; // and it reads as a number
    double millimetres = 0.0;
    std::string shown;
    std::string message; // beside the box: why it is not used; empty when fine
};

// A row's windows and what they flow.
struct ShapeView {
    bool shaped = false; // a shape box holds text
    LengthView width;    // as typed: a chord or an arc
    WidthMeasure measure = WidthMeasure::Chord;
    LengthView windowHeight;
    LengthView topRadius;
    LengthView bottomRadius;
    LengthView bridge;
    std::string message; // why the row has no figures; empty when it has
    bool figures = false;
    PortOpening opening; // as integrated: every window, the chord, the timed edge
    OpenSpan span;
    // A crown-opened port whose floor lies below the crown at BDC, or an
    // inlet whose roof lies above the skirt at TDC, is never fully open: the
    // piston uncovers `uncovered` mm of its height at most. The figures stand
    // all the same, with the note beside them.
    bool fullyOpens = true;
    double uncovered = 0.0;
    std::string note;         // "Never fully open: ...", or empty
    int count = 1;            // equal ports, as typed (0: unread); a bridge splits each in two
    double chord = 0.0;       // mm, across each port, bridge included
    double fullArea = 0.0;    // mm², every window
    double angleArea = 0.0;   // mm²·deg
    bool timeFigures = false; // with the rpm and the bore: time-area and STA
    double timeArea = 0.0;    // mm²·s
    double sta = 0.0;         // s·mm²/cm³
    std::string fullAreaText;
    std::string angleAreaText;
    std::string timeAreaText;
    std::string staText;   // s·mm²/cm³, four significant digits
    std::string staCmText; // s·cm²/cm³, likewise
};

struct PortRowView {
    bool used = false; // the height box holds text: the row is timed or explained
    std::string name;  // as typed, tabs and line breaks as blanks, or "Port n"
    PortRole role = PortRole::Exhaust;
    PortKind kind = PortKind::CrownOpened;
    LengthView height;
    bool timed = false;
    float drop = 0.0f;   // mm below TDC at which the piston passes the timed edge
    float opens = 0.0f;  // degrees, ATDC when crown-opened, BTDC when skirt-opened
    float closes = 0.0f; // degrees, the other side
    float duration = 0.0f;
    std::string message; // why the row has no timing; empty when timed
    // As the sheet and its page show them: "25.68", "98.2 ATDC", "98.2 BTDC", "196.4".
    std::string heightText;
    std::string opensText;
    std::string closesText;
    std::string durationText;
    ShapeView shape;
};

// Whether the shaped rows of a role or a group give its figures: they are
// added up only when every one of them has its own.
enum class GroupState {
    NoRows,  // no row of it is shaped
    Stopped, // a shaped row of it has no figures (stoppedBy)
    Whole,   // every shaped row of it has figures
};

// Figures of the ports of one role, or of a target group, added up.
struct FlowFigures {
    std::string name;      // "Exhaust", "Transfers and boost", ...
    std::vector<int> rows; // its shaped rows, 0-based
    GroupState state = GroupState::NoRows;
    int stoppedBy = -1; // the first shaped row of it without figures
    double fullArea = 0.0;
    double angleArea = 0.0;
    double timeArea = 0.0;
    double sta = 0.0;               // s·mm²/cm³
    std::vector<std::string> cells; // name and the figures as shown, or "none"
};

// The open area against crank angle, TDC to TDC, for the plot.
inline constexpr double kCurveStep = 0.5; // degrees
struct AreaCurve {
    PortRole role = PortRole::Exhaust;
    std::vector<double> area; // mm², at 0, 0.5, ... 360 degrees ATDC
};
struct PlotMark {
    float angle = 0.0f; // degrees ATDC
    std::string label;  // "EO 83.1"
};
struct AreaPlotView {
    std::vector<AreaCurve> curves; // one per role that has figures, in role order
    std::vector<PlotMark> marks;   // exhaust opening, transfer opening, BDC
    bool blowdown = false;         // the exhaust opens before the transfers
    float blowdownFrom = 0.0f;
    float blowdownTo = 0.0f;
    // The baseline's curves and marks, drawn thin and grey under the present
    // ones; empty without a baseline.
    std::vector<AreaCurve> beforeCurves;
    std::vector<PlotMark> beforeMarks; // its exhaust and first transfer openings
    bool beforeBlowdown = false;
    float beforeBlowdownFrom = 0.0f;
    float beforeBlowdownTo = 0.0f;
    double largest = 0.0; // mm², the highest point of any curve
};

// A target group's range and the engine speeds at which its ports meet it:
// the specific time-area falls as the speed rises.
struct TargetView {
    bool read = false; // both ends read, more than 0, least first
    double low = 0.0;  // s·cm²/cm³
    double high = 0.0;
    std::string message;   // beside the range when it does not read
    std::vector<int> rows; // the group's shaped rows, 0-based
    GroupState state = GroupState::NoRows;
    int stoppedBy = -1;
    bool bore = false;     // the bore is known
    bool met = false;      // the range reads, the group is whole and the bore known
    bool staKnown = false; // the group is whole, with the rpm and the bore
    double sta = 0.0;      // s·cm²/cm³ of the group at the rpm typed
    double rpmFrom = 0.0;  // the speed at which it reaches the top of the range
    double rpmTo = 0.0;    // and the bottom
    std::string line; // "Exhaust: 0.0001400 to 0.0001500 s·cm²/cm³, met from 9120 to 9771 rpm."
};

// The way back: the goal is a specific time-area for the group of one row,
// at the rpm typed, by moving that row's timed edge (a crown-opened port's
// roof, an inlet's floor) with its other edge left where it is, or by the
// width of its windows with their height as it is.
enum class WayBackStatus {
    NotAsked,    // no goal typed
    NotANumber,  // the goal is not a number more than 0
    NoFlow,      // the bore or the rpm is missing
    NoFigures,   // the row has no figures to start from
    Stopped,     // another shaped row of the group has none (stoppedBy)
    OthersReach, // the group's other rows reach the goal without this one
    NoRoom,      // the edge (the width) cannot move without closing the window
    AboveReach,  // more than the edge (the width) can give anywhere (reached: the most)
    BelowReach,  // less than the edge (the width) can give anywhere (reached: the least)
    Unmoved,     // the goal is met with the height (the width) as it is, as shown
    Found,
};
struct WayBackView {
    WayBackStatus status = WayBackStatus::NotAsked;
    int row = 0; // 0-based
    TargetGroup group = TargetGroup::Exhaust;
    double target = 0.0; // s·cm²/cm³
    double rpm = 0.0;
    int stoppedBy = -1;
    PortKind kind = PortKind::CrownOpened;
    WayBackBy by = WayBackBy::Edge;
    // The answer, with the height rounded as the sheet shows lengths and
    // timed as the timing page times that height typed.
    double change = 0.0;       // mm down the bore: negative raises the edge
    double height = 0.0;       // mm, the edge's new height
    double windowHeight = 0.0; // mm, the window's, which grows or shrinks with it
    float opens = 0.0f;        // degrees, as the row's
    float closes = 0.0f;
    float duration = 0.0f;
    double reached = 0.0; // s·cm²/cm³ of the group with it, or its most or least
    // By width: the width as the row measures it (chord or arc) and its chord,
    // rounded as shown; `change` is then the width's, wider positive.
    WidthMeasure measure = WidthMeasure::Chord;
    double width = 0.0; // mm
    double chord = 0.0; // mm
    // Warnings with a found height or width.
    bool noBlowdown = false;  // an exhaust then opens at or after the first transfer or boost
    bool cannotGrind = false; // a lower roof, a higher inlet floor, a narrower window: filling
    bool ringSnag = false;    // a bridgeless exhaust window over 70% of the bore
    std::string line;         // all of it in words
};

// The timing target: the height that gives a row's opening angle or duration.
struct TimingTargetView {
    bool asked = false; // degrees typed
    int row = 0;        // 0-based
    TimingTarget target = TimingTarget::Opening;
    std::string degrees; // as typed
    bool found = false;
    double height = 0.0; // mm, when found
    std::string line;    // the height, or why none
};

struct TimeAreaView {
    bool any = false; // some row is shaped
    LengthView bore;
    bool rpmRead = false;
    double rpm = 0.0;
    std::string rpmMessage;
    double sweptVolume = 0.0;          // cm³, with the bore
    std::string engineLine;            // "Bore 54.00 mm, 12000 rpm, swept volume 124.8 cm³"
    std::vector<std::string> captions; // of the figures
    std::vector<FlowFigures> figures;  // per role present, then per target group
    std::array<TargetView, kTargetGroups> targets;
    bool blowdownFigures = false;
    double blowdownAngle = 0.0; // degrees from the exhaust's opening to the first transfer's
    double blowdownAngleArea = 0.0;
    double blowdownSta = 0.0; // s·mm²/cm³, with the rpm and the bore
    std::string blowdown;     // the figures in words, or why there are none
    WayBackView wayBack;
    AreaPlotView plot;
};

// One port's open arc on the timing diagram.
struct DiagramArc {
    int number = 0; // the row's number, 1 to 8
    PortRole role = PortRole::Exhaust;
    float from = 0.0f;  // degrees clockwise from TDC where the port opens
    float sweep = 0.0f; // degrees open
    std::string legend; // "1 Exhaust: 83.1 ATDC to 83.2 BTDC, 193.6 deg"
};

struct DiagramView {
    float bdcAngle = 180.0f;      // degrees ATDC
    std::string bdcLabel;         // "BDC 179.86"
    std::vector<DiagramArc> arcs; // the timed rows, in row order
};

// Compression (compression.cpp): volumes in cm³, ratios as so many to 1.
struct CompressionView {
    bool any = false; // a compression box holds text
    ClearanceBy by = ClearanceBy::AtTdc;
    bool volume = false;          // the volume box reads as a number more than 0
    std::string volumeShown;      // as typed, in the sheet's style
    std::string volumeMessage;    // beside it when it does not
    LengthView squish;            // the squish clearance, as typed
    LengthView band;              // the squish band's inner diameter, as typed
    bool clearance = false;       // the clearance volume is known
    double clearanceVolume = 0.0; // cm³, with the cylinder raised or lowered
    double raised = 0.0;          // cm³ of it that the raise adds (negative: takes)
    double squishInUse = 0.0;     // mm, the squish clearance with the raise
    bool geometric = false;
    double sweptVolume = 0.0; // cm³
    double geometricRatio = 0.0;
    bool trapped = false;
    int exhaustRow = -1;       // the highest exhaust row, which closes last
    int stoppedBy = -1;        // an exhaust row typed but not timed: no trapped ratio
    double closingDepth = 0.0; // mm: the crown below TDC as it closes
    double trappedSwept = 0.0; // cm³ swept above its roof
    double trappedRatio = 0.0;
    bool squishArea = false;
    double squishAreaRatio = 0.0;   // the band's area over the bore's, 0 to 1
    std::vector<std::string> lines; // the figures in words, or why they are missing
};

// A figure of the present state beside the baseline's (comparison.cpp).
struct Compared {
    bool now = false;    // the present state has it
    bool before = false; // the baseline has it
    double nowValue = 0.0;
    double beforeValue = 0.0;
    bool both() const { return now && before; }
    double change() const { return nowValue - beforeValue; }
};
struct ComparedFigure {
    std::string name; // "Exhaust STA (s·cm²/cm³)", "Blowdown (deg)", ...
    Compared value;
    int digits = 1;           // decimals shown,
    bool significant = false; // or significant digits
};
struct ComparisonView {
    bool on = false;        // a baseline is kept
    std::string label;      // "before: kept 14:32"
    std::string engineLine; // the baseline's engine when it is another; why it cannot be timed
    // Each row's opening, closing and duration, degrees, compared where the
    // row is of one kind in both.
    std::array<std::array<Compared, 3>, kMaxPorts> rows{};
    std::array<std::string, kMaxPorts> rowLines; // "before 81.2 ATDC, ...; change +1.9, ..."
    std::vector<ComparedFigure> flow;            // the groups' STA and speeds, the blowdown
    std::vector<ComparedFigure> compression;     // the clearance and the ratios
};

struct PortSheetView {
    std::string engineName;           // as typed on the data entry screen
    std::vector<SummaryLine> summary; // "Engine:" "Kart", "Stroke (mm):" "54.5", ...
    std::string note;                 // how opening and closing relate on this engine
    LengthUnit unit = LengthUnit::Millimetre;
    NumberStyle style;
    LengthView deck;
    LengthView pistonLength;
    LengthView raise;       // the cylinder raised by (a base gasket or spacer), as typed
    double deckInUse = 0.0; // mm: the deck with the raise; every edge is timed with it
    std::string deckLine;   // "Deck (crown below the cylinder top at TDC): 0.60 mm"
    std::string pistonLine; // "Piston length (crown to skirt edge): 64.00 mm"; empty when not typed
    std::vector<std::string> captions; // of the row columns: Port ... Duration (deg)
    std::array<PortRowView, kMaxPorts> rows;
    TimingTargetView target;
    DiagramView diagram;
    TimeAreaView timeArea;
    CompressionView compression;
    ComparisonView compare;
};

// How far below TDC the piston passes an edge typed heightMm down the
// cylinder, with the sheet's deck (and raise) and piston length: in the model's single
// precision, as every row and every answer of the sheet is timed, and in
// double, as its open area is integrated.
float DropOfHeight(PortKind kind, double heightMm, const PortSheetView& sheet);
double DepthOfHeight(PortKind kind, double heightMm, const PortSheetView& sheet);

struct Baseline;

// The whole sheet for the engine on display; with a baseline, compared with
// it (comparison.cpp).
PortSheetView BuildPortSheetView(const EngineSnapshot& engine, const PortSheetInput& input,
                                 const NumberStyle& style, const Baseline* before = nullptr);

// What "Copy" puts on the clipboard: the engine, its geometry, the deck, the
// piston length and the unit, then a row per used port with its angles as
// plain numbers under captions that carry their side ("Opens ATDC"), the
// timing target, then the time-area's part (TimeAreaRecords), compression's
// (CompressionRecords), the comparison's (ComparisonRecords) and the curves
// (CurveRecords).
std::vector<Record> PortSheetRecords(const PortSheetView& view);

// The name a save dialog proposes: "<engine> port timing.pdf".
std::string PortSheetFileName(const PortSheetView& view);

// How the sheet explains its heights and what stroke means.
extern const char* const kHeightsExplained;
extern const char* const kStrokeExplained;

} // namespace crank
