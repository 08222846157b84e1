#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/engine_snapshot.h"
#include "tables/ang_disp_layout.h"

namespace crank {

// Texts of one cell column of the tables screen, rows 0 to 48.
using CellTexts = std::array<std::string, kRowsPerTable>;

// Everything the tables screen shows after a display, without Qt: which
// tables and columns exist and where they stand, the captions, every cell
// text and the stored numbers behind them. The screen renders it; the printed
// page, copy, CSV and PDF take their texts from it.
struct DisplayView {
    std::int16_t NumTables = 0; // 1 to 3 while tables are shown
    bool OffsetNonZero = false;

    // Table t (1..3; 0 unused) has its headers and cells shown. Its ATDC
    // column exists only with OffsetNonZero.
    std::array<bool, kMaxTables + 1> tableShown{};

    // Displacement header (LabB1..3) caption and width, twips; the angle
    // header keeps its fixed caption.
    std::string dispHeader;
    int dispHeaderWidth = 0;

    // Lefts of the cells and headers, and the ruling lines.
    ColumnLefts lefts;
    RuleLayout rules;

    // The engine the tables belong to; the summary captions are made from it
    // where they are shown (MakeEngineSummary).
    EngineSnapshot engine;

    // Cell texts per table position 1..3 (index 0 unused): Ang1..3,
    // DispB1..3 (BTDC, or the only displacement column), DispA1..3 (ATDC,
    // empty without an offset). Tables past NumTables are empty.
    std::array<CellTexts, kMaxTables + 1> angleTexts{};
    std::array<CellTexts, kMaxTables + 1> dispBTexts{};
    std::array<CellTexts, kMaxTables + 1> dispATexts{};

    // The table data behind the cells (AngleCol, DispBCol, DispACol); the
    // printed page places each angle by its value.
    TableData data{};
};

// The view of the tables after a display: NumTables, the engine and the table
// data as they stand in `state` (CalcGeometry and the column fills must have
// run), with the box texts as typed.
DisplayView BuildDisplayView(const EngineState& state, const EntryTexts& texts);

// The core of the display command once the requests are sorted and spaced:
// CalcGeometry, FillAngleColumns and FillDisplacementColumns on `state`, then
// BuildDisplayView.
DisplayView ComputeDisplay(EngineState& state, const EntryTexts& texts);

} // namespace crank
