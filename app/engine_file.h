#pragma once

#include <QByteArray>
#include <array>
#include <optional>
#include <string>

#include "entry/entry_boxes.h"
#include "ports/baseline.h"
#include "ports/engine_json.h"
#include "ports/port_sheet.h"
#include "wheel/degree_wheel.h"

namespace crank {

// Everything typed for one engine, as the user typed it: the data entry
// screen's boxes, the port sheet with its time-area page, and the degree
// wheel's settings with its last readings. Saved as a small JSON text a
// person can read and edit:
//
//   { "kind": "engine", "version": 2,
//     "engine": { "name": "Kart", "stroke": "54.5", "rod": "110", "offset": "1",
//                 "tables": "3", "angles": ["8", "40", "96"] },
//     "ports": { ...as PortSheetAsJson... }, "wheel": { ...as WheelInputAsJson... },
//     "before": { ...as BaselineAsJson... } }
//
// "before", the port sheet's baseline, is there only while the sheet keeps
// one.
//
// Numbers are kept as typed, with a decimal point whatever the locale, so
// that a file reads the same everywhere. Version 1 was the port setup: the
// engine's geometry and the sheet's fields at the top, without tables or
// wheel.

struct EngineFile {
    EntryBoxes engine;
    PortSheetInput ports;
    WheelInput wheel;
    std::optional<Baseline> before;
};

// The file's own extension, without the dot, and its media type.
inline constexpr const char* kEngineFileSuffix = "crank";
inline constexpr const char* kEngineFileType = "application/vnd.crankangleutility.engine+json";

QByteArray EngineFileAsJson(const EngineFile& file);

// A whole file, or why the bytes are none: "is not an engine file", "is cut
// short", "comes from a newer version ...", "is damaged: ports.rows[3].windowHeight
// is not a number". Nothing of a refused file is used.
struct EngineFileRead {
    std::optional<EngineFile> file;
    int version = 0; // 1: a port setup, whose tables and wheel are as made fresh
    std::string problem;
};
EngineFileRead ReadEngineFile(const QByteArray& bytes);

} // namespace crank
