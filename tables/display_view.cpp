#include "tables/display_view.h"

#include "model/crank_slider.h"
#include "model/number_format.h"
#include "tables/table_builder.h"

namespace crank {
namespace {

// Displacement headers: with an offset the caption wraps after "(mm)" so that
// BTDC and ATDC stand over their columns.
constexpr const char* kOffsetHeader = "Displacement (mm) BTDC       ATDC  ";
constexpr const char* kPlainHeader = "Displacement (mm)";
constexpr int kOffsetHeaderWidth = 1760; // twips
constexpr int kPlainHeaderWidth = 1000;  // twips

} // namespace

DisplayView BuildDisplayView(const EngineState& state, const EntryTexts& texts)
{
    DisplayView view;
    const int n = TablesToBuild(state.tables);
    const bool offset = state.geometry.OffsetNonZero;
    view.NumTables = state.tables.NumTables;
    view.OffsetNonZero = offset;
    for (int t = 1; t <= kMaxTables; ++t) {
        // The first table's headers stay even when no table is built.
        view.tableShown[t] = t == 1 || t <= n;
    }
    view.dispHeader = offset ? kOffsetHeader : kPlainHeader;
    view.dispHeaderWidth = offset ? kOffsetHeaderWidth : kPlainHeaderWidth;
    view.lefts = CellLayout(n, offset);
    view.rules = RulesFor(n);

    view.engine = {texts, state.geometry, state.model};

    const TableData& data = state.data;
    for (int t = 1; t <= n; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            view.angleTexts[t][r] = FormatNumber(data.AngleCol[t][r], AngleRowPattern(r));
            view.dispBTexts[t][r] = FormatNumber(data.DispBCol[t][r], NumberPattern::Two);
            if (offset) {
                view.dispATexts[t][r] = FormatNumber(data.DispACol[t][r], NumberPattern::Two);
            }
        }
    }
    view.data = data;
    return view;
}

DisplayView ComputeDisplay(EngineState& state, const EntryTexts& texts)
{
    CalcGeometry(state.geometry, state.model);
    FillAngleColumns(state.tables, state.data);
    FillDisplacementColumns(state.geometry, state.model, TablesToBuild(state.tables), state.data);
    return BuildDisplayView(state, texts);
}

} // namespace crank
