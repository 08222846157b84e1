#pragma once

#include <functional>
#include <vector>

#include "model/engine_snapshot.h"
#include "ports/port_timing.h"

namespace crank {

// Port windows and their open area against crank angle. Lengths in mm,
// areas in mm², angles in degrees after TDC.

// One window in the cylinder wall, seen square on: a rectangle whose four
// corners are rounded, the top two by topRadius and the bottom two by
// bottomRadius. The corners are quarter circles, so that the area is exact.
struct WindowShape {
    double width = 0.0;  // the chord across the bore
    double height = 0.0; // from its top edge to its floor
    double topRadius = 0.0;
    double bottomRadius = 0.0;
};

// The chord across a bore of an arc measured along its wall: D·sin(s/D).
double ChordOfArc(double arc, double bore);

// The area of a window uncovered from its top edge down to depth (held
// within 0 and its height).
double UncoveredArea(const WindowShape& window, double depth);

// The whole window: W·H less the corners, (1 - π/4)·r² each.
double WindowArea(const WindowShape& window);

// A port as the piston uncovers it: `windows` equal windows whose timed edge
// the piston passes `drop` below TDC. A crown-opened port's timed edge is the
// window's top edge, and the crown uncovers it from the top down; a
// skirt-opened port's is its floor, and the skirt uncovers it from there up.
struct PortOpening {
    PortKind kind = PortKind::CrownOpened;
    double drop = 0.0;
    WindowShape window;
    int windows = 1;
};

// The open area of the port at a crank angle (any angle: the crank turns on)
// with the piston's drop worked out in double precision, and with the piston
// x mm below TDC.
double OpenAreaAt(const EngineSnapshot& engine, const PortOpening& port, double crankAngle);
double OpenAreaAtDisplacement(const PortOpening& port, double x);

// The integral of f over [from, to] where f is smooth inside but may grow as
// the 3/2 power of the distance from either end, as the open area does
// where a rounded corner or the floor is reached: by Gauss-Legendre after a
// change of variable that flattens both ends, in parts of at most `step`.
inline constexpr double kAreaStep = 10.0; // degrees
double IntegratePiece(const std::function<double(double)>& f, double from, double to,
                      double step = kAreaStep);

// The crank angles within (from, to) (unwrapped: to may run past 360 into the
// next turn) at which the port's open area changes its formula: where the
// piston passes the end of the corners at the timed edge, the start of the
// corners at the far edge and the far edge itself, on either stroke, and the
// dead centres; then from and to themselves, all in order.
std::vector<double> ShapeChanges(const EngineSnapshot& engine, const PortOpening& port, double from,
                                 double to);

// The open area integrated over crank angle from `from` to `to` degrees, in
// mm²·deg: piece by piece between the shape's changes, so that every figure
// shown is the exact one rounded.
double AngleArea(const EngineSnapshot& engine, const PortOpening& port, double from, double to,
                 double step = kAreaStep);

// The crank angles, unwrapped, over which a timed port is open: a
// crown-opened port from its opening ATDC to its closing BTDC, a
// skirt-opened one from its opening BTDC through TDC to its closing ATDC
// (so `to` lies past 360).
struct OpenSpan {
    double from = 0.0;
    double to = 0.0;
};
OpenSpan OpenSpanOf(PortKind kind, const PortTiming& timing);

// At n rpm a degree lasts 1/(6n) s: the time-area in mm²·s.
double TimeAreaOf(double angleArea, double rpm);
// Time-area over the swept volume: s·mm²/cm³ (a hundred times s·cm²/cm³).
double StaOf(double timeArea, double sweptCc);
// π/4·D²·S in cm³ from mm.
double SweptVolume(double bore, double stroke);

} // namespace crank
