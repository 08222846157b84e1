#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/engine_snapshot.h"
#include "model/engine_state.h"
#include "model/number_format.h"

namespace crank {

// Increments (degrees) that divide one degree into table rows: the first
// eleven give the rows inside a degree, the twelfth the next whole degree.
inline constexpr std::array<float, 12> DegreeSubSteps{0.1f, 0.2f, 0.25f, 0.3f, 0.4f, 0.5f,
                                                      0.6f, 0.7f, 0.75f, 0.8f, 0.9f, 1.0f};

// Least distance (degrees) between the initial angles of neighbouring tables,
// so that a table starts no earlier than the last row of the one before.
inline constexpr float kTableSpan = 4.0f;

// Highest initial angle a user may type (degrees ATDC).
inline constexpr float kMaxTypedAngle = 176.0f;
// Highest initial angle the spacing can produce: 176 raised twice by 4 degrees.
inline constexpr float kMaxSpacedAngle = kMaxTypedAngle + 2.0f * kTableSpan;

// One write-back of SortTableRequests: the whole number of degrees that the
// angle box of table `table` (1..3) must show afterwards.
struct RequestWrite {
    int table;
    float angle;
    friend bool operator==(const RequestWrite&, const RequestWrite&) = default;
};

// Puts InitAngle(1..NumTables) into ascending order (bubble sort, equal
// values never swapped) and then spaces them at least kTableSpan apart,
// raising each later request as needed; a raise carries on to the next table.
// Returns every box write in the order it must happen: both boxes of a swap,
// then each raised request. A raised request may exceed kMaxTypedAngle.
std::vector<RequestWrite> SortTableRequests(TableSpec& requests);

// The number text of angle row `row` (0..48): whole degrees "##0", the rows
// inside a degree "##0.##".
NumberPattern AngleRowPattern(int row);

// The 49 crank angles (degrees) of a table from initAngle to initAngle + 4.
// Each whole-degree row is the previous whole-degree row + 1.0, each row
// inside a degree is its block's whole-degree row + its increment, every sum
// rounded to float.
TableColumn BuildAngleColumn(float initAngle);

// The number of tables a display builds: NumTables limited to 0..3.
int TablesToBuild(const TableSpec& requests);

// AngleCol of tables 1..NumTables from their InitAngle. Other tables keep
// their earlier data.
void FillAngleColumns(const TableSpec& requests, TableData& data);

// Displacements (mm) of every row of tables 1..numTables. Zero offset:
// DispBCol only. Offset: DispACol at the row's angle after TDC, then DispBCol
// at 360 - angle (before TDC). CalcGeometry must have run for the geometry.
void FillDisplacementColumns(const EngineGeometry& geometry, const CrankModel& model, int numTables,
                             TableData& data);

// One line of the engine summary: its label and the value beside it.
struct SummaryLine {
    std::string label; // "Stroke (mm):"
    std::string value; // the box text as typed, or the BDC angle to two decimals
};

// The engine summary as label and value: engine name, stroke, rod length and
// offset as typed, then, with an offset, the crank angle at BDC.
std::vector<SummaryLine> EngineSummaryLines(const EngineSnapshot& engine);

// Captions and frame placement of the engine summary on the tables screen.
struct EngineSummary {
    std::string engine; // Frame1
    std::string stroke; // StkLab
    std::string rod;    // CrlLab
    std::string offset; // OffLab
    bool showBdc;       // BDCLine_0/1 and BDCAngLab shown
    std::string bdc;    // BDCAngLab; empty when not shown (its caption stays)
    int frameTop;       // twips
    int frameHeight;    // twips
};

// The box texts are shown as typed, not reformatted.
EngineSummary MakeEngineSummary(const EngineSnapshot& engine);

} // namespace crank
