#pragma once

#include "model/engine_snapshot.h"

namespace crank {

// Port timing: from the drop of a port edge to the crank angles at which the
// piston passes it, and back from a wanted opening angle or duration to the
// drop. A drop is the piston's travel from TDC, in mm, at which it passes the
// edge. Every function works on the engine's single-precision model, as the
// tables do, and needs CalcGeometry to have run for it (a snapshot of a
// display has).

inline constexpr int kMaxPorts = 8;

enum class PortKind {
    // Exhaust, transfers, boost: the crown uncovers the edge on the way down,
    // so the port opens ATDC and closes BTDC.
    CrownOpened,
    // Piston-port inlet: the skirt uncovers it on the way up, so the port is
    // open around TDC, opening BTDC and closing ATDC.
    SkirtOpened,
};

// Where the piston passes an edge. The port is measured down from the
// cylinder top: a crown-opened port to its upper edge, a skirt-opened port to
// its lower edge. The crown lies deck below the cylinder top at TDC (negative
// when it stands proud) and the skirt edge pistonLength below the crown, so
// the crown passes an upper edge at height - deck, and the skirt passes a
// lower edge at height - deck - pistonLength. All in mm.
float EdgeDrop(PortKind kind, float height, float deck, float pistonLength);

enum class TimingStatus {
    Timed,
    NoGeometry,   // the engine's model was never set up
    AboveTdc,     // the drop is below 0: the piston never reaches the edge's far side
    BeyondStroke, // the drop is beyond the stroke
};

struct PortTiming {
    TimingStatus status = TimingStatus::NoGeometry;
    // Degrees. Crown-opened: opens ATDC, closes BTDC. Skirt-opened: opens
    // BTDC, closes ATDC.
    float opens = 0.0f;
    float closes = 0.0f;
    float duration = 0.0f; // degrees open per revolution
};

// The timing of a port whose edge the piston passes dropMm below TDC. A drop
// of 0 times the port at TDC, a drop of the stroke at BDC.
PortTiming TimePort(const EngineSnapshot& engine, PortKind kind, float dropMm);

enum class TimingTarget {
    Opening,  // degrees ATDC for a crown-opened port, BTDC for a skirt-opened one
    Duration, // degrees open
};

enum class SearchStatus {
    Found,
    NoGeometry,
    NoRoom,     // the lowest drop allowed lies beyond the stroke
    OutOfReach, // no drop from the lowest allowed to the stroke gives the target
};

struct PortDrop {
    SearchStatus status = SearchStatus::NoGeometry;
    float drop = 0.0f; // mm, when found
    // What drops from the lowest allowed to the stroke can give, least first:
    // degrees of opening angle or of duration.
    float least = 0.0f;
    float most = 0.0f;
};

// The drop at which a port of this kind meets the target, no less than
// lowestDrop (at least 0: the edge cannot lie above the cylinder top).
PortDrop FindPortDrop(const EngineSnapshot& engine, PortKind kind, TimingTarget target,
                      float degrees, float lowestDrop);

} // namespace crank
