#pragma once

// The print command's recording stand-in: which views it was asked to print.

#include <vector>

#include "tables/display_view.h"
#include "tables/tables_printer.h"

namespace crank {

class RecordingTablesPrinter final : public TablesPrinter {
public:
    void printTables(const DisplayView& view) override { printed.push_back(view); }
    std::vector<DisplayView> printed;
};

} // namespace crank
