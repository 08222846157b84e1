#include "wheel/wheel_tool.h"

#include <QAction>
#include <QEvent>

#include "platform/tool_window.h"
#include "ports/port_tool.h"
#include "tables/ang_disp.h"
#include "tables/tables_extras.h"
#include "wheel/wheel_dialog.h"

namespace crank {

WheelTool::WheelTool(Ang_Disp& screen, TablesExtras& extras, PortTool& ports,
                     const Services& services)
    : QObject(&screen), m_screen(screen), m_ports(ports), m_services(services)
{
    install(extras);
}

WheelTool::~WheelTool()
{
    // The window edits this tool's value: it goes first, no longer watched,
    // since what it sends while it is taken apart is no longer a wheel's.
    if (m_wheel) {
        m_wheel->removeEventFilter(this);
        delete m_wheel;
    }
}

void WheelTool::install(TablesExtras& extras)
{
    auto* command = new QAction(QString::fromLatin1(kCaption), this);
    command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(command, &QAction::triggered, this, &WheelTool::openWheel);
    extras.addCommand(command);
    auto* onSheet = new QAction(QString::fromLatin1(kSheetCaption), this);
    onSheet->setObjectName(QStringLiteral("wheelCom"));
    connect(onSheet, &QAction::triggered, this, &WheelTool::openWheel);
    m_ports.addSheetCommand(onSheet);
}

WheelDialog* WheelTool::wheel() const
{
    return m_wheel;
}

void WheelTool::addWheelCommand(QAction* command)
{
    m_wheelCommands.append(command);
    if (m_wheel) {
        m_wheel->addCommand(command);
    }
}

void WheelTool::setInput(const WheelInput& input)
{
    m_input = input;
    if (m_wheel) {
        m_wheel->showInput();
    }
    emit inputChanged();
}

void WheelTool::setTitleNote(const QString& note)
{
    m_titleNote = note;
    if (m_wheel) {
        m_wheel->setWindowTitle(QString::fromLatin1(WheelDialog::kTitle) + note);
    }
}

void WheelTool::refresh()
{
    // The sheet's rows as it times them for this display's engine, whether
    // or not the sheet is open.
    const EngineSnapshot& engine = m_screen.view().engine;
    m_wheel->setEngine(engine, m_ports.rows(engine));
}

void WheelTool::openWheel()
{
    if (!m_wheel) {
        m_wheel = new WheelDialog(m_input, m_services, &m_screen);
        m_wheel->installEventFilter(this);
        CloseWithScreen(m_screen, *m_wheel);
        for (QAction* command : m_wheelCommands) {
            m_wheel->addCommand(command);
        }
        connect(m_wheel, &WheelDialog::edited, this, &WheelTool::inputChanged);
        setTitleNote(m_titleNote);
    }
    refresh();
    ShowTool(*m_wheel);
}

bool WheelTool::eventFilter(QObject* watched, QEvent* event)
{
    // Back at the front after the port sheet was edited: its rows afresh.
    if (m_wheel && watched == m_wheel.data() && event->type() == QEvent::WindowActivate) {
        refresh();
    }
    return false;
}

} // namespace crank
