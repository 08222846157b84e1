#pragma once

#include "platform/message_box.h"

class QWidget;

namespace crank {

// The real message box: modal, no icon, over the active window.
class QtMessageBox final : public MessageBox {
public:
    void show(const std::string& prompt, const std::string& title) override;
    int ask(const std::string& prompt, const std::string& title,
            const std::vector<std::string>& choices) override;
};

} // namespace crank
