#pragma once

#include <QJsonObject>

#include <optional>

#include "platform/json_fields.h"
#include "ports/baseline.h"
#include "ports/engine_json.h"
#include "ports/port_sheet.h"

namespace crank {

// The port sheet's part of an engine file: everything typed on the sheet and
// its time-area page, number texts with a point whatever the locale, each
// length with the unit it was typed in:
//
//   { "unit": "mm", "deck": { "text": "0.6", "unit": "mm" }, "pistonLength": {...},
//     "bore": {...}, "rpm": "12000",
//     "rows": [ { "name": "Exhaust", "role": "exhaust", "height": {...}, "count": "",
//                 "width": {...}, "measure": "chord", "windowHeight": {...},
//                 "topRadius": {...}, "bottomRadius": {...}, "bridge": {...} }, ... 8 ],
//     "targets": { "exhaust": { "from": "0.000140", "to": "0.000150" }, ... },
//     "timingTarget": { "row": 1, "of": "opening", "degrees": "" },
//     "staTarget": { "row": 1, "sta": "", "by": "edge" }, "raise": {...},
//     "compression": { "clearanceBy": "at TDC", "volume": "10", "squish": {...},
//                      "band": {...} } }
//
// A file written before the raise, compression and "by" came reads as a fresh
// sheet has them.
QJsonObject PortSheetAsJson(const PortSheetInput& input);

// The same read back; throws FileFault naming the first field that is
// missing or of the wrong kind.
PortSheetInput ReadPortSheet(const JsonFields& fields);

// A baseline in an engine file, and read back (throws FileFault likewise):
//
//   { "source": { "file": "kart-a.crank", "when": "2026-12-01" },
//     "engine": { "name": "Kart", "stroke": "54.5", "rod": "110", "offset": "1" },
//     "ports": { ...as PortSheetAsJson... } }
QJsonObject BaselineAsJson(const Baseline& before);
Baseline ReadBaseline(const JsonFields& fields);

// A baseline from the bytes of an engine file (its engine and its sheet), or
// why they are none, worded as opening the file words it.
struct BaselineRead {
    std::optional<Baseline> baseline;
    std::string problem;
};
BaselineRead ReadBaselineFile(const QByteArray& bytes, const BaselineSource& source);

} // namespace crank
