#include "tables/port_timing_sheet.h"

#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "model/numeric_text.h"
#include "platform/print_targets.h"
#include "tables/port_timing_diagram.h"
#include "tables/table_builder.h"

namespace crank {
namespace {

// Long enough for 1000 mm in inches to 0.0001 ("39.3701") and a minus.
constexpr int kLengthMaxChars = 8;
constexpr int kNameMaxChars = 14;
constexpr int kTargetMaxChars = 6;

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// A typed length in another unit: inches to 0.0001, mm to 0.001, so that
// nothing measurable is lost; trailing zeros dropped.
QString converted(const QString& typed, LengthUnit from, LengthUnit to)
{
    if (typed.isEmpty()) {
        return typed;
    }
    const double mm = from == LengthUnit::Inch
                          ? ReadNumber(typed.toStdString()) * kMillimetresPerInch
                          : ReadNumber(typed.toStdString());
    const double value = to == LengthUnit::Inch ? mm / kMillimetresPerInch : mm;
    QString out = QString::number(value, 'f', to == LengthUnit::Inch ? 4 : 3);
    while (out.endsWith('0')) {
        out.chop(1);
    }
    if (out.endsWith('.')) {
        out.chop(1);
    }
    return out == QLatin1String("-0") ? QStringLiteral("0") : out;
}

} // namespace

PortTimingSheet::PortTimingSheet(MessageBox& messages, SaveFileChooser& pdfChooser, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_pdfChooser(pdfChooser),
      m_ownPrinters(std::make_unique<SystemPrinterSource>()), m_printers(m_ownPrinters.get())
{
    setWindowTitle(QString::fromLatin1(kTitle));

    m_summaryLab = new QLabel(this);
    m_summaryLab->setObjectName(QStringLiteral("summaryLab"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("noteLab"));
    m_note->setWordWrap(true);

    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("unitBox"));
    m_unit->addItems({QStringLiteral("mm"), QStringLiteral("inches")});
    auto* units = new QFormLayout;
    units->addRow(tr("Heights in:"), m_unit);
    units->addRow(tr("Crown below the cylinder top at TDC (deck):"),
                  makeLengthBox(QStringLiteral("deckTxt"), true));

    auto* copy = new QPushButton(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("copyCom"));
    auto* save = new QPushButton(tr("Save as PDF..."), this);
    save->setObjectName(QStringLiteral("savePdfCom"));
    auto* print = new QPushButton(tr("Print..."), this);
    print->setObjectName(QStringLiteral("printCom"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeCom"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {copy, save, print, close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(copy, &QPushButton::clicked, this, &PortTimingSheet::copyRows);
    connect(save, &QPushButton::clicked, this, &PortTimingSheet::saveAsPdf);
    connect(print, &QPushButton::clicked, this, &PortTimingSheet::print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(m_summaryLab);
    left->addWidget(m_note);
    left->addLayout(units);
    left->addLayout(buildRows());
    left->addLayout(buildTarget());
    left->addStretch();
    left->addLayout(buttons);
    m_diagram = new PortTimingDiagram(this);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addWidget(m_diagram);

    connect(m_unit, &QComboBox::currentIndexChanged, this, &PortTimingSheet::unitChanged);
    recalculate();
    m_rows[0].name->setFocus();
}

PortTimingSheet::~PortTimingSheet() = default;

QLineEdit* PortTimingSheet::makeLengthBox(const QString& name, bool allowMinus)
{
    // Filled in order: the deck first, then the rows' heights.
    auto it = std::find_if(m_lengths.begin(), m_lengths.end(),
                           [](const LengthBox& l) { return l.box == nullptr; });
    LengthBox& length = *it;
    length.box = new QLineEdit(this);
    length.box->setObjectName(name);
    length.box->setMaxLength(kLengthMaxChars);
    length.allowMinus = allowMinus;
    connect(length.box, &QLineEdit::textChanged, this, [this, &length] { lengthEdited(length); });
    return length.box;
}

QLayout* PortTimingSheet::buildRows()
{
    auto* grid = new QGridLayout;
    const std::vector<std::string> captions = PortSheetHeader(LengthUnit::Millimetre);
    for (int c = 0; c < 6; ++c) {
        auto* caption = new QLabel(text(captions[static_cast<std::size_t>(c)]), this);
        caption->setObjectName(QStringLiteral("headerLab_%1").arg(c));
        grid->addWidget(caption, 0, c);
    }
    for (int i = 0; i < kMaxPorts; ++i) {
        PortRow& row = m_rows[static_cast<std::size_t>(i)];
        const int n = i + 1;
        row.name = new QLineEdit(this);
        row.name->setObjectName(QStringLiteral("portNameTxt_%1").arg(n));
        row.name->setMaxLength(kNameMaxChars);
        row.name->setPlaceholderText(portName(i));
        row.name->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Transfer AB ")));
        row.kind = new QComboBox(this);
        row.kind->setObjectName(QStringLiteral("portKindBox_%1").arg(n));
        row.kind->addItems({QStringLiteral("crown"), QStringLiteral("skirt")});
        row.height = makeLengthBox(QStringLiteral("portHeightTxt_%1").arg(n), false);
        row.opens = new QLabel(this);
        row.closes = new QLabel(this);
        row.duration = new QLabel(this);
        row.message = new QLabel(this);
        row.opens->setObjectName(QStringLiteral("opensLab_%1").arg(n));
        row.closes->setObjectName(QStringLiteral("closesLab_%1").arg(n));
        row.duration->setObjectName(QStringLiteral("durationLab_%1").arg(n));
        row.message->setObjectName(QStringLiteral("portMessageLab_%1").arg(n));
        row.message->setWordWrap(true);
        int column = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{row.name, row.kind, row.height, row.opens,
                                                          row.closes, row.duration}) {
            grid->addWidget(w, n, column++);
        }
        grid->addWidget(row.message, n, 3, 1, 3); // over the angles, shown in their place
        connect(row.name, &QLineEdit::textChanged, this, &PortTimingSheet::recalculate);
        connect(row.kind, &QComboBox::currentIndexChanged, this, &PortTimingSheet::recalculate);
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
    connect(m_target, &QLineEdit::textChanged, this, [this](const QString& typed) {
        if (!IsNumericText(typed.toStdString(), true, true)) {
            m_target->clear();
        }
    });
    auto* find = new QPushButton(tr("Find Height"), this);
    find->setObjectName(QStringLiteral("findHeightCom"));
    find->setAutoDefault(false);
    connect(find, &QPushButton::clicked, this, &PortTimingSheet::findHeight);
    m_targetResult = new QLabel(this);
    m_targetResult->setObjectName(QStringLiteral("targetLab"));
    m_targetResult->setWordWrap(true);

    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(tr("Target for"), this));
    line->addWidget(m_targetRow);
    line->addWidget(m_targetKind);
    line->addWidget(m_target);
    line->addWidget(find);
    auto* target = new QVBoxLayout;
    target->addLayout(line);
    target->addWidget(m_targetResult);
    return target;
}

void PortTimingSheet::setEngine(const EngineSnapshot& engine)
{
    m_engine = engine;
    m_summary.clear();
    for (const SummaryLine& line : EngineSummaryLines(engine)) {
        m_summary.push_back(line.label + " " + line.value);
    }
    QStringList lines;
    for (const std::string& line : m_summary) {
        lines.push_back(text(line));
    }
    m_summaryLab->setText(lines.join('\n'));
    m_targetResult->clear();
    recalculate();
}

void PortTimingSheet::setPrinterSource(PrinterSource& printers)
{
    m_printers = &printers;
}

LengthUnit PortTimingSheet::unit() const
{
    return m_unit->currentIndex() == 1 ? LengthUnit::Inch : LengthUnit::Millimetre;
}

float PortTimingSheet::deck() const
{
    return static_cast<float>(ReadNumber(m_lengths[0].box->text().toStdString()));
}

PortKind PortTimingSheet::kindOf(const PortRow& row) const
{
    return row.kind->currentIndex() == 1 ? PortKind::SkirtOpened : PortKind::CrownOpened;
}

QString PortTimingSheet::portName(int index) const
{
    const QLineEdit* name = m_rows[static_cast<std::size_t>(index)].name;
    // A pasted tab would split the copied row.
    const QString typed = name != nullptr ? name->text().replace('\t', ' ').trimmed() : QString();
    return typed.isEmpty() ? QStringLiteral("Port %1").arg(index + 1) : typed;
}

void PortTimingSheet::lengthEdited(LengthBox& length)
{
    // The value boxes' filter: a rejected keystroke empties the box.
    if (!IsNumericText(length.box->text().toStdString(), length.allowMinus, true)) {
        length.box->clear();
        return;
    }
    if (!m_converting) {
        length.typed = length.box->text();
        length.typedUnit = unit();
    }
    recalculate();
}

void PortTimingSheet::unitChanged()
{
    m_converting = true;
    for (LengthBox& length : m_lengths) {
        length.box->setText(length.typedUnit == unit()
                                ? length.typed
                                : converted(length.typed, length.typedUnit, unit()));
    }
    m_converting = false;
    const std::vector<std::string> captions = PortSheetHeader(unit());
    findChild<QLabel*>(QStringLiteral("headerLab_2"))->setText(text(captions[2]));
    m_targetResult->clear();
    recalculate();
}

void PortTimingSheet::recalculate()
{
    if (m_diagram == nullptr) {
        return; // still being built
    }
    m_note->setText(text(AsymmetryNote(m_engine.geometry)));
    TimingDiagramData diagram;
    diagram.bdcAngle = m_engine.geometry.BdcAngle;
    for (int i = 0; i < kMaxPorts; ++i) {
        PortRow& row = m_rows[static_cast<std::size_t>(i)];
        for (QLabel* label : {row.opens, row.closes, row.duration, row.message}) {
            label->clear();
        }
        row.message->hide();
        const std::string typed = row.height->text().toStdString();
        if (typed.empty()) {
            continue;
        }
        const PortKind kind = kindOf(row);
        const float height = static_cast<float>(ReadNumber(typed));
        const PortTiming timing =
            TimePort(m_engine.geometry, m_engine.model, kind, height, deck(), unit());
        const std::vector<std::string> cells =
            PortRowCells(portName(i).toStdString(), kind, height, unit(), timing);
        if (!timing.ok) {
            row.message->setText(text(timing.message));
            row.message->show();
            continue;
        }
        row.opens->setText(text(cells[3]));
        row.closes->setText(text(cells[4]));
        row.duration->setText(text(cells[5]));
        diagram.ports.push_back({portName(i), kind, timing.opens, timing.closes, timing.duration});
    }
    m_diagram->setData(std::move(diagram));
}

void PortTimingSheet::findHeight()
{
    const int index = m_targetRow->currentIndex();
    const PortKind kind = kindOf(m_rows[static_cast<std::size_t>(index)]);
    const TimingTarget target =
        m_targetKind->currentIndex() == 1 ? TimingTarget::Duration : TimingTarget::Opening;
    if (m_target->text().isEmpty()) {
        m_targetResult->setText(tr("Type the target in degrees."));
        return;
    }
    const float degrees = static_cast<float>(ReadNumber(m_target->text().toStdString()));
    const PortHeight found =
        FindPortHeight(m_engine.geometry, m_engine.model, kind, target, degrees, deck(), unit());
    if (!found.ok) {
        m_targetResult->setText(text(found.message));
        return;
    }
    m_targetResult->setText(tr("%1 needs a height of %2 %3.")
                                .arg(portName(index), text(FormatLength(found.height, unit())),
                                     QLatin1String(UnitName(unit()))));
}

PortTimingPage PortTimingSheet::page() const
{
    PortTimingPage page;
    page.summary = m_summary;
    page.note = m_note->text().toStdString();
    page.deck = "Deck (crown below the cylinder top at TDC): " + FormatLength(deck(), unit()) +
                " " + UnitName(unit());
    page.rows.push_back(PortSheetHeader(unit()));
    for (int i = 0; i < kMaxPorts; ++i) {
        const PortRow& row = m_rows[static_cast<std::size_t>(i)];
        const std::string typed = row.height->text().toStdString();
        if (typed.empty()) {
            continue;
        }
        const float height = static_cast<float>(ReadNumber(typed));
        const PortTiming timing =
            TimePort(m_engine.geometry, m_engine.model, kindOf(row), height, deck(), unit());
        page.rows.push_back(
            PortRowCells(portName(i).toStdString(), kindOf(row), height, unit(), timing));
    }
    page.diagram = m_diagram->data();
    return page;
}

QString PortTimingSheet::rowsAsTsv() const
{
    QStringList lines;
    for (const std::vector<std::string>& row : page().rows) {
        QStringList cells;
        for (const std::string& cell : row) {
            cells.push_back(text(cell));
        }
        lines.push_back(cells.join('\t'));
    }
    return lines.join('\n') + '\n';
}

void PortTimingSheet::copyRows()
{
    QGuiApplication::clipboard()->setText(rowsAsTsv());
}

void PortTimingSheet::saveAsPdf()
{
    SavePortTimingAsPdf(page(), m_pdfChooser, m_messages);
}

void PortTimingSheet::print()
{
    PrintPortTiming(page(), *m_printers, m_pdfChooser, m_messages);
}

} // namespace crank
