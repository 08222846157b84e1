#pragma once

#include <string>

namespace crank {

// A modal message box with a prompt, a title, a single OK button and no icon.
// show() returns when the user has answered; the answer carries no choice.
// Line breaks in the prompt are "\r\n". The real one wraps QMessageBox; tests
// use a recording one.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& prompt, const std::string& title) = 0;
};

} // namespace crank
