#pragma once

// Test support: a geometry set up as the display sets it up, and the same
// mechanism worked out independently in double precision.

#include <cmath>
#include <numbers>

#include "model/crank_slider.h"
#include "model/engine_snapshot.h"

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
    // This engine on display, typed as given.
    EngineSnapshot shown(EntryTexts typed = {}) const
    {
        return {std::move(typed), geometry, model};
    }
};

// The crank turned p radians from the cylinder axis puts the crankpin at
// (r sin p, r cos p); the pin runs on the line x = e (signed, mm) at rod
// length L from it. The crank radius r is bisected until the pin's travel
// between the dead centres (crank towards the pin, then away from it) is the
// stroke; TDC lies at asin(e / (L + r)).
struct ReferenceEngine {
    double L;
    double e;
    double r = 0.0;

    ReferenceEngine(double stroke, double rod, double offset) : L(rod), e(offset)
    {
        double lo = stroke / 4.0;
        double hi = stroke / 2.0;
        for (int i = 0; i < 100; ++i) {
            r = (lo + hi) / 2.0;
            const double travel =
                std::sqrt((L + r) * (L + r) - e * e) - std::sqrt((L - r) * (L - r) - e * e);
            if (travel < stroke) {
                lo = r;
            } else {
                hi = r;
            }
        }
    }
    double height(double p) const
    {
        return r * std::cos(p) + std::sqrt(L * L - (e - r * std::sin(p)) * (e - r * std::sin(p)));
    }
    // mm below TDC at `degrees` after TDC.
    double displacement(double degrees) const
    {
        const double tdc = std::asin(e / (L + r));
        return height(tdc) - height(tdc + degrees * std::numbers::pi / 180.0);
    }
};

} // namespace crank
