#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// One line of a copied or saved text, field by field.
using Record = std::vector<std::string>;

// Records as tab-separated text for the clipboard: lines ended by "\n"; a
// tab, CR or LF inside a field (a typed name could hold one) becomes a blank.
std::string RecordsAsTsv(const std::vector<Record>& records);

// The tables as RecordsAsTsv writes them.
std::string TablesAsTsv(const DisplayView& content);

// Spreadsheets set to a decimal point split CSV fields at commas; those set
// to a decimal comma split them at semicolons and read "0,5" as a number.
enum class CsvDialect { CommaDecimalPoint, SemicolonDecimalComma };

// The same records as delimited values (RFC 4180): lines ended by "\r\n";
// a field holding the separator, a double quote, CR or LF is enclosed in
// double quotes with its quotes doubled. With a decimal comma every number
// below the engine's name is written with a comma ("-0,5", "31,73").
std::string TablesAsCsv(const DisplayView& content,
                        CsvDialect dialect = CsvDialect::CommaDecimalPoint);

// Any records so, their numbers written with recordsDecimal ("." or "," or
// another locale's separator).
std::string RecordsAsCsv(std::vector<Record> records, CsvDialect dialect,
                         std::string_view recordsDecimal);

} // namespace crank
