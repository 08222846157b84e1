#pragma once

#include <array>
#include <string>

#include "ports/port_timing.h"

namespace crank {

// What is typed on the port timing sheet, as one plain value: the tool holds
// it, the sheet's controls edit it, an engine file keeps it.

enum class LengthUnit { Millimetre, Inch };
inline constexpr double kMillimetresPerInch = 25.4;

// A length box: its text as typed, and the unit in force when it was typed.
struct TypedLength {
    std::string text;
    LengthUnit unit = LengthUnit::Millimetre;
};

// What a port does. The crown opens exhaust, transfer and boost ports; the
// skirt opens a piston-port inlet.
enum class PortRole { Exhaust, Transfer, Boost, Inlet };
inline constexpr int kRoleCount = 4;
PortKind KindOf(PortRole role);
const char* RoleName(PortRole role);  // "exhaust", "transfer", "boost", "inlet"
std::string RoleTitle(PortRole role); // as a heading: "Exhaust", ...

// A port's windows; every length is optional until the row is shaped.
enum class WidthMeasure { Chord, Arc }; // across the bore, or along its wall
struct PortShapeInput {
    std::string count; // equal windows, as typed; empty for one
    TypedLength width;
    WidthMeasure measure = WidthMeasure::Chord;
    TypedLength windowHeight; // from the window's top edge to its floor
    TypedLength topRadius;
    TypedLength bottomRadius;
    TypedLength bridge; // splits each window into two of (width - bridge) / 2
};

struct PortRowInput {
    std::string name; // as typed; may be empty
    PortRole role = PortRole::Exhaust;
    TypedLength height;
    PortShapeInput shape;
};

// The ranges of specific time-area a port group aims at, in s·cm²/cm³, as
// typed. Transfers and boost ports share one: together they scavenge.
enum class TargetGroup { Exhaust, Transfers, Inlet };
inline constexpr int kTargetGroups = 3;
struct StaRange {
    std::string low;
    std::string high;
};
inline constexpr int kStaDigits = 4; // significant digits of every STA shown: "0.0001420"
TargetGroup GroupOf(PortRole role);
const char* GroupName(TargetGroup group); // "Exhaust", "Transfers and boost", "Inlet"

// How the clearance volume is typed: as measured through the plug hole with
// the piston at TDC, or as the head's own volume (filled on a flat plate), to
// which the bore's area times the squish clearance is added.
enum class ClearanceBy { AtTdc, HeadAndSquish };

// How the way back meets its goal: by moving the row's timed edge (a roof, an
// inlet's floor), or by the window's width with its height as it is.
enum class WayBackBy { Edge, Width };

// The rows of a fresh sheet: an exhaust, then transfers.
std::array<PortRowInput, kMaxPorts> FreshRows();

// What the sheet holds; a value made fresh is what a fresh sheet starts with.
struct PortSheetInput {
    LengthUnit unit = LengthUnit::Millimetre; // heights are shown in it
    TypedLength deck;                         // crown below the cylinder top at TDC
    TypedLength pistonLength;                 // crown to skirt edge
    // A base gasket or spacer as a what-if: the cylinder raised by this much
    // (negative lowers it). The crown at TDC lies as much further below the
    // cylinder top; the heights, measured from the top, stay.
    TypedLength raise;
    std::array<PortRowInput, kMaxPorts> rows = FreshRows();
    // The target: which row (0-based), of what, and the degrees as typed.
    int targetRow = 0;
    TimingTarget target = TimingTarget::Opening;
    std::string targetDegrees;
    // Time-area: the bore and the engine speed once, the target ranges, and
    // the row whose roof is to be moved to meet a specific time-area (s·cm²/cm³).
    TypedLength bore;
    std::string rpm;
    // At first the rules of thumb published in two-stroke tuning handbooks,
    // written with a point (the sheet shows them in the locale's style).
    std::array<StaRange, kTargetGroups> targets = {
        {{"0.000140", "0.000150"}, {"0.000080", "0.000100"}, {"0.000140", "0.000160"}}};
    int staRow = 0;
    std::string staTarget;
    WayBackBy wayBackBy = WayBackBy::Edge;
    // Compression: the clearance volume in cm³ as typed, how it was found,
    // the squish clearance and the squish band's inner diameter.
    ClearanceBy clearanceBy = ClearanceBy::AtTdc;
    std::string clearanceVolume;
    TypedLength squish;
    TypedLength squishBand;
};

} // namespace crank
