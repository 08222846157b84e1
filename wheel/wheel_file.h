#pragma once

#include <QJsonObject>

#include "platform/json_fields.h"
#include "wheel/degree_wheel.h"

namespace crank {

// The degree wheel's part of an engine file: everything typed in its window,
// number texts with a point whatever the locale:
//
//   { "diameter": "180", "hole": "10", "turning": "clockwise",
//     "ignition": "", "ignitionIn": "degrees", "rim": "150", "page": "wheel",
//     "marked": "0-180-0",
//     "stop": { "before": { "degrees": "50.6", "side": "BTDC" }, "after": {...},
//               "drop": "" },
//     "port": { "kind": "crown", "opens": {...}, "closes": {...} } }
QJsonObject WheelInputAsJson(const WheelInput& input);

// The same read back; throws FileFault naming the first field that is
// missing or of the wrong kind.
WheelInput ReadWheelInput(const JsonFields& fields);

} // namespace crank
