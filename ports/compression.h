#pragma once

#include <string>
#include <vector>

#include "ports/port_sheet.h"
#include "ports/sheet_texts.h"

namespace crank {

// Compression, from what the sheet knows: the geometric ratio over the whole
// stroke, the trapped ratio from the exhaust's closing, and how much of the
// bore the squish band covers. A raised or lowered cylinder changes the
// clearance by the bore's area times the raise, and the squish clearance and
// the deck by the raise.

// How the figures are found, and why a pin offset leaves the trapped ratio be.
extern const char* const kCompressionExplained;

// (swept + clearance) / clearance.
double CompressionRatio(double swept, double clearance);
// The band's area over the bore's: 1 - (inner / bore)².
double SquishAreaRatio(double bore, double inner);

// The sheet's compression figures (its rows timed, its bore read), in numbers
// and in words.
CompressionView BuildCompression(const EngineSnapshot& engine, const PortSheetInput& input,
                                 const PortSheetView& sheet, const SheetTexts& texts);
std::vector<std::string> CompressionLines(const CompressionView& view, const PortSheetView& sheet,
                                          const SheetTexts& texts);

// Its part of the copy: what was typed and the figures, when anything was.
std::vector<Record> CompressionRecords(const PortSheetView& sheet);

} // namespace crank
