#pragma once

#include "tables/display_view.h"

namespace crank {

// What the print command of the tables screen calls. The real one prints the
// page on the default printer, or offers to save it as a PDF when there is
// none; tests record what would have been printed.
class TablesPrinter {
public:
    virtual ~TablesPrinter() = default;
    virtual void printTables(const DisplayView& content) = 0;
};

} // namespace crank
