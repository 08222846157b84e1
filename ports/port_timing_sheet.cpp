#include "ports/port_timing_sheet.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "platform/number_box.h"
#include "platform/tool_window.h"
#include "ports/sheet_commands.h"
#include "ports/time_area_panel.h"
#include "ports/timing_page.h"

namespace crank {

PortTimingSheet::PortTimingSheet(PortSheetInput& input, const Services& services, QWidget* parent)
    : QDialog(parent), m_input(input), m_services(services), m_style(LocaleNumberStyle())
{
    setWindowTitle(QString::fromLatin1(kTitle));
    m_timing = new TimingPage(m_input, m_style);
    m_panel = new TimeAreaPanel(m_input, m_style);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sheetTabs"));
    QScrollArea* timing = ScrollingPage(m_timing, m_tabs);
    timing->setObjectName(QStringLiteral("timingScroll"));
    m_tabs->addTab(timing, tr("Ti&ming"));
    QScrollArea* timeArea = ScrollingPage(m_panel, m_tabs);
    timeArea->setObjectName(QStringLiteral("timeAreaScroll"));
    m_tabs->addTab(timeArea, tr("Time-&area"));
    // The pages scroll; the buttons stay in view under them.
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(m_tabs, 1);
    whole->addLayout(buildButtons());
    chainFocus();

    connect(m_timing, &TimingPage::edited, this, &PortTimingSheet::recalculate);
    connect(m_panel, &TimeAreaPanel::edited, this, &PortTimingSheet::recalculate);
    connect(m_timing, &TimingPage::edited, this, &PortTimingSheet::edited);
    connect(m_panel, &TimeAreaPanel::edited, this, &PortTimingSheet::edited);
    connect(m_timing, &TimingPage::unitChanged, this, &PortTimingSheet::showInput);
    showInput();
    FitToScreen(*this);
    m_timing->firstName()->setFocus();
}

PortTimingSheet::~PortTimingSheet() = default;

QLayout* PortTimingSheet::buildButtons()
{
    m_buttons = new QHBoxLayout;
    const auto add = [this](const QString& caption, const QString& name,
                            void (PortTimingSheet::*command)()) {
        QPushButton* button = AddButton(*m_buttons, *this, caption, name);
        connect(button, &QPushButton::clicked, this, command);
        return button;
    };
    add(tr("&Copy"), QStringLiteral("copyCom"), &PortTimingSheet::copyRows);
    add(tr("&Save as PDF..."), QStringLiteral("savePdfCom"), &PortTimingSheet::saveAsPdf);
    add(tr("&Print..."), QStringLiteral("printCom"), &PortTimingSheet::print);
    add(tr("Save as CS&V..."), QStringLiteral("saveCsvCom"), &PortTimingSheet::saveAsCsv);
    m_close = AddButton(*m_buttons, *this, tr("Cl&ose"), QStringLiteral("closeCom"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    return m_buttons;
}

// The keyboard reads both pages top to bottom, then the buttons; a page not
// on show is passed over.
void PortTimingSheet::chainFocus()
{
    m_tabOrder = m_timing->focusOrder() + m_panel->focusOrder();
    for (int i = 0; i < m_buttons->count(); ++i) {
        m_tabOrder.append(m_buttons->itemAt(i)->widget());
    }
    for (int i = 1; i < m_tabOrder.size(); ++i) {
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
    }
}

void PortTimingSheet::addCommand(QAction* command)
{
    QPushButton* button = AddCommandButton(*m_buttons, *this, *command, *m_close);
    // Still in reading order: after the last button but "Close".
    setTabOrder(m_tabOrder[m_tabOrder.indexOf(m_close) - 1], button);
    setTabOrder(button, m_close);
    m_tabOrder.insert(m_tabOrder.indexOf(m_close), button);
}

void PortTimingSheet::setEngine(const EngineSnapshot& engine)
{
    m_engine = engine;
    recalculate();
}

void PortTimingSheet::showInput()
{
    m_timing->showInput();
    m_panel->showInput();
    recalculate();
}

void PortTimingSheet::recalculate()
{
    m_view = BuildPortSheetView(m_engine, m_input, m_style);
    m_timing->render(m_view);
    m_panel->render(m_view);
}

void PortTimingSheet::copyRows()
{
    CopySheet(m_view);
}

void PortTimingSheet::saveAsPdf()
{
    SaveSheetAsPdf(m_view, m_services);
}

void PortTimingSheet::print()
{
    PrintSheet(m_view, m_services);
}

void PortTimingSheet::saveAsCsv()
{
    SaveSheetAsCsv(m_view, m_services);
}

} // namespace crank
