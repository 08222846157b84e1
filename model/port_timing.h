#pragma once

#include <string>
#include <vector>

#include "model/engine_state.h"

namespace crank {

// Port timing: from the height of a port edge to the crank angles at which
// the piston opens and closes it, and back from a wanted angle or duration to
// the height. Heights are measured down from the cylinder top; the deck is
// the crown's distance below the cylinder top at TDC (negative when the
// crown stands proud), and a port's drop, the piston travel from TDC to the
// edge, is its height less the deck. Every function works on the
// single-precision model and needs CalcGeometry to have run.

inline constexpr int kMaxPorts = 8;
inline constexpr double kMillimetresPerInch = 25.4;

enum class LengthUnit { Millimetre, Inch };

enum class PortKind {
    // Exhaust, transfers, boost: the crown uncovers the edge on the way down,
    // so the port opens ATDC and closes BTDC.
    CrownOpened,
    // Piston-port inlet: the skirt uncovers it on the way up, so the port is
    // open around TDC, opening BTDC and closing ATDC. Its height is the one
    // at which the skirt edge meets the port edge.
    SkirtOpened,
};

// A length typed in unit, in mm; and a length in mm, in unit.
float ToMillimetres(float value, LengthUnit unit);
float FromMillimetres(float mm, LengthUnit unit);
// "mm" or "in".
const char* UnitName(LengthUnit unit);

struct PortTiming {
    bool ok = false;
    std::string message; // why there is no timing, in plain words; empty when ok
    float drop = 0.0f;   // in the unit of the heights
    // Degrees. Crown-opened: opens ATDC, closes BTDC. Skirt-opened: opens
    // BTDC, closes ATDC.
    float opens = 0.0f;
    float closes = 0.0f;
    float duration = 0.0f; // degrees open per revolution
};

// The timing of a port whose edge lies height below the cylinder top, with
// the crown deck below it at TDC (both in unit). A drop below 0 or beyond
// the stroke gives a message and no angles.
PortTiming TimePort(const EngineGeometry& geometry, const CrankModel& model, PortKind kind,
                    float height, float deck, LengthUnit unit);

enum class TimingTarget {
    Opening,  // degrees ATDC for a crown-opened port, BTDC for a skirt-opened one
    Duration, // degrees open
};

struct PortHeight {
    bool ok = false;
    std::string message; // why no height reaches the target; empty when ok
    float height = 0.0f; // in unit, from the cylinder top
};

// The height at which a port of this kind meets the target, or a message
// giving the range that heights from the cylinder top down to BDC can reach.
PortHeight FindPortHeight(const EngineGeometry& geometry, const CrankModel& model, PortKind kind,
                          TimingTarget target, float degrees, float deck, LengthUnit unit);

// One line on how opening and closing relate on this engine: symmetric about
// TDC with no offset, otherwise which side comes later and where BDC lies.
std::string AsymmetryNote(const EngineGeometry& geometry);

// An angle to 0.1 degree ("98.2"); a length to 0.01 mm or 0.001 inch.
std::string FormatAngle(float degrees);
std::string FormatLength(float value, LengthUnit unit);

// The column captions of the sheet and of its copied and printed rows.
std::vector<std::string> PortSheetHeader(LengthUnit unit);
// One port's row under those captions: name, kind, height, then the opening,
// closing and duration texts ("98.2 ATDC"), or the message in place of them.
std::vector<std::string> PortRowCells(const std::string& name, PortKind kind, float height,
                                      LengthUnit unit, const PortTiming& timing);

} // namespace crank
