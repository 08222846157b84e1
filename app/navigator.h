#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

#include "platform/services.h"

class QWidget;

namespace crank {

struct EngineState;
class TablesPrinter;
class TabsMenu;
class UserInfo;
class EngVals;
class Ang_Disp;
struct DisplayView;
struct EntryBoxes;
class PortTool;
class WheelTool;

// Owns the screens for the run of the program and moves between them. Every
// screen is a top-level window without an owner that lives from its first use
// to the end of the run; navigation only hides and shows, so a hidden screen
// keeps everything on it. After every step exactly one screen is visible.
//
// The window's own close control never destroys a screen: on the front
// screen it acts as "E&xit the Program", on any other screen as its
// "Return to &Front Screen".
class Navigator : public QObject {
    Q_OBJECT
public:
    // The screens and tools reach the user through services, which outlive it.
    Navigator(EngineState& state, const Services& services, TablesPrinter& printer,
              QObject* parent = nullptr);
    ~Navigator() override;

    // Creates the front screen (whose load step creates the data entry
    // screen hidden) and shows it. showFront false: the front screen is made but waits (a file
    // named on the command line shows the tables instead; showFrontScreen if it fails).
    void start(bool showFront = true);
    void showFrontScreen();

    // The front screen; exists from start() on.
    TabsMenu& tabsMenu() const { return *m_tabsMenu; }
    // The data entry screen; exists from start() on.
    EngVals& engVals() const { return *m_engVals; }
    // The user information screen, created on first use.
    UserInfo& userInfo();
    // The tables screen, created the first time the tables are displayed.
    Ang_Disp& tablesScreen();
    // Null until the tables screen has been created.
    Ang_Disp* tablesScreenIfCreated() const { return m_angDisp; }
    // Every screen created so far, in order of creation.
    std::vector<QWidget*> screens() const;

    // Front screen commands.
    void InfoScrn_Click();
    void Tables_Click();
    void ExitProg_Click();
    // The display command's request: the view on the tables screen, which
    // takes the place of the data entry screen.
    void showTables(const DisplayView& view);

    // An engine as a file holds it: the data entry screen's boxes typed in
    // one go, then displayed as the display command does, so that the tables
    // screen takes the place of whatever screen was on show. The boxes must
    // be ones the screen takes (RefusedEntry).
    void openEngine(const EntryBoxes& boxes);
    // The tools on the tables screen; null until it is created.
    PortTool* portTool() const { return m_portTool; }
    WheelTool* wheelTool() const { return m_wheelTool; }
    // Asked before the program ends: leaving goes on only when it answers true.
    void setLeaveGuard(std::function<bool()> mayLeave) { m_mayLeave = std::move(mayLeave); }

    // Shows a screen modeless and brings it to the front.
    static void showScreen(QWidget& screen);

signals:
    // The tables screen and its tools were just created.
    void toolsCreated();
    // A display is on the tables screen.
    void displayed();

private:
    void Form_Load();
    // Takes ownership of a new screen and routes its close control to
    // onClose instead of closing it.
    template <class Screen>
    Screen* adopt(std::unique_ptr<Screen> screen, std::function<void()> onClose);
    void adoptWidget(std::unique_ptr<QWidget> screen, std::function<void()> onClose);

    EngineState& m_state;
    Services m_services;
    TablesPrinter& m_printer;

    // Owned screens, in order of creation; destroyed in reverse order.
    std::vector<std::unique_ptr<QWidget>> m_screens;
    TabsMenu* m_tabsMenu = nullptr;
    UserInfo* m_userInfo = nullptr;
    // Created hidden by Form_Load; reset and shown by the construct command.
    EngVals* m_engVals = nullptr;
    // Created the first time the data entry screen displays tables, with its tools.
    Ang_Disp* m_angDisp = nullptr;
    PortTool* m_portTool = nullptr;
    WheelTool* m_wheelTool = nullptr;
    std::function<bool()> m_mayLeave;
    // Set while the program ends, so that closing the screens really closes.
    bool m_ending = false;
};

template <class Screen>
Screen* Navigator::adopt(std::unique_ptr<Screen> screen, std::function<void()> onClose)
{
    Screen* raw = screen.get();
    adoptWidget(std::move(screen), std::move(onClose));
    return raw;
}

} // namespace crank
