#include "wheel/wheel_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/number_box.h"
#include "platform/page_output.h"
#include "platform/save_location.h"
#include "platform/services.h"
#include "platform/tool_window.h"
#include "wheel/check_words.h"
#include "wheel/wheel_page.h"
#include "wheel/wheel_preview.h"

namespace crank {
namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// A port the crown opens opens ATDC and closes BTDC; one the skirt opens the other way round.
void sidesForKind(WheelInput& input)
{
    const bool crown = input.portKind == PortKind::CrownOpened;
    input.portOpens.side = crown ? TdcSide::Atdc : TdcSide::Btdc;
    input.portCloses.side = crown ? TdcSide::Btdc : TdcSide::Atdc;
}

} // namespace

WheelDialog::WheelDialog(WheelInput& input, const Services& services, QWidget* parent)
    : QDialog(parent), m_messages(services.messages), m_pdfChooser(services.pdfSaver),
      m_printers(services.printers), m_style(LocaleNumberStyle()), m_input(input)
{
    build();
}

WheelDialog::~WheelDialog() = default;

void WheelDialog::build()
{
    setWindowTitle(QString::fromLatin1(kTitle));
    // The settings and the checks scroll on a short screen; the buttons stay in view.
    auto* settings = new QWidget;
    auto* column = new QVBoxLayout(settings);
    m_engineMessage = messageLabel(QStringLiteral("engineMessageLab"));
    column->addWidget(m_engineMessage);
    column->addWidget(buildWheelBox());
    column->addWidget(buildChecks());
    column->addStretch();
    // Asks for the whole of its page, so that the window opens showing all
    // of it where the screen has the room.
    m_scroll = ScrollingPage(settings, this);
    m_scroll->setObjectName(QStringLiteral("settingsScroll"));
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As wide as the settings with room kept for the scroll bar, so that
    // nothing moves sideways when it comes or goes.
    m_scroll->setFixedWidth(settings->sizeHint().width() +
                            m_scroll->verticalScrollBar()->sizeHint().width() +
                            2 * m_scroll->frameWidth());

    auto* buttons = new QHBoxLayout;
    m_buttons = buttons;
    m_copy = AddButton(*buttons, *this, tr("&Copy"), QStringLiteral("copyCom"));
    m_save = AddButton(*buttons, *this, tr("&Save as PDF..."), QStringLiteral("savePdfCom"));
    m_print = AddButton(*buttons, *this, tr("Pri&nt..."), QStringLiteral("printCom"));
    m_close = AddButton(*buttons, *this, tr("Clos&e"), QStringLiteral("closeCom"));
    QPushButton* close = m_close;
    connect(m_copy, &QPushButton::clicked, this, &WheelDialog::copyEvents);
    connect(m_save, &QPushButton::clicked, this, &WheelDialog::saveAsPdf);
    connect(m_print, &QPushButton::clicked, this, &WheelDialog::print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* left = new QVBoxLayout;
    left->addWidget(m_scroll, 1);
    left->addLayout(buttons);

    m_preview = new WheelPreview(this);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left);
    whole->addWidget(m_preview, 1);
    m_built = true;
    showInput();
    // It opens as tall as every setting and check needs where the screen
    // has the room.
    FitToScreen(*this);
    m_diameter->setFocus();
}

QLineEdit* WheelDialog::numberBox(const QString& name, bool allowMinus, int maxChars,
                                  std::string& (*field)(WheelInput&))
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(maxChars);
    MakeNumberBox(*box, m_style, allowMinus);
    connect(box, &QLineEdit::textEdited, this, [this, field](const QString& typed) {
        field(m_input) = typed.toStdString();
        render();
        emit edited();
    });
    m_texts.push_back({box, field});
    return box;
}

// A choice whose items stand in the order of the enum's values.
template <class Choice>
QComboBox* WheelDialog::choiceBox(const QString& name, const QStringList& items,
                                  Choice& (*field)(WheelInput&))
{
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->addItems(items);
    connect(box, &QComboBox::currentIndexChanged, this, [this, field](int index) {
        field(m_input) = static_cast<Choice>(index);
        render();
        emit edited();
    });
    m_choices.push_back(
        {box, [field](WheelInput& input) { return static_cast<int>(field(input)); }});
    return box;
}

QComboBox* WheelDialog::sideBox(const QString& name, TdcSide& (*field)(WheelInput&))
{
    QComboBox* box = choiceBox(name, {tr("BTDC"), tr("ATDC")}, field);
    m_sides.push_back(box);
    return box;
}

