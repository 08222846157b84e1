#pragma once

#include <QString>

class QAction;
class QBoxLayout;
class QPushButton;
class QScrollArea;
class QWidget;

namespace crank {

// What the tool windows beyond the four screens (the port sheet, the degree
// wheel, the crank-angle finder) are made of.

// Closes tool whenever screen is hidden by a command (not when minimised):
// a tool works on the display on show and closes with it; it keeps what was
// typed, since closing only hides it.
void CloseWithScreen(QWidget& screen, QWidget& tool);

// Shows a tool window, raised and active.
void ShowTool(QWidget& tool);

// A push button named `name` at the end of row; Enter stays with the boxes,
// so it is never a default button.
QPushButton* AddButton(QBoxLayout& row, QWidget& parent, const QString& caption,
                       const QString& name);

// Another tool's command as a button of window's row, before `before`;
// its shortcut works while the window is active.
QPushButton* AddCommandButton(QBoxLayout& row, QWidget& window, QAction& command,
                              QPushButton& before);

// content on a page that scrolls when the window is too small for it: as
// wide as the page where it can be, never narrower than it needs, and its
// wrapped texts as tall as that width needs. The window never grows by
// itself for a long text; the page scrolls instead. The page asks for room
// for the whole content (FitToScreen opens it whole where the screen has the
// room), and a control the keyboard moves the focus to scrolls into view.
QScrollArea* ScrollingPage(QWidget* content, QWidget* parent);

// Sizes a tool window to show its scrolling pages whole, but no larger than
// the screen's room for windows (a 1366x768 laptop less its panels); what
// does not fit scrolls.
void FitToScreen(QWidget& window);

} // namespace crank
