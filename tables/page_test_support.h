#pragma once

// The content of a tables screen built as a display builds it (stroke 46 mm, rod 100 mm, engine
// "Test") through the real model, table builder and formats.

#include <string>
#include <tuple>
#include <vector>

#include "model/engine_test_support.h"
#include "tables/display_view.h"
#include "tables/table_builder.h"

namespace crank::testing {

struct PageRequest {
    float offset = 0.0f;                                         // mm
    int tables = 1;                                              // 1 to 3
    std::array<float, kMaxTables + 1> initAngle{0, 77, 90, 120}; // degrees, index 1..3
};

inline DisplayView buildPageContent(const PageRequest& q)
{
    const Engine e(46.0f, 100.0f, q.offset);
    const EngineSummary s = MakeEngineSummary(
        "Test", "46", "100", FormatNumber(q.offset, NumberPattern::UpToTwo), e.geometry);
    DisplayView page;
    std::tie(page.NumTables, page.OffsetNonZero, page.engineCaption, page.strokeCaption,
             page.rodCaption, page.offsetCaption, page.bdcCaption) =
        std::tuple(std::int16_t(q.tables), e.geometry.OffsetNonZero, s.engine, s.stroke, s.rod,
                   s.offset, s.bdc);
    FillAngleColumns({.NumTables = page.NumTables, .InitAngle = q.initAngle}, page.data);
    FillDisplacementColumns(e.geometry, e.model, q.tables, page.data);
    const auto two = [](float v) { return FormatNumber(v, NumberPattern::Two); };
    for (int t = 1; t <= q.tables; ++t)
        for (int r = 0; r < kRowsPerTable; ++r) {
            page.angleTexts[t][r] = FormatNumber(page.data.AngleCol[t][r], AngleRowPattern(r));
            page.dispBTexts[t][r] = two(page.data.DispBCol[t][r]);
            page.dispATexts[t][r] = page.OffsetNonZero ? two(page.data.DispACol[t][r]) : "";
        }
    return page;
}

} // namespace crank::testing
