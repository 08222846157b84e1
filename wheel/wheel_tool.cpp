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

WheelTool::~WheelTool() = default;

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
        m_wheel = new WheelDialog(m_services.messages, m_services.pdfSaver, m_services.printers,
                                  &m_screen);
        m_wheel->installEventFilter(this);
        CloseWithScreen(m_screen, *m_wheel);
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
