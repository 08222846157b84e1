#include "tables/table_builder.h"

#include <algorithm>
#include <utility>

#include "model/crank_slider.h"

namespace crank {

std::vector<RequestWrite> SortTableRequests(TableSpec& requests)
{
    const int n = TablesToBuild(requests);
    auto& angle = requests.InitAngle;
    std::vector<RequestWrite> writes;
    for (int pass = 1; pass <= n - 1; ++pass) {
        for (int j = 1; j <= n - pass; ++j) {
            if (angle[j] > angle[j + 1]) {
                std::swap(angle[j], angle[j + 1]);
                writes.push_back({j, angle[j]});
                writes.push_back({j + 1, angle[j + 1]});
            }
        }
    }
    for (int j = 1; j <= n - 1; ++j) {
        if (angle[j + 1] - angle[j] < kTableSpan) {
            angle[j + 1] = angle[j] + kTableSpan;
            writes.push_back({j + 1, angle[j + 1]});
        }
    }
    return writes;
}

NumberPattern AngleRowPattern(int row)
{
    return row % 12 == 0 ? NumberPattern::Whole : NumberPattern::UpToTwo;
}

TableColumn BuildAngleColumn(float initAngle)
{
    TableColumn column{};
    column[0] = initAngle;
    for (int block = 0; block < 4; ++block) {
        const float whole = column[12 * block];
        for (int k = 0; k < 12; ++k) {
            column[12 * block + k + 1] = whole + DegreeSubSteps[k];
        }
    }
    return column;
}

int TablesToBuild(const TableSpec& requests)
{
    return std::clamp<int>(requests.NumTables, 0, kMaxTables);
}

void FillAngleColumns(const TableSpec& requests, TableData& data)
{
    const int n = TablesToBuild(requests);
    for (int t = 1; t <= n; ++t) {
        data.AngleCol[t] = BuildAngleColumn(requests.InitAngle[t]);
    }
}

void FillDisplacementColumns(const EngineGeometry& geometry, const CrankModel& model, int numTables,
                             TableData& data)
{
    const int n = std::clamp(numTables, 0, kMaxTables);
    for (int t = 1; t <= n; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            // The model is handed copies, never the stored angle.
            const float angle = data.AngleCol[t][r];
            if (geometry.OffsetNonZero) {
                data.DispACol[t][r] = CalcDisplacement(geometry, model, angle);
                const float before = 360.0f - angle;
                data.DispBCol[t][r] = CalcDisplacement(geometry, model, before);
            } else {
                data.DispBCol[t][r] = CalcDisplacement(geometry, model, angle);
            }
        }
    }
}

std::vector<SummaryLine> EngineSummaryLines(const EngineSnapshot& engine)
{
    std::vector<SummaryLine> lines = {
        {"Engine:", engine.typed.name},
        {"Stroke (mm):", engine.typed.stroke},
        {"Connecting Rod Length (mm):", engine.typed.rod},
        {"Gudgeon Pin Offset (mm):", engine.typed.offset},
    };
    if (engine.geometry.OffsetNonZero) {
        lines.push_back({"Crank Angle at BDC (degrees ATDC):",
                         FormatNumber(engine.geometry.BdcAngle, NumberPattern::Two)});
    }
    return lines;
}

EngineSummary MakeEngineSummary(const EngineSnapshot& engine)
{
    const std::vector<SummaryLine> lines = EngineSummaryLines(engine);
    const auto caption = [&lines](std::size_t i) { return lines[i].label + " " + lines[i].value; };
    EngineSummary summary;
    // The frame's title stands clear of its border.
    summary.engine = " " + caption(0) + " ";
    summary.stroke = caption(1);
    summary.rod = caption(2);
    summary.offset = caption(3);
    summary.showBdc = lines.size() > 4;
    if (summary.showBdc) {
        summary.bdc = caption(4);
        summary.frameTop = 160;
        summary.frameHeight = 1680;
    } else {
        summary.frameTop = 300;
        summary.frameHeight = 1280;
    }
    return summary;
}

} // namespace crank
