#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/engine_snapshot.h"
#include "model/typed_number.h"
#include "ports/port_sheet.h"
#include "tables/table_export.h"

namespace crank {

// The degree wheel and the timing strip as plain values: what the user typed
// in the wheel's window goes in, the marks, sizes and texts that the preview,
// the page, the PDF and the copy show come out.

// Sizes, mm. The wheel page is A4 (210 mm wide) with 5 mm either side.
inline constexpr double kLeastWheel = 80.0;
inline constexpr double kLargestWheel = 200.0;
inline constexpr double kLeastRim = 40.0;
inline constexpr double kLargestRim = 400.0;
// Half degrees are marked where a degree is at least as long on the rim as on
// a 200 mm wheel.
inline constexpr double kHalfDegreeWheel = 200.0;

// How the engine turns, seen from the side the wheel is mounted on.
enum class Turning { Clockwise, Anticlockwise };
enum class IgnitionUnit { MillimetresBtdc, DegreesBtdc };
enum class WheelSheet { Wheel, Strip }; // which page is shown, printed and saved

struct WheelInput {
    std::string diameter = "180"; // mm
    std::string hole = "10";      // mm, the centre hole's circle
    Turning turning = Turning::Clockwise;
    std::string ignition; // empty: no ignition mark
    IgnitionUnit ignitionUnit = IgnitionUnit::DegreesBtdc;
    std::string rim = "150"; // mm, the flywheel or pulley of the strip
    WheelSheet sheet = WheelSheet::Wheel;
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
    std::string sizeLine; // "Wheel 180 mm, hole 10 mm, engine turns clockwise seen from the wheel"
    NumberStyle style;
    WheelSheet sheet = WheelSheet::Wheel;
    bool ready = false;    // the page can be drawn: the engine and the sizes are fine
    double diameter = 0.0; // mm
    double hole = 0.0;     // mm
    bool halfDegrees = false;
    Turning turning = Turning::Clockwise;
    double rim = 0.0;         // mm
    double mmPerDegree = 0.0; // along the rim: pi rim / 360
    bool rimHalfDegrees = false;
    std::vector<WheelMark> marks; // TDC, BDC, the ports in row order, ignition
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

// What "Copy" puts on the clipboard: the engine, the sizes, then a row per
// event with its reading, its angle and the side of TDC, as plain numbers.
std::vector<Record> WheelRecords(const WheelView& view);

// The name a save dialog proposes: "<engine> degree wheel.pdf", or
// "<engine> timing strip.pdf" for the strip.
std::string WheelFileName(const WheelView& view);

} // namespace crank
