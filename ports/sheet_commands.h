#pragma once

#include <optional>

#include "model/typed_number.h"
#include "platform/services.h"
#include "ports/baseline.h"
#include "ports/port_sheet.h"

namespace crank {

// The port sheet's commands that take it out of the window, each on the
// view as shown; a failure is told through the services.

// "Copy": the sheet's records as tab-separated text on the clipboard.
void CopySheet(const PortSheetView& view);
// "Save as PDF..." and "Print...": the sheet's page.
void SaveSheetAsPdf(const PortSheetView& view, const Services& services);
void PrintSheet(const PortSheetView& view, const Services& services);
// "Save as CSV...", proposed as "<engine> ports.csv".
void SaveSheetAsCsv(const PortSheetView& view, const Services& services);
// "Compare With File...": the baseline of the engine file the user picks,
// named with the day the file was saved; none when the user cancels or the
// file is refused, which is said.
std::optional<Baseline> ChooseBaselineFile(const Services& services);

} // namespace crank
