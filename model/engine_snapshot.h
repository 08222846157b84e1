#pragma once

#include <string>

#include "model/engine_state.h"

namespace crank {

// The data entry boxes whose texts the engine summary shows as typed.
struct EntryTexts {
    std::string name;
    std::string stroke; // mm
    std::string rod;    // mm
    std::string offset; // mm
};

// The engine of one display, as it stood when the display was made: the box
// texts as typed, the geometry (BdcAngle included) and the quantities that
// CalcGeometry derived from it. Whatever works from the tables on show (the
// summary, the saves, the finder, the port timing sheet) reads this and never
// the data entry boxes or the shared state, which may be edited since.
struct EngineSnapshot {
    EntryTexts typed;
    EngineGeometry geometry;
    CrankModel model;
};

} // namespace crank
