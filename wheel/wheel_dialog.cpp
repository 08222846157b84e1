#include "wheel/wheel_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "platform/number_box.h"
#include "platform/page_output.h"
#include "platform/save_location.h"
#include "wheel/wheel_check.h"
#include "wheel/wheel_page.h"
#include "wheel/wheel_preview.h"

namespace crank {
namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// Two reading boxes read together: both values, or why not; nothing at all
// while both are empty.
struct Readings {
    std::optional<double> first;
    std::optional<double> second;
    std::string problem;
};

Readings readPair(const QLineEdit& a, const QLineEdit& b, const NumberStyle& style)
{
    Readings readings;
    const std::string first = a.text().toStdString();
    const std::string second = b.text().toStdString();
    if (first.empty() && second.empty()) {
        return readings;
    }
    readings.first = ReadTyped(first, style);
    readings.second = ReadTyped(second, style);
    if (first.empty() || second.empty()) {
        readings.problem = "Type both readings.";
    } else if (!readings.first || !readings.second) {
        readings.problem = "A reading is not a number.";
    }
    return readings;
}

} // namespace

WheelDialog::WheelDialog(MessageBox& messages, SaveFileChooser& pdfChooser, PrinterSource& printers,
                         QWidget* parent)
    : QDialog(parent), m_messages(messages), m_pdfChooser(pdfChooser), m_printers(printers),
      m_style(LocaleNumberStyle())
{
    setWindowTitle(QString::fromLatin1(kTitle));
    m_engineMessage = messageLabel(QStringLiteral("engineMessageLab"));
    auto* left = new QVBoxLayout;
    left->addWidget(m_engineMessage);
    left->addWidget(buildWheelBox());
    left->addWidget(buildChecks());
    left->addStretch();

    auto* buttons = new QHBoxLayout;
    const auto add = [&](const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    m_copy = add(tr("&Copy"), QStringLiteral("copyCom"));
    m_save = add(tr("&Save as PDF..."), QStringLiteral("savePdfCom"));
    m_print = add(tr("Pri&nt..."), QStringLiteral("printCom"));
    QPushButton* close = add(tr("Clos&e"), QStringLiteral("closeCom"));
    connect(m_copy, &QPushButton::clicked, this, &WheelDialog::copyEvents);
    connect(m_save, &QPushButton::clicked, this, &WheelDialog::saveAsPdf);
    connect(m_print, &QPushButton::clicked, this, &WheelDialog::print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    left->addLayout(buttons);

    m_preview = new WheelPreview(this);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left);
    whole->addWidget(m_preview, 1);
    m_built = true;
    recalculate();
    m_diameter->setFocus();
}

WheelDialog::~WheelDialog() = default;

QLineEdit* WheelDialog::numberBox(const QString& name, bool allowMinus, int maxChars)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(maxChars);
    MakeNumberBox(*box, m_style, allowMinus);
    connect(box, &QLineEdit::textChanged, this, &WheelDialog::recalculate);
    return box;
}

QLabel* WheelDialog::messageLabel(const QString& name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setWordWrap(true);
    // Its height is worked out for this width at the least, before the
    // window has its own.
    label->setMinimumWidth(fontMetrics().averageCharWidth() * 66);
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

QWidget* WheelDialog::buildWheelBox()
{
    auto* box = new QGroupBox(tr("Wheel and strip"), this);
    auto* form = new QFormLayout(box);
    const auto combo = [this](const QString& name, const QStringList& items) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->addItems(items);
        connect(c, &QComboBox::currentIndexChanged, this, &WheelDialog::recalculate);
        return c;
    };
    m_sheet = combo(QStringLiteral("sheetBox"), {tr("degree wheel"), tr("timing strip")});
    m_diameter = numberBox(QStringLiteral("diameterTxt"), false, 6);
    m_diameter->setText(QStringLiteral("180"));
    m_diameterMessage = messageLabel(QStringLiteral("diameterMessageLab"));
    m_hole = numberBox(QStringLiteral("holeTxt"), false, 6);
    m_hole->setText(QStringLiteral("10"));
    m_holeMessage = messageLabel(QStringLiteral("holeMessageLab"));
    m_turning = combo(QStringLiteral("turningBox"), {tr("clockwise"), tr("anticlockwise")});
    m_ignition = numberBox(QStringLiteral("ignitionTxt"), false, 6);
    m_ignitionUnit = combo(QStringLiteral("ignitionUnitBox"), {tr("mm BTDC"), tr("degrees BTDC")});
    m_ignitionUnit->setCurrentIndex(1);
    m_ignitionMessage = messageLabel(QStringLiteral("ignitionMessageLab"));
    m_rim = numberBox(QStringLiteral("rimTxt"), false, 6);
    m_rim->setText(QStringLiteral("150"));
    m_rimMessage = messageLabel(QStringLiteral("rimMessageLab"));

    // Each message in a row of its own under its box, there only when it speaks.
    addRow(*form, tr("Pa&ge:"), m_sheet, {});
    addRow(*form, tr("Wheel &diameter (mm):"), m_diameter, {});
    form->addRow(m_diameterMessage);
    addRow(*form, tr("&Hole (mm):"), m_hole, {});
    form->addRow(m_holeMessage);
    addRow(*form, tr("Engine &turns, seen from the wheel:"), m_turning, {});
    addRow(*form, tr("&Ignition:"), m_ignition, {m_ignitionUnit});
    form->addRow(m_ignitionMessage);
    addRow(*form, tr("Strip's &rim diameter (mm):"), m_rim, {});
    form->addRow(m_rimMessage);
    return box;
}

