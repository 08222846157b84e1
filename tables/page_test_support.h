#pragma once

// Test support: the content of a tables screen built the way a display
// builds it, through the real model and number formats.

#include <array>
#include <string>

#include "model/crank_slider.h"
#include "tables/number_format.h"
#include "tables/page_content.h"

namespace crank::testing {

struct PageRequest {
    float stroke = 46.0f;                                        // mm
    float rod = 100.0f;                                          // mm
    float offset = 0.0f;                                         // mm
    int tables = 1;                                              // 1 to 3
    std::array<float, kMaxTables + 1> initAngle{0, 77, 90, 120}; // degrees, index 1..3
    std::string engineName = "Test";
};

inline PageContent buildPageContent(const PageRequest& request)
{
    static constexpr std::array<float, 12> kSubSteps{0.1f, 0.2f, 0.25f, 0.3f, 0.4f, 0.5f,
                                                     0.6f, 0.7f, 0.75f, 0.8f, 0.9f, 1.0f};
    EngineGeometry geometry;
    geometry.Stroke = request.stroke;
    geometry.RodLength = request.rod;
    geometry.PinOffset = request.offset;
    geometry.OffsetNonZero = request.offset != 0.0f;
    CrankModel model;
    CalcGeometry(geometry, model);

    PageContent page;
    page.NumTables = static_cast<std::int16_t>(request.tables);
    page.OffsetNonZero = geometry.OffsetNonZero;
    page.engineCaption = " Engine: " + request.engineName + " ";
    page.strokeCaption = "Stroke (mm): " + FormatNumber(request.stroke, NumberPattern::UpToTwo);
    page.rodCaption =
        "Connecting Rod Length (mm): " + FormatNumber(request.rod, NumberPattern::UpToTwo);
    page.offsetCaption =
        "Gudgeon Pin Offset (mm): " + FormatNumber(request.offset, NumberPattern::UpToTwo);
    page.bdcCaption =
        "Crank Angle at BDC (degrees ATDC): " + FormatNumber(geometry.BdcAngle, NumberPattern::Two);

    for (int t = 1; t <= request.tables; ++t) {
        auto& angles = page.data.AngleCol[t];
        angles[0] = request.initAngle[t];
        page.angleTexts[t][0] = FormatNumber(angles[0], NumberPattern::Whole);
        for (int b = 0; b < 4; ++b) {
            const float whole = angles[12 * b];
            for (int k = 1; k <= 12; ++k) {
                const int r = 12 * b + k;
                angles[r] = whole + kSubSteps[k - 1];
                page.angleTexts[t][r] = FormatNumber(angles[r], k == 12 ? NumberPattern::Whole
                                                                        : NumberPattern::UpToTwo);
            }
        }
        for (int r = 0; r < kRowsPerTable; ++r) {
            const float angle = angles[r];
            if (geometry.OffsetNonZero) {
                page.data.DispACol[t][r] = CalcDisplacement(geometry, model, angle);
                page.data.DispBCol[t][r] = CalcDisplacement(geometry, model, 360.0f - angle);
                page.dispATexts[t][r] = FormatNumber(page.data.DispACol[t][r], NumberPattern::Two);
            } else {
                page.data.DispBCol[t][r] = CalcDisplacement(geometry, model, angle);
            }
            page.dispBTexts[t][r] = FormatNumber(page.data.DispBCol[t][r], NumberPattern::Two);
        }
    }
    return page;
}

} // namespace crank::testing
