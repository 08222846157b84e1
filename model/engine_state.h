#pragma once

#include <array>
#include <cstdint>

namespace crank {

// The engine as entered on the data entry screen. The engine name is not kept
// here: whoever needs it reads the name box.
struct EngineGeometry {
    float Stroke = 0.0f;    // mm, piston travel between the dead centres
    float RodLength = 0.0f; // mm, centre to centre
    float PinOffset = 0.0f; // mm, signed: positive in the direction of rotation
    // PinOffset != 0, refreshed only when every needed box is filled.
    bool OffsetNonZero = false;
    // Crank angle at Bottom Dead Centre, degrees after TDC.
    float BdcAngle = 0.0f;
};

// The table requests.
struct TableSpec {
    // Number of tables requested: 0 (none yet or invalid), 1, 2 or 3.
    std::int16_t NumTables = 0;
    // Initial crank angle of table k (degrees ATDC) at index k = 1..3; index 0
    // is unused. -1 after a reset or a rejected entry.
    std::array<float, 4> InitAngle{};
};

// Quantities that the displacement model derives from the geometry. They
// belong to the data entry screen object; CalcGeometry writes them and
// CalcDisplacement reads them.
struct CrankModel {
    float Pi = 0.0f;          // rad
    float RadToDeg = 0.0f;    // deg/rad
    float DegToRad = 0.0f;    // rad/deg
    float CrankRadius = 0.0f; // mm, crank throw r
    // Offset case only: coefficients of the pin height quadratic
    // y^2 + b y + c = 0 with b = CosCoef cos t, c = SinCoef sin t + ConstCoef.
    float CosCoef = 0.0f;   // mm, -2 r
    float ConstCoef = 0.0f; // mm^2, e^2 + r^2 - L^2
    float SinCoef = 0.0f;   // mm^2, -2 r e
    float TdcHeight = 0.0f; // mm, pin height above the crank axis at TDC
    float TdcTilt = 0.0f;   // rad, tilt of the crank from the cylinder axis at TDC
    // PinOffset >= 0. A negative offset is handled by mirroring the angle.
    bool OffsetWithRotation = false;
};

inline constexpr int kRowsPerTable = 49;
inline constexpr int kMaxTables = 3;

// One table's column: rows 0 to 48.
using TableColumn = std::array<float, kRowsPerTable>;

// The built tables, kept for the whole run. Index 1..3 is the table position;
// index 0 is unused. Only tables 1..NumTables are written by a display, and
// DispACol only with a non-zero offset: everything else keeps older values.
struct TableData {
    std::array<TableColumn, kMaxTables + 1> AngleCol{};
    std::array<TableColumn, kMaxTables + 1> DispBCol{}; // BTDC, or the only column
    std::array<TableColumn, kMaxTables + 1> DispACol{}; // ATDC (offset only)
};

// All state that the screens share for the run of the program. One instance,
// owned by the application and passed by reference; every item starts at 0.
struct EngineState {
    EngineGeometry geometry;
    TableSpec tables;
    CrankModel model;
    TableData data;
    // 0 when the last validation passed, 1 when a check failed.
    std::int16_t ValidationError = 0;
    // The table-request frame has been revealed during this visit of the
    // data entry screen.
    bool GeomFramShown = false;
    // NumTables > 0 and every needed box holds text.
    bool InputsComplete = false;
};

} // namespace crank
