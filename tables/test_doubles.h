#pragma once

// Recording stand-ins for the message box and the printer, for widget tests.

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "tables/tables_printer.h"

namespace crank {

class RecordingMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string prompt;
        std::string title;
    };
    void show(const std::string& prompt, const std::string& title) override
    {
        shown.push_back({prompt, title});
    }
    std::vector<Shown> shown;
};

class RecordingTablesPrinter final : public TablesPrinter {
public:
    void printTables(const PageContent& content) override { printed.push_back(content); }
    std::vector<PageContent> printed;
};

} // namespace crank
