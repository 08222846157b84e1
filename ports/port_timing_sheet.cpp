#include "ports/port_timing_sheet.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>
#include <future>

#include "platform/message_box.h"
#include "platform/number_box.h"
#include "platform/tool_window.h"
#include "ports/compression_page.h"
#include "ports/sheet_commands.h"
#include "ports/time_area_panel.h"
#include "ports/timing_page.h"

namespace crank {

PortTimingSheet::PortTimingSheet(const EngineSnapshot& engine, PortSheetInput& input,
                                 std::optional<Baseline>& before, const Services& services,
                                 QWidget* parent)
    : QDialog(parent), m_input(input), m_before(before), m_services(services),
      m_style(LocaleNumberStyle()), m_engine(engine)
{
    setWindowTitle(QString::fromLatin1(kTitle));
    // The figures are worked out on another core while the pages are made;
    // the task has its own copies of what they come from.
    std::future<PortSheetView> figures =
        std::async(std::launch::async,
                   [engine = m_engine, input = m_input, style = m_style, before = m_before] {
                       return BuildPortSheetView(engine, input, style, before ? &*before : nullptr);
                   });
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
    // The compression page is made when it is first chosen; it is the
    // smallest, so the window's size does not wait for it.
    m_compressionScroll = ScrollingPage(nullptr, m_tabs);
    m_compressionScroll->setObjectName(QStringLiteral("compressionScroll"));
    m_tabs->addTab(m_compressionScroll, tr("Compressio&n"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_tabs->widget(index) == m_compressionScroll) {
            makeCompressionPage();
        }
    });
    // Where the baseline came from, over every page; the pages scroll; the
    // buttons stay in view under them.
    m_beforeLabel = ResultLabel(this, QStringLiteral("beforeLab"), true);
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(m_beforeLabel);
    whole->addWidget(m_tabs, 1);
    whole->addLayout(buildButtons());
    chainFocus();

    for (SheetPage* page : pages()) {
        adoptPage(*page);
    }
    // The unit's edit has worked the view out already: the boxes only show
    // their lengths in the new unit.
    connect(m_timing, &TimingPage::unitChanged, this, &PortTimingSheet::showBoxes);
    showBoxes();
    m_view = figures.get();
    renderView();
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
    QPushButton* before = AddButton(*m_buttons, *this, tr("Be&fore"), QStringLiteral("beforeCom"));
    auto* menu = new QMenu(before);
    const auto item = [this, menu](const QString& caption, const QString& name,
                                   void (PortTimingSheet::*command)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    item(tr("&Keep as Before"), QStringLiteral("keepBeforeCom"), &PortTimingSheet::keepAsBefore);
    item(tr("Compare With &File..."), QStringLiteral("compareFileCom"),
         &PortTimingSheet::compareWithFile);
    m_clearBefore =
        item(tr("&Clear Before"), QStringLiteral("clearBeforeCom"), &PortTimingSheet::clearBefore);
    before->setMenu(menu);
    m_close = AddButton(*m_buttons, *this, tr("Cl&ose"), QStringLiteral("closeCom"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    return m_buttons;
}

std::vector<SheetPage*> PortTimingSheet::pages() const
{
    std::vector<SheetPage*> made{m_timing, m_panel};
    if (m_compression != nullptr) {
        made.push_back(m_compression);
    }
    return made;
}

void PortTimingSheet::adoptPage(SheetPage& page)
{
    connect(&page, &SheetPage::edited, this, &PortTimingSheet::recalculate);
    connect(&page, &SheetPage::edited, this, &PortTimingSheet::edited);
}

void PortTimingSheet::makeCompressionPage()
{
    if (m_compression != nullptr) {
        return;
    }
    m_compression = new CompressionPage(m_input, m_style);
    m_compression->showInput();
    m_compression->render(m_view);
    m_compressionScroll->setWidget(m_compression);
    adoptPage(*m_compression);
    chainFocus();
}

// The keyboard reads every page top to bottom, then the buttons; a page not
// on show is passed over.
void PortTimingSheet::chainFocus()
{
    m_tabOrder.clear();
    for (const SheetPage* page : pages()) {
        m_tabOrder += page->focusOrder();
    }
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
    showBoxes();
    recalculate();
}

void PortTimingSheet::showBoxes()
{
    for (SheetPage* page : pages()) {
        page->showInput();
    }
}

void PortTimingSheet::recalculate()
{
    m_view = BuildPortSheetView(m_engine, m_input, m_style, m_before ? &*m_before : nullptr);
    renderView();
}

void PortTimingSheet::renderView()
{
    for (SheetPage* page : pages()) {
        page->render(m_view);
    }
    const ComparisonView& compare = m_view.compare;
    ShowMessage(*m_beforeLabel,
                compare.on
                    ? compare.label + (compare.engineLine.empty() ? "" : ". " + compare.engineLine)
                    : "");
    m_clearBefore->setEnabled(compare.on);
}

void PortTimingSheet::setBefore(std::optional<Baseline> before)
{
    m_before = std::move(before);
    recalculate();
    emit edited();
}

void PortTimingSheet::keepAsBefore()
{
    const QString now = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    setBefore(Baseline{m_engine.typed, m_input, {{}, now.toStdString()}});
}

void PortTimingSheet::compareWithFile()
{
    if (std::optional<Baseline> before = ChooseBaselineFile(m_services)) {
        setBefore(std::move(before));
    }
}

void PortTimingSheet::clearBefore()
{
    setBefore(std::nullopt);
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
