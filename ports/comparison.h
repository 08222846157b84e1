#pragma once

#include <array>
#include <string>
#include <vector>

#include "ports/baseline.h"
#include "ports/port_sheet.h"
#include "ports/sheet_texts.h"

namespace crank {

// Before and after: the sheet beside a baseline worked out on the baseline's
// own engine. Rows compare by their place on the sheet, where a row is
// opened by the same edge (crown or skirt) in both.

// Fills sheet.compare and the plot's baseline curves and marks; engine is
// the sheet's.
void CompareWith(const EngineSnapshot& engine, const Baseline& before, PortSheetView& sheet);

// A figure's cells: now, before and the change (signed), each empty where
// that side has none.
std::array<std::string, 3> ComparedCells(const Compared& value, int digits, bool significant,
                                         const SheetTexts& texts);
// "Exhaust STA (s·cm²/cm³): 0.0001450 now, 0.0001400 before, change +0.000005000."
std::string ComparedLine(const ComparedFigure& figure, const SheetTexts& texts);

// The comparison's part of the copy: where the baseline came from, each
// row's angles and every figure, now, before and the change.
std::vector<Record> ComparisonRecords(const PortSheetView& sheet);

} // namespace crank
