#include "app/navigator.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

#include "app/tabs_menu.h"
#include "entry/eng_vals.h"
#include "info/user_info.h"
#include "ports/port_tool.h"
#include "tables/ang_disp.h"
#include "tables/tables_extras.h"
#include "wheel/wheel_tool.h"

namespace crank {
namespace {

// Turns the window's close control into a command of the screen. While the
// program ends, closes go through.
class CloseAsCommand : public QObject {
public:
    CloseAsCommand(QObject* parent, const bool& ending, std::function<void()> command)
        : QObject(parent), m_ending(ending), m_command(std::move(command))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close || m_ending) {
            return false;
        }
        // Ignored: the screen stays alive; the command decides what is shown.
        event->ignore();
        m_command();
        return true;
    }

private:
    const bool& m_ending;
    std::function<void()> m_command;
};

} // namespace

Navigator::Navigator(EngineState& state, const Services& services, TablesPrinter& printer,
                     QObject* parent)
    : QObject(parent), m_state(state), m_services(services), m_printer(printer)
{
}

Navigator::~Navigator()
{
    // Later screens may refer to earlier ones; destroy in reverse order.
    while (!m_screens.empty()) {
        m_screens.pop_back();
    }
}

void Navigator::start(bool showFront)
{
    m_tabsMenu = adopt(std::make_unique<TabsMenu>(), [this] { ExitProg_Click(); });
    connect(m_tabsMenu, &TabsMenu::InfoScrn_Click, this, &Navigator::InfoScrn_Click);
    connect(m_tabsMenu, &TabsMenu::Tables_Click, this, &Navigator::Tables_Click);
    connect(m_tabsMenu, &TabsMenu::ExitProg_Click, this, &Navigator::ExitProg_Click);
    Form_Load();
    if (showFront) {
        showScreen(*m_tabsMenu);
    }
}

void Navigator::showFrontScreen()
{
    showScreen(*m_tabsMenu);
}

void Navigator::Form_Load()
{
    // The data entry screen is created, hidden, when the front screen loads.
    m_engVals = adopt(std::make_unique<EngVals>(m_state, m_services.messages, nullptr),
                      [this] { m_engVals->GeomCom_Click(0); });
    connect(m_engVals, &EngVals::frontScreenRequested, this, [this] { showScreen(*m_tabsMenu); });
    connect(m_engVals, &EngVals::tablesRequested, this, &Navigator::showTables);
    m_engVals->hide();
}

Ang_Disp& Navigator::tablesScreen()
{
    if (m_angDisp == nullptr) {
        m_angDisp = adopt(std::make_unique<Ang_Disp>(m_printer, nullptr),
                          [this] { m_angDisp->AngDispCom_Click(0); });
        connect(m_angDisp, &Ang_Disp::frontScreenRequested, this,
                [this] { showScreen(*m_tabsMenu); });
        connect(m_angDisp, &Ang_Disp::dataEntryRequested, this, [this] { showScreen(*m_engVals); });
        // Find, copy and save: shortcuts and a context menu, owned by the screen;
        // the port timing sheet and the degree wheel among them.
        auto* extras = new TablesExtras(*m_angDisp, m_services);
        m_portTool = new PortTool(*m_angDisp, *extras, m_services);
        m_wheelTool = new WheelTool(*m_angDisp, *extras, *m_portTool, m_services);
        emit toolsCreated();
    }
    return *m_angDisp;
}

UserInfo& Navigator::userInfo()
{
    if (m_userInfo == nullptr) {
        m_userInfo = adopt(std::make_unique<UserInfo>(), [this] { m_userInfo->Command1_Click(); });
        connect(m_userInfo, &UserInfo::frontScreenRequested, this,
                [this] { showScreen(*m_tabsMenu); });
    }
    return *m_userInfo;
}

std::vector<QWidget*> Navigator::screens() const
{
    std::vector<QWidget*> all;
    for (const auto& s : m_screens) {
        all.push_back(s.get());
    }
    return all;
}

void Navigator::InfoScrn_Click()
{
    m_tabsMenu->hide();
    showScreen(userInfo());
}

void Navigator::Tables_Click()
{
    // Steps 1 to 8 of the reset run on the data entry screen, each cleared
    // box's change handling nested; then show it and hide the front screen.
    m_engVals->resetForNewTables();
    showScreen(*m_engVals);
    m_tabsMenu->hide();
}

void Navigator::ExitProg_Click()
{
    // A file with unsaved changes asks first; staying keeps everything as it is.
    if (m_mayLeave && !m_mayLeave()) {
        return;
    }
    m_tabsMenu->hide();
    // End at once: no question, nothing saved. Every screen closes for real.
    m_ending = true;
    for (auto it = m_screens.rbegin(); it != m_screens.rend(); ++it) {
        (*it)->close();
    }
    QCoreApplication::exit(0);
}

void Navigator::showTables(const DisplayView& view)
{
    Ang_Disp& tables = tablesScreen();
    tables.showView(view);
    m_engVals->hide();
    showScreen(tables);
    emit displayed();
}

void Navigator::openEngine(const EntryBoxes& boxes)
{
    m_engVals->enterBoxes(boxes);
    // The display command shows the tables in the data entry screen's place;
    // the front screen and the information give way as well. Tables on show
    // are left first, as a display from the data entry screen leaves them: the
    // tools at work on their engine (the finder, the sheet, the wheel) close.
    if (m_angDisp != nullptr) {
        m_angDisp->hide();
    }
    m_tabsMenu->hide();
    if (m_userInfo != nullptr) {
        m_userInfo->hide();
    }
    m_engVals->GeomCom_Click(1);
}

void Navigator::showScreen(QWidget& screen)
{
    screen.show();
    screen.raise();
    screen.activateWindow();
}

void Navigator::adoptWidget(std::unique_ptr<QWidget> screen, std::function<void()> onClose)
{
    screen->installEventFilter(new CloseAsCommand(screen.get(), m_ending, std::move(onClose)));
    m_screens.push_back(std::move(screen));
}

} // namespace crank