QLabel* WheelDialog::messageLabel(const QString& name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

void WheelDialog::addRow(QFormLayout& form, const QString& caption, QWidget* field,
                         std::initializer_list<QWidget*> beside)
{
    auto* line = new QHBoxLayout;
    line->addWidget(field);
    for (QWidget* widget : beside) {
        line->addWidget(widget);
    }
    line->addStretch();
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    form.addRow(label, line);
}

// Created in the order the keyboard visits them. Each message in a row of
// its own under its box, there only when it speaks.
QWidget* WheelDialog::buildWheelBox()
{
    auto* box = new QGroupBox(tr("Wheel and strip"), this);
    auto* form = new QFormLayout(box);
    QComboBox* sheet = choiceBox(
        QStringLiteral("sheetBox"), {tr("degree wheel"), tr("timing strip")},
        +[](WheelInput& in) -> WheelSheet& { return in.sheet; });
    QComboBox* marking = choiceBox(
        QStringLiteral("markingBox"), {tr("0-180-0 (both ways from TDC)"), tr("0-360")},
        +[](WheelInput& in) -> WheelMarking& { return in.marking; });
    m_diameter = numberBox(QStringLiteral("diameterTxt"), false, 6,
                           [](WheelInput& in) -> std::string& { return in.diameter; });
    m_diameterMessage = messageLabel(QStringLiteral("diameterMessageLab"));
    QLineEdit* hole = numberBox(QStringLiteral("holeTxt"), false, 6,
                                [](WheelInput& in) -> std::string& { return in.hole; });
    m_holeMessage = messageLabel(QStringLiteral("holeMessageLab"));
    QComboBox* turning = choiceBox(
        QStringLiteral("turningBox"), {tr("clockwise"), tr("anticlockwise")},
        +[](WheelInput& in) -> Turning& { return in.turning; });
    QLineEdit* ignition = numberBox(QStringLiteral("ignitionTxt"), false, 6,
                                    [](WheelInput& in) -> std::string& { return in.ignition; });
    QComboBox* unit = choiceBox(
        QStringLiteral("ignitionUnitBox"), {tr("mm BTDC"), tr("degrees BTDC")},
        +[](WheelInput& in) -> IgnitionUnit& { return in.ignitionUnit; });
    m_ignitionMessage = messageLabel(QStringLiteral("ignitionMessageLab"));
    QLineEdit* rim = numberBox(QStringLiteral("rimTxt"), false, 6,
                               [](WheelInput& in) -> std::string& { return in.rim; });
    m_rimMessage = messageLabel(QStringLiteral("rimMessageLab"));

    addRow(*form, tr("Pa&ge:"), sheet, {});
    addRow(*form, tr("Wheel &marked:"), marking, {});
    addRow(*form, tr("Wheel &diameter (mm):"), m_diameter, {});
    form->addRow(m_diameterMessage);
    addRow(*form, tr("&Hole (mm):"), hole, {});
    form->addRow(m_holeMessage);
    addRow(*form, tr("Engine &turns, seen from the wheel:"), turning, {});
    addRow(*form, tr("&Ignition:"), ignition, {unit});
    form->addRow(m_ignitionMessage);
    addRow(*form, tr("Strip's &rim diameter (mm):"), rim, {});
    form->addRow(m_rimMessage);
    return box;
}

QWidget* WheelDialog::buildChecks()
{
    auto* box = new QGroupBox(tr("Checks of a wheel on the engine (readings in degrees)"), this);
    auto* form = new QFormLayout(box);
    QLineEdit* before =
        numberBox(QStringLiteral("stopBeforeTxt"), true, 8,
                  [](WheelInput& in) -> std::string& { return in.stopBefore.degrees; });
    QComboBox* beforeSide = sideBox(QStringLiteral("stopBeforeSideBox"),
                                    [](WheelInput& in) -> TdcSide& { return in.stopBefore.side; });
    QLineEdit* after =
        numberBox(QStringLiteral("stopAfterTxt"), true, 8,
                  [](WheelInput& in) -> std::string& { return in.stopAfter.degrees; });
    QComboBox* afterSide = sideBox(QStringLiteral("stopAfterSideBox"),
                                   [](WheelInput& in) -> TdcSide& { return in.stopAfter.side; });
    QLineEdit* drop = numberBox(QStringLiteral("stopDropTxt"), false, 7,
                                [](WheelInput& in) -> std::string& { return in.stopDrop; });
    m_stopResult = messageLabel(QStringLiteral("stopResultLab"));
    QComboBox* kind = choiceBox(
        QStringLiteral("portKindBox"),
        {tr("crown-opened (exhaust, transfer)"), tr("skirt-opened (inlet)")},
        +[](WheelInput& in) -> PortKind& { return in.portKind; });
    // The sides follow the kind: a skirt-opened port opens BTDC.
    connect(kind, &QComboBox::currentIndexChanged, this, [this] {
        sidesForKind(m_input);
        showInput();
    });
    QLineEdit* opens =
        numberBox(QStringLiteral("portOpensTxt"), true, 8,
                  [](WheelInput& in) -> std::string& { return in.portOpens.degrees; });
    QComboBox* opensSide = sideBox(QStringLiteral("portOpensSideBox"),
                                   [](WheelInput& in) -> TdcSide& { return in.portOpens.side; });
    QLineEdit* closes =
        numberBox(QStringLiteral("portClosesTxt"), true, 8,
                  [](WheelInput& in) -> std::string& { return in.portCloses.degrees; });
    QComboBox* closesSide = sideBox(QStringLiteral("portClosesSideBox"),
                                    [](WheelInput& in) -> TdcSide& { return in.portCloses.side; });
    m_portResult = messageLabel(QStringLiteral("portResultLab"));

    addRow(*form, tr("Piston stop touched &before TDC at:"), before, {beforeSide});
    addRow(*form, tr("and &after TDC at:"), after, {afterSide});
    addRow(*form, tr("Stop's dro&p below TDC, if known (mm):"), drop, {});
    form->addRow(m_stopResult);
    addRow(*form, tr("Port &kind:"), kind, {});
    addRow(*form, tr("Port &opens at:"), opens, {opensSide});
    addRow(*form, tr("and c&loses at:"), closes, {closesSide});
    form->addRow(m_portResult);
    return box;
}

void WheelDialog::addCommand(QAction* command)
{
    AddCommandButton(*m_buttons, *this, *command, *m_close);
}

void WheelDialog::setInput(const WheelInput& input)
{
    m_input = input;
    showInput();
}

void WheelDialog::showInput()
{
    for (const TextField& text : m_texts) {
        ShowValue(*text.box, QString::fromStdString(InStyle(text.field(m_input), m_style)));
    }
    for (const ChoiceField& choice : m_choices) {
        const QSignalBlocker quiet(choice.box);
        choice.box->setCurrentIndex(choice.index(m_input));
    }
    render();
}

void WheelDialog::setEngine(const EngineSnapshot& engine,
                            const std::array<PortRowView, kMaxPorts>& ports)
{
    m_engine = engine;
    m_ports = ports;
    render();
}

void WheelDialog::render()
{
    if (!m_built) {
        return;
    }
    m_view = BuildWheelView(m_engine, m_ports, m_input, m_style);
    const WheelChecks checks = CheckWheel(m_engine, m_input, m_style);
    const auto say = [](QLabel* label, const std::string& message) {
        label->setText(text(message));
        label->setVisible(!message.empty());
    };
    say(m_engineMessage, m_view.engineMessage);
    say(m_diameterMessage, m_view.diameterMessage);
    say(m_holeMessage, m_view.holeMessage);
    say(m_ignitionMessage, m_view.ignitionMessage);
    say(m_rimMessage, m_view.rimMessage);
    say(m_stopResult, StopCheckWords(checks.stop, m_input.marking, m_style));
    say(m_portResult, PortCheckWords(checks.port, m_input.marking, m_style));
    for (QComboBox* side : m_sides) {
        side->setVisible(m_input.marking == WheelMarking::BothWays);
    }
    m_preview->setView(m_view);
    m_copy->setEnabled(!m_view.marks.empty());
    m_save->setEnabled(m_view.ready);
    m_print->setEnabled(m_view.ready);
}

void WheelDialog::copyEvents()
{
    QGuiApplication::clipboard()->setText(text(RecordsAsTsv(WheelRecords(m_view))));
}

namespace {

PageDrawing wheelPage(const WheelView& view)
{
    return [&view](PagePrinter& printer) { return PrintWheelPage(view, printer); };
}

PageJob wheelJob(const WheelView& view)
{
    PageJob job{view.sheet == WheelSheet::Wheel ? QStringLiteral("Degree wheel")
                                                : QStringLiteral("Timing strip"),
                SuggestedSavePath(QString::fromStdString(WheelFileName(view))), "Page Not Saved"};
    // Drawn at true size from the sheet's corner: nothing may move or scale it.
    job.fromSheetCorner = true;
    // A printer that cannot print that near the edge would cut the rim off.
    job.inkMarginMm = view.sheetMargin;
    return job;
}

} // namespace

void WheelDialog::saveAsPdf()
{
    if (m_view.ready) {
        SavePageAsPdfFile(wheelPage(m_view), wheelJob(m_view), m_pdfChooser, m_messages);
    }
}

void WheelDialog::print()
{
    if (m_view.ready) {
        PrintPage(wheelPage(m_view), wheelJob(m_view), m_printers, m_pdfChooser, m_messages);
    }
}

} // namespace crank
