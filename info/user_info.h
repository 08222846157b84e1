#pragma once

#include <QWidget>

class QFrame;
class QScrollBar;

namespace crank {

class CommandButton;

// The user information screen: explanatory text on a panel that a vertical
// scroll bar moves behind a fixed viewport. It reads and changes no shared
// state; hiding it keeps the scroll position for the next visit.
class UserInfo : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kTitle =
        "Crank Angle/Piston Displacement Utility - User Information";
    // Client area, twips.
    static constexpr int kClientWidth = 7500;
    static constexpr int kClientHeight = 7200;

    explicit UserInfo(QWidget* parent = nullptr);

    // Top edge of the text panel relative to the viewport, twips (0 or less).
    int panelTopTwips() const { return m_panelTopTwips; }

    // "Return to &Front Screen": hide this screen, then ask for the front one.
    void Command1_Click();
    // Moves the panel for the scroll bar's current value.
    void VScroll1_Change();

signals:
    // Emitted after the screen has hidden itself; whoever owns the screens
    // shows the front screen.
    void frontScreenRequested();

private:
    CommandButton* m_command1 = nullptr;
    QFrame* m_picture1 = nullptr;
    QScrollBar* m_vScroll1 = nullptr;
    QWidget* m_finfo1 = nullptr;
    int m_panelTopTwips = 0;
};

} // namespace crank
