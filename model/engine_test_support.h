#pragma once

// A geometry set up as the display sets it up, for tests of the model.

#include "model/crank_slider.h"

namespace crank {

struct Engine {
    EngineGeometry geometry;
    CrankModel model;

    Engine(float stroke, float rod, float offset) : geometry{stroke, rod, offset, offset != 0.0f}
    {
        CalcGeometry(geometry, model);
    }
    // Displacement (mm) at an angle after TDC, and at an angle before TDC.
    float at(float angle) const { return CalcDisplacement(geometry, model, angle); }
    float atBtdc(float btdc) const { return at(static_cast<float>(360.0 - double{btdc})); }
};

} // namespace crank
