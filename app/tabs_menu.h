#pragma once

#include <QMainWindow>

class QAction;

namespace crank {

// The front screen: the window the program starts on and returns to. It only
// shows the title and the banner and reports which menu command was chosen;
// the navigator decides what the commands do.
class TabsMenu : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Crank Angle/Piston Displacement Utility";
    // Client area below the menu bar, twips.
    static constexpr int kClientWidth = 7080;
    static constexpr int kClientHeight = 7410;
    // The banner's name (Label1) and slogan (Label6).
    static constexpr const char* kBannerName = "CAPD-U";
    static constexpr const char* kBannerSlogan = "Timing to a tenth of a degree";

    explicit TabsMenu(QWidget* parent = nullptr);

    // The three menu bar commands, left to right.
    QAction* InfoScrn() const { return m_infoScrn; }
    QAction* Tables() const { return m_tables; }
    QAction* ExitProg() const { return m_exitProg; }

signals:
    // "&User Information" was chosen.
    void InfoScrn_Click();
    // "&Construct Crank Angle/Piston Displacement Table(s)" was chosen.
    void Tables_Click();
    // "E&xit the Program" was chosen.
    void ExitProg_Click();

private:
    void buildClientArea();
    void buildMenuBar();

    QAction* m_infoScrn = nullptr;
    QAction* m_tables = nullptr;
    QAction* m_exitProg = nullptr;
};

} // namespace crank
