#pragma once

#include <QJsonObject>

#include "platform/json_fields.h"
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
//     "staTarget": { "row": 1, "sta": "" } }
QJsonObject PortSheetAsJson(const PortSheetInput& input);

// The same read back; throws FileFault naming the first field that is
// missing or of the wrong kind.
PortSheetInput ReadPortSheet(const JsonFields& fields);

} // namespace crank
