#include "wheel/wheel_tool.h"

#include <QAction>
#include <QEvent>

#include "platform/tool_window.h"
#include "ports/port_timing_sheet.h"
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
    const EngineSnapshot& engine = m_screen.view().engine;
    std::array<PortRowView, kMaxPorts> ports{};
    if (PortTimingSheet* sheet = m_ports.sheet()) {
        // A sheet closed since an earlier display still times that display's
        // engine; it is timed for this one first, as opening it would.
        sheet->setEngine(engine);
        ports = sheet->view().rows;
    }
    m_wheel->setEngine(engine, ports);
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
