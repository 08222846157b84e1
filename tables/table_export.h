#pragma once

#include <string>

#include "tables/display_view.h"

namespace crank {

// The tables screen as text for a spreadsheet. Layout, one record a line:
//
//   Engine:                              <engine name>
//   Stroke (mm):                         46
//   Connecting Rod Length (mm):          100
//   Gudgeon Pin Offset (mm):             -0.5
//   Crank Angle at BDC (degrees ATDC):   179.86      (only with an offset)
//   <empty line>
//   then per table 1..NumTables, one after another so that every table lands
//   in the same columns A to C:
//   Angle (deg)  Displacement (mm) BTDC  Displacement (mm) ATDC
//                (or the single "Displacement (mm)" with zero offset)
//   49 rows of cell texts, exactly as the cells show them
//   <empty line> between tables
//
// Each summary caption is split after its first colon into a label and a
// value field, with the blanks round both trimmed, so that the numbers land
// in a column of their own.

// Tab-separated, lines ended by "\n" (clipboard text). A tab, CR or LF
// inside a field (only an engine name could hold one) becomes a blank.
std::string TablesAsTsv(const DisplayView& content);

// The same records as comma-separated values (RFC 4180): lines ended by
// "\r\n"; a field holding a comma, a double quote, CR or LF is enclosed in
// double quotes with its quotes doubled.
std::string TablesAsCsv(const DisplayView& content);

} // namespace crank
