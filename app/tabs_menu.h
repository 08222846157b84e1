#pragma once

#include <QMainWindow>

namespace crank {

// The front screen: the window the program starts on and returns to.
class TabsMenu : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Crank Angle/Piston Displacement Utility";
    // Client area below the menu bar, twips.
    static constexpr int kClientWidth = 7080;
    static constexpr int kClientHeight = 7410;

    explicit TabsMenu(QWidget* parent = nullptr);
};

} // namespace crank
