#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/engine_state.h"

namespace crank {

// Texts of one cell column of the tables screen, rows 0 to 48.
using CellTexts = std::array<std::string, kRowsPerTable>;

// What the printed page (and any export) needs from the tables screen: the
// texts exactly as shown there, read back from its controls, and the stored
// numbers that choose where each printed text stands.
struct PageContent {
    std::int16_t NumTables = 0; // 1 to 3 while tables are shown
    bool OffsetNonZero = false;

    // Engine summary captions: Frame1, StkLab, CrlLab, OffLab, BDCAngLab.
    std::string engineCaption;
    std::string strokeCaption;
    std::string rodCaption;
    std::string offsetCaption;
    std::string bdcCaption;

    // Cell texts per table position 1..3 (index 0 unused): Ang1..3,
    // DispB1..3 (BTDC, or the only displacement column), DispA1..3 (ATDC).
    std::array<CellTexts, kMaxTables + 1> angleTexts{};
    std::array<CellTexts, kMaxTables + 1> dispBTexts{};
    std::array<CellTexts, kMaxTables + 1> dispATexts{};

    // The table data behind the cells (AngleCol, DispBCol, DispACol).
    TableData data{};
};

} // namespace crank
