#include "ports/port_tool.h"

#include <QAction>

#include "platform/number_box.h"
#include "platform/tool_window.h"
#include "ports/port_timing_sheet.h"
#include "tables/ang_disp.h"
#include "tables/tables_extras.h"

namespace crank {

PortTool::PortTool(Ang_Disp& screen, TablesExtras& extras, const Services& services)
    : QObject(&screen), m_screen(screen), m_services(services)
{
    install(extras);
}

// The sheet edits the tool's input and baseline: it goes first.
PortTool::~PortTool()
{
    delete m_sheet;
}

void PortTool::install(TablesExtras& extras)
{
    auto* command = new QAction(QString::fromLatin1(kCaption), this);
    command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(command, &QAction::triggered, this, &PortTool::openSheet);
    extras.addCommand(command);
}

PortTimingSheet* PortTool::sheet() const
{
    return m_sheet;
}

void PortTool::addSheetCommand(QAction* command)
{
    m_sheetCommands.append(command);
    if (m_sheet) {
        m_sheet->addCommand(command);
    }
}

void PortTool::setInput(const PortSheetInput& input)
{
    m_input = input;
    if (m_sheet) {
        m_sheet->showInput();
    }
    emit inputChanged();
}

void PortTool::setBefore(const std::optional<Baseline>& before)
{
    m_before = before;
    if (m_sheet) {
        m_sheet->showInput();
    }
    emit inputChanged();
}

void PortTool::setTitleNote(const QString& note)
{
    m_titleNote = note;
    if (m_sheet) {
        m_sheet->setWindowTitle(QString::fromLatin1(PortTimingSheet::kTitle) + note);
    }
}

std::array<PortRowView, kMaxPorts> PortTool::rows(const EngineSnapshot& engine) const
{
    return BuildPortSheetView(engine, m_input, LocaleNumberStyle()).rows;
}

void PortTool::openSheet()
{
    // Closed, not deleted, when the screen is left: the typed ports wait for
    // the next display.
    const EngineSnapshot& engine = m_screen.view().engine;
    if (m_sheet) {
        m_sheet->setEngine(engine);
    } else {
        m_sheet = new PortTimingSheet(engine, m_input, m_before, m_services, &m_screen);
        for (QAction* command : m_sheetCommands) {
            m_sheet->addCommand(command);
        }
        CloseWithScreen(m_screen, *m_sheet);
        connect(m_sheet, &PortTimingSheet::edited, this, &PortTool::inputChanged);
        setTitleNote(m_titleNote);
    }
    ShowTool(*m_sheet);
}

} // namespace crank
