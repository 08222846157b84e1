#pragma once

#include <string>
#include <vector>

namespace crank {

// A modal message box with a prompt, a title and no icon. show() has a
// single OK button and returns when the user has answered; the answer
// carries no choice. ask() offers the choices as buttons, the first the
// default and the last the one Escape or the window's close control takes,
// and returns the index of the one chosen. Line breaks in the prompt are
// "\r\n". The real one wraps QMessageBox; tests use a recording one.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& prompt, const std::string& title) = 0;
    virtual int ask(const std::string& prompt, const std::string& title,
                    const std::vector<std::string>& choices) = 0;
};

} // namespace crank
