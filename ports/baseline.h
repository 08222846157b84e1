#pragma once

#include <optional>
#include <string>

#include "model/engine_snapshot.h"
#include "ports/sheet_input.h"

namespace crank {

// Where a baseline came from: an engine file, named with the day it was
// saved, or the sheet itself, with the time it was kept.
struct BaselineSource {
    std::string file; // "kart-a.crank"; empty when kept from the sheet
    std::string when; // "2026-12-01" for a file, "14:32" when kept
};

// The state a planned change is compared with: the engine it was made on as
// typed (a file's may be another engine, and is timed on its own geometry),
// what the sheet held then, and where it came from.
struct Baseline {
    EntryTexts engine;
    PortSheetInput input;
    BaselineSource source;
};

// "before: kart-a.crank, saved 2026-12-01", or "before: kept 14:32".
std::string BaselineLabel(const BaselineSource& source);

// "Kart (stroke 46 mm, rod 100 mm, offset 0.5 mm)", or "an unnamed engine
// (...)": an engine as typed, in a sentence.
std::string EngineText(const EntryTexts& typed);

// The engine of typed texts, read as the data entry screen reads its boxes
// and set up as a display sets it up; or, when they give none, the check
// that fails ("Stroke too large").
struct TypedEngine {
    std::optional<EngineSnapshot> engine;
    std::string problem;
};
TypedEngine EngineOfTexts(const EntryTexts& typed);

} // namespace crank
