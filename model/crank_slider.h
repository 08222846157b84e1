#pragma once

#include "model/engine_state.h"

namespace crank {

// Derives the crank radius, the displacement coefficients and BdcAngle from
// Stroke, RodLength, PinOffset and OffsetNonZero. With an offset the crank
// radius is solved so that the piston travel between the two dead centres
// equals the entered stroke exactly. Writes geometry.BdcAngle (degrees ATDC)
// and the members of model. The geometry must have passed validation.
void CalcGeometry(EngineGeometry& geometry, CrankModel& model);

// Piston displacement below TDC in mm at crankAngle degrees after TDC
// (0 to 360; X degrees before TDC is passed as 360 - X). Exactly 0 within
// 0.005 degree of TDC and outside 0..360; exactly Stroke within 0.005 degree
// of BdcAngle. CalcGeometry must have run for the current geometry.
float CalcDisplacement(const EngineGeometry& geometry, const CrankModel& model, float crankAngle);

} // namespace crank
