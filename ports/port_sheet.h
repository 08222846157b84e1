#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/engine_snapshot.h"
#include "model/typed_number.h"
#include "ports/port_timing.h"
#include "tables/table_builder.h"
#include "tables/table_export.h"

namespace crank {

// The port timing sheet as plain values: what the user typed on it goes in,
// every figure, message and text that the sheet, its copy and its page show
// comes out, for the engine of the display on show.

enum class LengthUnit { Millimetre, Inch };
inline constexpr double kMillimetresPerInch = 25.4;

// A length box: its text as typed, and the unit in force when it was typed.
struct TypedLength {
    std::string text;
    LengthUnit unit = LengthUnit::Millimetre;
};

struct PortRowInput {
    std::string name; // as typed; may be empty
    PortKind kind = PortKind::CrownOpened;
    TypedLength height;
};

struct PortSheetInput {
    LengthUnit unit = LengthUnit::Millimetre; // heights are shown in it
    TypedLength deck;                         // crown below the cylinder top at TDC
    TypedLength pistonLength;                 // crown to skirt edge
    std::array<PortRowInput, kMaxPorts> rows;
    // The target: which row (0-based), of what, and the degrees as typed.
    int targetRow = 0;
    TimingTarget target = TimingTarget::Opening;
    std::string targetDegrees;
};

// One length box as read, and the text it shows in the sheet's unit: the
// text as typed in the unit it was typed in, else the value converted.
struct LengthView {
    bool typed = false;  // the box holds text
    bool number = false; // and it reads as a number
    double millimetres = 0.0;
    std::string shown;
    std::string message; // beside the box: why it is not used; empty when fine
};

struct PortRowView {
    bool used = false; // the height box holds text: the row is timed or explained
    std::string name;  // as typed, tabs and line breaks as blanks, or "Port n"
    PortKind kind = PortKind::CrownOpened;
    LengthView height;
    bool timed = false;
    float opens = 0.0f;  // degrees, ATDC when crown-opened, BTDC when skirt-opened
    float closes = 0.0f; // degrees, the other side
    float duration = 0.0f;
    std::string message; // why the row has no timing; empty when timed
    // As the sheet and its page show them: "25.68", "98.2 ATDC", "98.2 BTDC", "196.4".
    std::string heightText;
    std::string opensText;
    std::string closesText;
    std::string durationText;
};

// One port's open arc on the timing diagram.
struct DiagramArc {
    int number = 0;     // the row's number, 1 to 8
    float from = 0.0f;  // degrees clockwise from TDC where the port opens
    float sweep = 0.0f; // degrees open
    std::string legend; // "1 Exhaust: 83.1 ATDC to 83.2 BTDC, 193.6 deg"
};

struct DiagramView {
    float bdcAngle = 180.0f;      // degrees ATDC
    std::string bdcLabel;         // "BDC 179.86"
    std::vector<DiagramArc> arcs; // the timed rows, in row order
};

struct PortSheetView {
    std::string engineName;           // as typed on the data entry screen
    std::vector<SummaryLine> summary; // "Engine:" "Kart", "Stroke (mm):" "54.5", ...
    std::string note;                 // how opening and closing relate on this engine
    LengthUnit unit = LengthUnit::Millimetre;
    NumberStyle style;
    LengthView deck;
    LengthView pistonLength;
    std::string deckLine;   // "Deck (crown below the cylinder top at TDC): 0.60 mm"
    std::string pistonLine; // "Piston length (crown to skirt edge): 64.00 mm"; empty when not typed
    std::vector<std::string> captions; // of the row columns: Port ... Duration (deg)
    std::array<PortRowView, kMaxPorts> rows;
    std::string
        targetResult; // the height that meets the target, or why none; empty with none typed
    DiagramView diagram;
};

// The whole sheet for the engine on display.
PortSheetView BuildPortSheetView(const EngineSnapshot& engine, const PortSheetInput& input,
                                 const NumberStyle& style);

// What "Copy" puts on the clipboard: the engine, its geometry, the deck, the
// piston length and the unit, then a row per used port with its angles as
// plain numbers under captions that carry their side ("Opens ATDC").
std::vector<Record> PortSheetRecords(const PortSheetView& view);

// The name a save dialog proposes: "<engine> port timing.pdf".
std::string PortSheetFileName(const PortSheetView& view);

// How the sheet explains its heights, and what stroke means.
extern const char* const kHeightsExplained;
extern const char* const kStrokeExplained;

} // namespace crank
