#pragma once

// Test support: a tables screen's view made by hand, for the page and the
// exports. Every cell text names its place ("a2.17": angle column of table 2,
// row 17; "b" the BTDC-or-only column, "c" the ATDC column), so that a text
// in the wrong place shows.

#include <string>

#include "tables/display_view.h"

namespace crank::testing {

// Table 1 starts at 8 degrees (reaches 10 in row 24), table 2 at 96 (100 in
// row 48), table 3 at 150. The BTDC-or-only column holds r / 4 mm and the
// ATDC column 20 - r / 4 mm in row r, so both reach 10 in row 40.
inline DisplayView sampleView(int tables, bool offset)
{
    DisplayView view;
    view.NumTables = static_cast<std::int16_t>(tables);
    view.OffsetNonZero = offset;
    view.engine.typed = {"Test", "46", "100", offset ? "-0.5" : "0"};
    view.engine.geometry.OffsetNonZero = offset;
    view.engine.geometry.BdcAngle = 179.86f;
    const float starts[] = {0.0f, 8.0f, 96.0f, 150.0f};
    for (int t = 1; t <= tables; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            const std::string place = std::to_string(t) + "." + std::to_string(r);
            view.angleTexts[t][r] = "a" + place;
            view.dispBTexts[t][r] = "b" + place;
            view.dispATexts[t][r] = offset ? "c" + place : "";
            view.data.AngleCol[t][r] = starts[t] + static_cast<float>(r) / 12.0f;
            view.data.DispBCol[t][r] = static_cast<float>(r) / 4.0f;
            view.data.DispACol[t][r] = offset ? 20.0f - static_cast<float>(r) / 4.0f : 0.0f;
        }
    }
    return view;
}

} // namespace crank::testing
