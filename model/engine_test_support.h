#pragma once

// Test support: a geometry set up as the display sets it up, and the same
// mechanism worked out independently in double precision.

#include <cmath>
#include <numbers>

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

// The crank turned p radians from the cylinder axis puts the crankpin at
// (r sin p, r cos p); the pin runs on the line x = e (signed, mm) at rod
// length L from it. The crank radius is bisected until the pin's travel
// between the dead centres (crank pointing at the pin, then away from it)
// equals the stroke.
class ReferenceEngine {
public:
    ReferenceEngine(double stroke, double rod, double offset) : m_rod(rod), m_offset(offset)
    {
        double lo = stroke / 4.0;
        double hi = stroke / 2.0;
        for (int i = 0; i < 100; ++i) {
            m_radius = (lo + hi) / 2.0;
            if (travel() < stroke) {
                lo = m_radius;
            } else {
                hi = m_radius;
            }
        }
        m_tdc = std::asin(m_offset / (m_rod + m_radius));
    }

    // mm below TDC at `degrees` after TDC.
    double displacement(double degrees) const
    {
        return height(m_tdc) - height(m_tdc + degrees * std::numbers::pi / 180.0);
    }

    // Degrees after TDC at which the crank points away from the pin.
    double bdcAngle() const
    {
        const double bdc = std::numbers::pi + std::asin(m_offset / (m_rod - m_radius));
        return (bdc - m_tdc) * 180.0 / std::numbers::pi;
    }

private:
    double travel() const
    {
        const double e2 = m_offset * m_offset;
        return std::sqrt((m_rod + m_radius) * (m_rod + m_radius) - e2) -
               std::sqrt((m_rod - m_radius) * (m_rod - m_radius) - e2);
    }
    double height(double p) const
    {
        const double dx = m_offset - m_radius * std::sin(p);
        return m_radius * std::cos(p) + std::sqrt(m_rod * m_rod - dx * dx);
    }

    double m_rod;
    double m_offset;
    double m_radius = 0.0;
    double m_tdc = 0.0;
};

} // namespace crank
