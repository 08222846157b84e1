#pragma once

#include "model/engine_state.h"

namespace crank {

// Outcome of a drop-to-angle lookup.
enum class DropLookupStatus {
    Found,
    NotANumber, // the drop is NaN or infinite
    OutOfRange, // the drop lies outside 0..Stroke
    NoGeometry, // CalcGeometry has not run for a usable geometry
};

// The two crank positions at which the piston stands a given distance below TDC.
struct DropAngles {
    DropLookupStatus status = DropLookupStatus::NoGeometry;
    // Degrees after TDC, on the stroke from TDC (0) down to BdcAngle.
    float atdc = 0.0f;
    // Degrees before TDC (360 - crank angle), on the stroke from BdcAngle back
    // up to TDC (360).
    float btdc = 0.0f;
};

// Finds the crank angles at which CalcDisplacement gives dropMm (mm below
// TDC), by bisection on the single-precision model to about 0.0001 degree.
// A drop of 0 gives TDC on both sides (0 ATDC, 0 BTDC); a drop equal to the
// stroke gives BDC (BdcAngle ATDC, 360 - BdcAngle BTDC). Anything outside
// 0..Stroke, or not a number, gives an error status and no angles.
// CalcGeometry must have run for the current geometry.
DropAngles FindCrankAngles(const EngineGeometry& geometry, const CrankModel& model, float dropMm);

} // namespace crank