QWidget* WheelDialog::buildChecks()
{
    auto* box = new QGroupBox(tr("Checks of a wheel on the engine (readings in degrees)"), this);
    auto* form = new QFormLayout(box);
    m_stopBefore = numberBox(QStringLiteral("stopBeforeTxt"), true, 8);
    m_stopAfter = numberBox(QStringLiteral("stopAfterTxt"), true, 8);
    m_stopDrop = numberBox(QStringLiteral("stopDropTxt"), false, 7);
    m_stopResult = messageLabel(QStringLiteral("stopResultLab"));
    m_portKind = new QComboBox(this);
    m_portKind->setObjectName(QStringLiteral("portKindBox"));
    m_portKind->addItems({tr("crown-opened (exhaust, transfer)"), tr("skirt-opened (inlet)")});
    connect(m_portKind, &QComboBox::currentIndexChanged, this, &WheelDialog::recalculate);
    m_portOpens = numberBox(QStringLiteral("portOpensTxt"), true, 8);
    m_portCloses = numberBox(QStringLiteral("portClosesTxt"), true, 8);
    m_portResult = messageLabel(QStringLiteral("portResultLab"));

    addRow(*form, tr("Piston stop touched &before TDC at:"), m_stopBefore, {});
    addRow(*form, tr("and &after TDC at:"), m_stopAfter, {});
    addRow(*form, tr("Stop's dro&p below TDC, if known (mm):"), m_stopDrop, {});
    form->addRow(m_stopResult);
    addRow(*form, tr("Port &kind:"), m_portKind, {});
    addRow(*form, tr("Port &opens at:"), m_portOpens, {});
    addRow(*form, tr("and c&loses at:"), m_portCloses, {});
    form->addRow(m_portResult);
    return box;
}

void WheelDialog::setEngine(const EngineSnapshot& engine,
                            const std::array<PortRowView, kMaxPorts>& ports)
{
    m_engine = engine;
    m_ports = ports;
    recalculate();
}

void WheelDialog::recalculate()
{
    if (!m_built) {
        return;
    }
    WheelInput input;
    input.sheet = m_sheet->currentIndex() == 1 ? WheelSheet::Strip : WheelSheet::Wheel;
    input.diameter = m_diameter->text().toStdString();
    input.hole = m_hole->text().toStdString();
    input.turning = m_turning->currentIndex() == 1 ? Turning::Anticlockwise : Turning::Clockwise;
    input.ignition = m_ignition->text().toStdString();
    input.ignitionUnit = m_ignitionUnit->currentIndex() == 0 ? IgnitionUnit::MillimetresBtdc
                                                             : IgnitionUnit::DegreesBtdc;
    input.rim = m_rim->text().toStdString();
    m_view = BuildWheelView(m_engine, m_ports, input, m_style);

    const auto say = [](QLabel* label, const std::string& message) {
        label->setText(text(message));
        label->setVisible(!message.empty());
    };
    say(m_engineMessage, m_view.engineMessage);
    say(m_diameterMessage, m_view.diameterMessage);
    say(m_holeMessage, m_view.holeMessage);
    say(m_ignitionMessage, m_view.ignitionMessage);
    say(m_rimMessage, m_view.rimMessage);
    m_preview->setView(m_view);
    m_copy->setEnabled(!m_view.marks.empty());
    m_save->setEnabled(m_view.ready);
    m_print->setEnabled(m_view.ready);

    const Readings stop = readPair(*m_stopBefore, *m_stopAfter, m_style);
    std::string stopText = stop.problem;
    const std::string dropText = m_stopDrop->text().toStdString();
    const std::optional<double> drop = ReadTyped(dropText, m_style);
    if (stopText.empty() && stop.first && stop.second) {
        if (!dropText.empty() && !drop) {
            stopText = "The drop is not a number.";
        } else {
            const StopCheck check =
                FindTdcWithStop(m_engine, *stop.first, *stop.second, drop, m_style);
            stopText = check.found
                           ? check.result + (check.warning.empty() ? "" : " ") + check.warning
                           : check.message;
        }
    }
    say(m_stopResult, stopText);

    const Readings port = readPair(*m_portOpens, *m_portCloses, m_style);
    std::string portText = port.problem;
    if (portText.empty() && port.first && port.second) {
        const PortKind kind =
            m_portKind->currentIndex() == 1 ? PortKind::SkirtOpened : PortKind::CrownOpened;
        const PortCheck check =
            CheckWheelWithPort(m_engine, kind, *port.first, *port.second, m_style);
        portText = check.found ? check.result : check.message;
    }
    say(m_portResult, portText);
    fitWrappedTexts();
}

void WheelDialog::fitWrappedTexts()
{
    // A window's layout does not give a wrapped text the height its width
    // needs by itself; each asks for it, and the window grows to hold them.
    layout()->activate();
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            label->setMinimumHeight(
                label->text().isEmpty()
                    ? 0
                    : label->heightForWidth(std::max(label->width(), label->minimumWidth())));
        }
    }
}

void WheelDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitWrappedTexts();
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
