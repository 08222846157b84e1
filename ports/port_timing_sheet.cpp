#include "ports/port_timing_sheet.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "platform/number_box.h"
#include "platform/page_output.h"
#include "platform/print_targets.h"
#include "platform/save_location.h"
#include "platform/services.h"
#include "ports/port_page.h"
#include "ports/port_setup_file.h"
#include "ports/time_area_panel.h"
#include "ports/timing_diagram_widget.h"
#include "tables/csv_file.h"
#include "tables/file_name.h"
#include "tables/table_export.h"

namespace crank {
namespace {

constexpr int kTargetMaxChars = 6;

} // namespace

PortTimingSheet::PortTimingSheet(const Services& services, QWidget* parent)
    : QDialog(parent), m_messages(services.messages), m_pdfChooser(services.pdfSaver),
      m_printers(services.printers), m_csvChooser(services.portsCsvSaver),
      m_setupSaver(services.setupSaver), m_setupOpener(services.setupOpener),
      m_style(LocaleNumberStyle())
{
    setWindowTitle(QString::fromLatin1(kTitle));

    // Made top to bottom, so that the focus moves in reading order.
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sheetTabs"));
    m_tabs->addTab(buildTimingPage(), tr("Ti&ming"));
    m_panel = new TimeAreaPanel(
        m_style, [this] { return unit(); }, this);
    m_panel->setObjectName(QStringLiteral("timeAreaPanel"));
    m_tabs->addTab(m_panel, tr("Time-&area"));
    m_tabOrder.append(m_panel->focusOrder());
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(m_tabs);
    whole->addLayout(buildButtons());

    for (int i = 1; i < m_tabOrder.size(); ++i) {
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
    }
    connect(m_unit, &QComboBox::currentIndexChanged, this, &PortTimingSheet::unitChanged);
    connect(m_panel, &TimeAreaPanel::edited, this, &PortTimingSheet::recalculate);
    // A page's wrapped texts get their heights once it is shown at its width.
    connect(m_tabs, &QTabWidget::currentChanged, this, &PortTimingSheet::fitWrappedTexts);
    recalculate();
    m_rows[0].name->setFocus();
}

QWidget* PortTimingSheet::buildTimingPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("timingPage"));
    m_summary = ResultLabel(page, QStringLiteral("summaryLab"));
    m_summary->setToolTip(QString::fromLatin1(kStrokeExplained));
    m_note = ResultLabel(page, QStringLiteral("noteLab"), true);
    auto* heights = new QLabel(QString::fromLatin1(kHeightsExplained), page);
    heights->setObjectName(QStringLiteral("heightsLab"));
    heights->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(m_summary);
    left->addWidget(m_note);
    left->addLayout(buildSetUp());
    left->addWidget(heights);
    left->addLayout(buildRows());
    left->addLayout(buildTarget());
    left->addStretch();
    m_diagram = new PortTimingDiagram(page);
    auto* whole = new QHBoxLayout(page);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addLayout(left, 1);
    whole->addWidget(m_diagram);
    return page;
}

PortTimingSheet::~PortTimingSheet() = default;

void PortTimingSheet::makeLengthBox(LengthBox& length, const QString& name, bool allowMinus)
{
    MakeLengthBox(
        length, this, name, m_style, allowMinus, [this] { return unit(); },
        [this] { recalculate(); });
    m_tabOrder.append(length.box);
}

QLayout* PortTimingSheet::buildSetUp()
{
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("unitBox"));
    m_unit->addItems({QStringLiteral("mm"), QStringLiteral("inches")});
    m_tabOrder.append(m_unit);
    makeLengthBox(m_deck, QStringLiteral("deckTxt"), true);
    makeLengthBox(m_piston, QStringLiteral("pistonTxt"), false);
    m_deckMessage = ResultLabel(this, QStringLiteral("deckMessageLab"));
    m_pistonMessage = ResultLabel(this, QStringLiteral("pistonMessageLab"));

    auto* form = new QFormLayout;
    const auto row = [&](const QString& caption, QWidget* field, QLabel* message) {
        auto* line = new QHBoxLayout;
        line->addWidget(field);
        if (message != nullptr) {
            line->addWidget(message, 1);
        }
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, line);
    };
    row(tr("&Heights in:"), m_unit, nullptr);
    row(tr("&Deck, crown below the cylinder top at TDC:"), m_deck.box, m_deckMessage);
    row(tr("Piston &length, crown to skirt edge:"), m_piston.box, m_pistonMessage);
    return form;
}

