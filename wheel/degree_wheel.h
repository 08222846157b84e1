#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/engine_snapshot.h"
#include "model/typed_number.h"
#include "ports/port_sheet.h"
#include "tables/table_export.h"
#include "wheel/wheel_reading.h"

namespace crank {

// The degree wheel and the timing strip as plain values: what the user typed
// in the wheel's window goes in, the marks, sizes and texts that the preview,
// the page, the PDF and the copy show come out.

// Sizes, mm. Everything drawn keeps kSheetMargin from the edges of the A4
// sheet (210 mm wide), where many printers cannot print: the rim and its
// 0.25 mm line keep 6.375 mm on the largest wheel.
inline constexpr double kSheetMargin = 6.0;
inline constexpr double kLeastWheel = 80.0;
inline constexpr double kLargestWheel = 197.0;
inline constexpr double kLeastRim = 40.0;
inline constexpr double kLargestRim = 400.0;
// Half degrees are marked where a degree is at least as long on the rim as on
// a 190 mm wheel (1.66 mm: the half-degree ticks stand 0.83 mm apart).
inline constexpr double kHalfDegreeWheel = 190.0;

// How the engine turns, seen from the side the wheel is mounted on.
enum class Turning { Clockwise, Anticlockwise };
enum class IgnitionUnit { MillimetresBtdc, DegreesBtdc };
enum class WheelSheet { Wheel, Strip }; // which page is shown, printed and saved

// Everything typed in the wheel's window, number texts as typed ("." or ",").
struct WheelInput {
    // The page.
    std::string diameter = "180"; // mm
    std::string hole = "10";      // mm, the centre hole's circle
    Turning turning = Turning::Clockwise;
    std::string ignition; // empty: no ignition mark
    IgnitionUnit ignitionUnit = IgnitionUnit::DegreesBtdc;
    std::string rim = "150"; // mm, the flywheel or pulley of the strip
    WheelSheet sheet = WheelSheet::Wheel;
    // How the printed wheel and the wheel whose readings are typed are marked.
    WheelMarking marking = WheelMarking::BothWays;
    // The piston stop: the readings at its two contacts and its drop (mm), if known.
    TypedReading stopBefore{"", TdcSide::Btdc};
    TypedReading stopAfter{"", TdcSide::Atdc};
    std::string stopDrop;
    // The port check: the kind of port and the readings at which it opens and closes.
    PortKind portKind = PortKind::CrownOpened;
    TypedReading portOpens{"", TdcSide::Atdc};
    TypedReading portCloses{"", TdcSide::Btdc};
};

// One event on the wheel. reading: degrees from TDC the way the engine turns,
// 0 up to 360, where the pointer stands at the event on a wheel zeroed at TDC.
struct WheelMark {
    std::string name;     // "TDC", "BDC", "Exhaust opens", "Ignition"
    std::string angle;    // as the engine's timing names it: "83.1 ATDC", "BDC 180.25"
    double reading = 0.0; // degrees
    double degrees = 0.0; // the angle's number: 83.1 of "83.1 ATDC"
    std::string side;     // "ATDC", "BTDC" or empty at TDC
};

struct WheelView {
    std::string engineName;
    std::string title;    // "Degree wheel: Kart 125" or "Timing strip: Kart 125"
    std::string geometry; // "Stroke 46 mm, rod 100 mm, pin offset +3 mm, BDC 180.25 ATDC"
    std::string sizeLine; // "Wheel 180.0 mm marked 0-180-0, engine turns clockwise seen from ..."
    NumberStyle style;
    WheelSheet sheet = WheelSheet::Wheel;
    WheelMarking marking = WheelMarking::BothWays;
    bool ready = false;    // the page can be drawn: the engine and the sizes are fine
    double diameter = 0.0; // mm
    double hole = 0.0;     // mm
    bool halfDegrees = false;
    Turning turning = Turning::Clockwise;
    double rim = 0.0;         // mm
    double mmPerDegree = 0.0; // along the rim: pi rim / 360
    bool rimHalfDegrees = false;
    std::vector<WheelMark> marks; // TDC, BDC, the ports in row order, ignition
    // The least distance (mm) from anything the page draws to an edge of the
    // sheet; for a view that is not ready, that of the lines at its top.
    double sheetMargin = 0.0;
    // Why a box's value is not used, beside the box; empty when fine.
    std::string diameterMessage;
    std::string holeMessage;
    std::string ignitionMessage;
    std::string rimMessage;
    std::string engineMessage; // "Display the tables first."
};

// The wheel and the strip for the engine on display and the timed rows of
// the port sheet.
WheelView BuildWheelView(const EngineSnapshot& engine,
                         const std::array<PortRowView, kMaxPorts>& ports, const WheelInput& input,
                         const NumberStyle& style);

// What "Copy" puts on the clipboard: the engine, the sizes and the marking,
// then a row per event with its reading as the wheel shows it (on a 0-180-0
// wheel with the reading's side), its angle and the side of TDC, as plain
// numbers.
std::vector<Record> WheelRecords(const WheelView& view);

// The name a save dialog proposes: "<engine> degree wheel.pdf", or
// "<engine> timing strip.pdf" for the strip.
std::string WheelFileName(const WheelView& view);

} // namespace crank
