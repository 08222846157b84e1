#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "model/engine_snapshot.h"
#include "ports/port_sheet.h"

namespace crank {

// A port sheet's whole setup as a file: the engine it was made for (its name
// and geometry as typed) and everything typed on the sheet. The file is a
// small JSON text a person can read:
//
//   { "kind": "port setup", "version": 1,
//     "engine": { "name": "Kart", "stroke": "54.5", "rod": "110", "offset": "1" },
//     "unit": "mm", "deck": { "text": "0.6", "unit": "mm" }, ...,
//     "rows": [ { "name": "Exhaust", "role": "exhaust", "height": {...}, ... } ],
//     "targets": { "exhaust": ["0.00014", "0.00015"], ... } }
//
// Numbers are kept as typed, with a decimal point whatever the locale, so
// that a file reads the same everywhere.
struct PortSetup {
    EntryTexts engine;
    PortSheetInput input;
};

inline constexpr int kSetupVersion = 1;

QByteArray SetupAsJson(const PortSetup& setup, const NumberStyle& style);

// A whole setup, or why the bytes are none: "is not a port setup", "is cut
// short", "comes from a newer version ...", "is damaged: ...". Nothing of a
// refused file is used.
struct SetupRead {
    std::optional<PortSetup> setup;
    std::string problem;
};
SetupRead ReadSetup(const QByteArray& bytes, const NumberStyle& style);

// Empty when the setup was made for this engine's geometry; else what to
// tell the user, naming both.
std::string OtherEngineNote(const EntryTexts& madeFor, const EngineSnapshot& shown);

} // namespace crank