QLayout* PortTimingSheet::buildRows()
{
    auto* grid = new QGridLayout;
    for (int c = 0; c < 6; ++c) {
        m_captions[static_cast<std::size_t>(c)] =
            ResultLabel(this, QStringLiteral("headerLab_%1").arg(c));
        grid->addWidget(m_captions[static_cast<std::size_t>(c)], 0, c);
    }
    for (int i = 0; i < kMaxPorts; ++i) {
        PortRow& row = m_rows[static_cast<std::size_t>(i)];
        const int n = i + 1;
        row.name = new QLineEdit(this);
        row.name->setObjectName(QStringLiteral("portNameTxt_%1").arg(n));
        row.name->setMaxLength(kNameMaxChars);
        row.name->setPlaceholderText(QStringLiteral("Port %1").arg(n));
        row.name->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Transfer AB ")));
        m_tabOrder.append(row.name);
        row.role = new QComboBox(this);
        row.role->setObjectName(QStringLiteral("portRoleBox_%1").arg(n));
        for (int r = 0; r < kRoleCount; ++r) {
            row.role->addItem(QString::fromLatin1(RoleName(static_cast<PortRole>(r))));
        }
        row.role->setCurrentIndex(
            static_cast<int>(PortSheetInput{}.rows[static_cast<std::size_t>(i)].role));
        m_tabOrder.append(row.role);
        makeLengthBox(row.height, QStringLiteral("portHeightTxt_%1").arg(n), true);
        row.opens = ResultLabel(this, QStringLiteral("opensLab_%1").arg(n));
        row.closes = ResultLabel(this, QStringLiteral("closesLab_%1").arg(n));
        row.duration = ResultLabel(this, QStringLiteral("durationLab_%1").arg(n));
        row.message = ResultLabel(this, QStringLiteral("portMessageLab_%1").arg(n), true);
        int column = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{row.name, row.role, row.height.box,
                                                          row.opens, row.closes, row.duration}) {
            grid->addWidget(w, n, column++);
        }
        grid->addWidget(row.message, n, 3, 1, 3); // over the angles, shown in their place
        connect(row.name, &QLineEdit::textChanged, this, &PortTimingSheet::recalculate);
        connect(row.role, &QComboBox::currentIndexChanged, this, &PortTimingSheet::recalculate);
    }
    return grid;
}

QLayout* PortTimingSheet::buildTarget()
{
    m_targetRow = new QComboBox(this);
    m_targetRow->setObjectName(QStringLiteral("targetRowBox"));
    for (int i = 0; i < kMaxPorts; ++i) {
        m_targetRow->addItem(QStringLiteral("Row %1").arg(i + 1));
    }
    m_targetKind = new QComboBox(this);
    m_targetKind->setObjectName(QStringLiteral("targetKindBox"));
    m_targetKind->addItems({tr("opening angle (deg)"), tr("duration (deg)")});
    m_target = new QLineEdit(this);
    m_target->setObjectName(QStringLiteral("targetTxt"));
    m_target->setMaxLength(kTargetMaxChars);
    MakeNumberBox(*m_target, m_style, true);
    m_targetResult = ResultLabel(this, QStringLiteral("targetLab"), true);
    m_tabOrder.append({m_targetRow, m_targetKind, m_target});
    connect(m_targetRow, &QComboBox::currentIndexChanged, this, &PortTimingSheet::recalculate);
    connect(m_targetKind, &QComboBox::currentIndexChanged, this, &PortTimingSheet::recalculate);
    connect(m_target, &QLineEdit::textChanged, this, &PortTimingSheet::recalculate);

    auto* caption = new QLabel(tr("&Target for"), this);
    caption->setBuddy(m_targetRow);
    auto* line = new QHBoxLayout;
    line->addWidget(caption);
    line->addWidget(m_targetRow);
    line->addWidget(m_targetKind);
    line->addWidget(m_target);
    auto* target = new QVBoxLayout;
    target->addLayout(line);
    target->addWidget(m_targetResult);
    return target;
}

QLayout* PortTimingSheet::buildButtons()
{
    auto* buttons = new QHBoxLayout;
    m_buttons = buttons;
    const auto add = [&](const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        m_tabOrder.append(button);
        return button;
    };
    connect(add(tr("&Copy"), QStringLiteral("copyCom")), &QPushButton::clicked, this,
            &PortTimingSheet::copyRows);
    connect(add(tr("&Save as PDF..."), QStringLiteral("savePdfCom")), &QPushButton::clicked, this,
            &PortTimingSheet::saveAsPdf);
    connect(add(tr("&Print..."), QStringLiteral("printCom")), &QPushButton::clicked, this,
            &PortTimingSheet::print);
    connect(add(tr("Save as CS&V..."), QStringLiteral("saveCsvCom")), &QPushButton::clicked, this,
            &PortTimingSheet::saveAsCsv);
    connect(add(tr("Open Set&up..."), QStringLiteral("openSetupCom")), &QPushButton::clicked, this,
            &PortTimingSheet::openSetup);
    connect(add(tr("Sav&e Setup..."), QStringLiteral("saveSetupCom")), &QPushButton::clicked, this,
            &PortTimingSheet::saveSetup);
    m_close = add(tr("Cl&ose"), QStringLiteral("closeCom"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

void PortTimingSheet::addCommand(QAction* command)
{
    auto* button = new QPushButton(command->text(), this);
    button->setObjectName(command->objectName());
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, command, &QAction::trigger);
    m_buttons->insertWidget(m_buttons->indexOf(m_close), button);
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

LengthUnit PortTimingSheet::unit() const
{
    return m_unit->currentIndex() == 1 ? LengthUnit::Inch : LengthUnit::Millimetre;
}

PortSheetInput PortTimingSheet::input() const
{
    PortSheetInput in;
    in.unit = unit();
    in.deck = m_deck.typed;
    in.pistonLength = m_piston.typed;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const PortRow& row = m_rows[i];
        in.rows[i].name = row.name->text().toStdString();
        in.rows[i].role = static_cast<PortRole>(row.role->currentIndex());
        in.rows[i].height = row.height.typed;
    }
    in.targetRow = m_targetRow->currentIndex();
    in.target = m_targetKind->currentIndex() == 1 ? TimingTarget::Duration : TimingTarget::Opening;
    in.targetDegrees = m_target->text().toStdString();
    m_panel->fill(in);
    return in;
}

void PortTimingSheet::recalculate()
{
    if (m_panel == nullptr) {
        return; // still being built
    }
    m_view = BuildPortSheetView(m_engine, input(), m_style);
    render();
}

void PortTimingSheet::unitChanged()
{
    recalculate();
    // The boxes show their lengths in the new unit; the texts as typed stay
    // behind them.
    const auto show = [](const LengthBox& length, const LengthView& view) {
        length.box->setText(QtText(view.shown));
    };
    show(m_deck, m_view.deck);
    show(m_piston, m_view.pistonLength);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        show(m_rows[i].height, m_view.rows[i].height);
    }
    m_panel->showLengths(m_view);
}

void PortTimingSheet::render()
{
    QStringList summary;
    for (const SummaryLine& line : m_view.summary) {
        summary.append(QtText(line.label + " " + line.value));
    }
    m_summary->setText(summary.join('\n'));
    m_note->setText(QtText(m_view.note));
    m_deckMessage->setText(QtText(m_view.deck.message));
    m_pistonMessage->setText(QtText(m_view.pistonLength.message));
    for (std::size_t c = 0; c < m_captions.size(); ++c) {
        m_captions[c]->setText(QtText(m_view.captions[c]));
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const PortRow& row = m_rows[i];
        const PortRowView& shown = m_view.rows[i];
        row.opens->setText(QtText(shown.opensText));
        row.closes->setText(QtText(shown.closesText));
        row.duration->setText(QtText(shown.durationText));
        row.message->setText(QtText(shown.message));
        // The message stands in the angles' place.
        row.message->setVisible(!shown.message.empty());
        for (QLabel* angle : {row.opens, row.closes, row.duration}) {
            angle->setVisible(shown.message.empty());
        }
    }
    m_targetResult->setText(QtText(m_view.target.line));
    m_diagram->setDiagram(m_view.diagram);
    m_panel->render(m_view);
    fitWrappedTexts();
}

void PortTimingSheet::fitWrappedTexts()
{
    // A window's layout does not give a wrapped text the height its width
    // needs by itself; each asks for it, and the window grows to hold them.
    // The pages of the tabs have layouts of their own, which the window's
    // does not lay out again by itself.
    const auto activate = [this] {
        for (int page = 0; page < m_tabs->count(); ++page) {
            m_tabs->widget(page)->layout()->activate();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        layout()->activate();
    };
    // A label's height for a width is never less than its minimum, so the
    // old minimum goes first, or a height once needed would stay. A label not
    // on show asks for nothing: until its page shows it has no width of its
    // own, and it is measured when its page shows.
    // Nor do the layouts ask a label its height for a width themselves: a
    // tab page would answer for every page, at its narrowest.
    QList<QLabel*> wrapped;
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            QSizePolicy policy = label->sizePolicy();
            policy.setHeightForWidth(false);
            label->setSizePolicy(policy);
            label->setMinimumHeight(0);
            wrapped.append(label);
        }
    }
    activate();
    for (QLabel* label : wrapped) {
        if (label->isVisible() && !label->text().isEmpty()) {
            label->setMinimumHeight(label->heightForWidth(label->width()));
        }
    }
    activate();
}

void PortTimingSheet::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitWrappedTexts();
    // Once more when the pages have been laid out at the new size: on the
    // first showing their texts have no widths yet.
    QTimer::singleShot(0, this, &PortTimingSheet::fitWrappedTexts);
}

void PortTimingSheet::copyRows()
{
    QGuiApplication::clipboard()->setText(QtText(RecordsAsTsv(PortSheetRecords(m_view))));
}

namespace {

PageDrawing sheetPage(const PortSheetView& view)
{
    return [&view](PagePrinter& printer) { return PrintPortSheetPage(view, printer); };
}

PageJob sheetJob(const PortSheetView& view)
{
    return {QStringLiteral("Port timing"),
            SuggestedSavePath(QString::fromStdString(PortSheetFileName(view))), "Page Not Saved"};
}

} // namespace

void PortTimingSheet::saveAsPdf()
{
    SavePageAsPdfFile(sheetPage(m_view), sheetJob(m_view), m_pdfChooser, m_messages);
}

void PortTimingSheet::print()
{
    PrintPage(sheetPage(m_view), sheetJob(m_view), m_printers, m_pdfChooser, m_messages);
}

} // namespace crank

namespace crank {

void PortTimingSheet::saveAsCsv()
{
    const std::vector<Record> records = PortSheetRecords(m_view);
    SaveCsvFile([&](CsvDialect dialect) { return RecordsAsCsv(records, dialect, m_style.decimal); },
                {SuggestedSavePath(QString::fromStdString(
                     EngineFileName(m_view.engineName, "ports", "ports", "csv"))),
                 "The ports", "File Not Saved"},
                m_csvChooser, m_messages);
}

void PortTimingSheet::saveSetup()
{
    const QString path = m_setupSaver.chooseSavePath(SuggestedSavePath(QString::fromStdString(
        EngineFileName(m_view.engineName, "port setup", "port-setup", "json"))));
    if (path.isEmpty()) {
        return;
    }
    RememberSaveFolder(path);
    const QString reason = WriteWholeFile(path, SetupAsJson({m_engine.typed, input()}, m_style));
    if (!reason.isEmpty()) {
        m_messages.show(SaveFailedPrompt("The setup", path, reason), "Setup Not Saved");
    }
}

void PortTimingSheet::openSetup()
{
    const QString path = m_setupOpener.chooseOpenPath(SaveFolder());
    if (path.isEmpty()) {
        return;
    }
    RememberSaveFolder(path);
    constexpr qint64 kLargest = 1 << 20; // a setup is a few kilobytes
    QFile file(path);
    std::string problem;
    SetupRead read;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = "could not be read: " + file.errorString().toStdString() + ".";
    } else if (file.size() > kLargest) {
        problem = "is not a port setup: it is far too large.";
    } else {
        read = ReadSetup(file.readAll(), m_style);
        problem = read.problem;
    }
    if (!read.setup) {
        m_messages.show("The file " + path.toStdString() + " " + problem +
                            " The sheet is left as it was.",
                        "Setup Not Opened");
        return;
    }
    load(read.setup->input);
    const std::string other = OtherEngineNote(read.setup->engine, m_engine);
    if (!other.empty()) {
        m_messages.show(other, "Other Engine");
    }
}

void PortTimingSheet::load(const PortSheetInput& in)
{
    {
        const QSignalBlocker quiet(m_unit);
        m_unit->setCurrentIndex(in.unit == LengthUnit::Inch ? 1 : 0);
    }
    const auto set = [](LengthBox& length, const TypedLength& typed) {
        length.typed = typed;
        length.box->setText(QtText(typed.text));
    };
    set(m_deck, in.deck);
    set(m_piston, in.pistonLength);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        PortRow& row = m_rows[i];
        row.name->setText(QtText(in.rows[i].name));
        row.role->setCurrentIndex(static_cast<int>(in.rows[i].role));
        set(row.height, in.rows[i].height);
    }
    m_targetRow->setCurrentIndex(in.targetRow);
    m_targetKind->setCurrentIndex(in.target == TimingTarget::Duration ? 1 : 0);
    m_target->setText(QtText(in.targetDegrees));
    m_panel->load(in);
    // Lengths typed in the other unit show converted, as after a change of unit.
    unitChanged();
}

} // namespace crank
