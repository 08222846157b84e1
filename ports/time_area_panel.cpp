#include "ports/time_area_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/number_box.h"
#include "ports/time_area.h"
#include "ports/timing_diagram_widget.h"

namespace crank {

namespace {

constexpr int kStaMaxChars = 10;

} // namespace

TimeAreaPanel::TimeAreaPanel(const NumberStyle& style, std::function<LengthUnit()> unit,
                             QWidget* parent)
    : QWidget(parent), m_style(style), m_unit(std::move(unit))
{
    auto* left = new QVBoxLayout;
    left->addLayout(buildEngine());
    left->addLayout(buildShapes());
    left->addLayout(buildFigures());
    left->addLayout(buildTargets());
    m_blowdown = ResultLabel(this, QStringLiteral("blowdownLab"), true);
    left->addWidget(m_blowdown);
    left->addLayout(buildWayBack());
    left->addStretch();
    m_plot = new AreaPlotWidget(this);
    auto* whole = new QHBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addLayout(left, 1);
    whole->addWidget(m_plot, 0, Qt::AlignTop);
}

QLineEdit* TimeAreaPanel::numberBox(const QString& name, int maxChars, bool allowMinus)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(maxChars);
    // As wide as what it takes, and no wider.
    box->setMaximumWidth(
        box->fontMetrics().horizontalAdvance(QString(std::min(maxChars, 7), QLatin1Char('0'))) +
        14);
    MakeNumberBox(*box, m_style, allowMinus);
    m_focus.append(box);
    return box;
}

void TimeAreaPanel::lengthBox(LengthBox& length, const QString& name)
{
    MakeLengthBox(length, this, name, m_style, true, m_unit, [this] { emit edited(); });
    m_focus.append(length.box);
}

QLayout* TimeAreaPanel::buildEngine()
{
    lengthBox(m_bore, QStringLiteral("boreTxt"));
    m_boreMessage = ResultLabel(this, QStringLiteral("boreMessageLab"));
    m_rpm = numberBox(QStringLiteral("rpmTxt"), 6, false);
    connect(m_rpm, &QLineEdit::textChanged, this, &TimeAreaPanel::edited);
    m_rpmMessage = ResultLabel(this, QStringLiteral("rpmMessageLab"));
    m_engine = ResultLabel(this, QStringLiteral("flowEngineLab"));
    auto* line = new QHBoxLayout;
    const auto add = [&](const QString& caption, QWidget* box, QLabel* message) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        line->addWidget(label);
        line->addWidget(box);
        line->addWidget(message);
    };
    add(tr("&Bore:"), m_bore.box, m_boreMessage);
    add(tr("&rpm:"), m_rpm, m_rpmMessage);
    line->addStretch();
    auto* engine = new QVBoxLayout;
    engine->addLayout(line);
    engine->addWidget(m_engine);
    return engine;
}

QLayout* TimeAreaPanel::buildShapes()
{
    auto* grid = new QGridLayout;
    const QStringList captions = {
        tr("Port"),  tr("Count"),    tr("Width"),  tr("Measured"),   tr("Window ht"),
        tr("Top r"), tr("Bottom r"), tr("Bridge"), tr("Area (mm²)"), tr("STA (s·cm²/cm³)")};
    for (int c = 0; c < captions.size(); ++c) {
        auto* caption = new QLabel(captions[c], this);
        caption->setObjectName(QStringLiteral("shapeHeaderLab_%1").arg(c));
        grid->addWidget(caption, 0, c);
    }
    for (int i = 0; i < kMaxPorts; ++i) {
        ShapeRow& row = m_rows[static_cast<std::size_t>(i)];
        const int n = i + 1;
        row.name = ResultLabel(this, QStringLiteral("shapeNameLab_%1").arg(n));
        row.count = numberBox(QStringLiteral("countTxt_%1").arg(n), 2, false);
        row.count->setPlaceholderText(QStringLiteral("1"));
        connect(row.count, &QLineEdit::textChanged, this, &TimeAreaPanel::edited);
        lengthBox(row.width, QStringLiteral("widthTxt_%1").arg(n));
        row.measure = new QComboBox(this);
        row.measure->setObjectName(QStringLiteral("measureBox_%1").arg(n));
        row.measure->addItems({tr("chord"), tr("arc")});
        m_focus.append(row.measure);
        connect(row.measure, &QComboBox::currentIndexChanged, this, &TimeAreaPanel::edited);
        lengthBox(row.height, QStringLiteral("windowHeightTxt_%1").arg(n));
        lengthBox(row.top, QStringLiteral("topRadiusTxt_%1").arg(n));
        lengthBox(row.bottom, QStringLiteral("bottomRadiusTxt_%1").arg(n));
        lengthBox(row.bridge, QStringLiteral("bridgeTxt_%1").arg(n));
        row.area = ResultLabel(this, QStringLiteral("areaLab_%1").arg(n));
        row.sta = ResultLabel(this, QStringLiteral("staLab_%1").arg(n));
        row.message = ResultLabel(this, QStringLiteral("shapeMessageLab_%1").arg(n), true);
        row.note = ResultLabel(this, QStringLiteral("shapeNoteLab_%1").arg(n), true);
        int column = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 row.name, row.count, row.width.box, row.measure, row.height.box, row.top.box,
                 row.bottom.box, row.bridge.box, row.area, row.sta}) {
            grid->addWidget(w, n, column++);
        }
        grid->addWidget(row.message, n, 8, 1, 2); // in the figures' place
        grid->addWidget(row.note, n, 10);         // beside them
    }
    for (int c = 1; c <= 9; ++c) {
        grid->setColumnStretch(c, 0);
    }
    grid->setColumnStretch(10, 1);
    return grid;
}

QLayout* TimeAreaPanel::buildFigures()
{
    m_figureGrid = new QGridLayout;
    for (std::size_t r = 0; r < m_figures.size(); ++r) {
        for (std::size_t c = 0; c < m_figures[r].size(); ++c) {
            m_figures[r][c] = ResultLabel(this, QStringLiteral("figureLab_%1_%2").arg(r).arg(c));
            m_figureGrid->addWidget(m_figures[r][c], static_cast<int>(r), static_cast<int>(c));
        }
    }
    return m_figureGrid;
}

QLayout* TimeAreaPanel::buildTargets()
{
    auto* grid = new QGridLayout;
    auto* caption = new QLabel(tr("Target STA ranges (s·cm²/cm³):"), this);
    grid->addWidget(caption, 0, 0, 1, 5);
    const std::array<StaRange, kTargetGroups> defaults = PortSheetInput{}.targets;
    for (int g = 0; g < kTargetGroups; ++g) {
        TargetRow& row = m_targets[static_cast<std::size_t>(g)];
        const QString n = QString::number(g + 1);
        row.low = numberBox(QStringLiteral("targetLowTxt_") + n, kStaMaxChars, false);
        row.high = numberBox(QStringLiteral("targetHighTxt_") + n, kStaMaxChars, false);
        for (QLineEdit* box : {row.low, row.high}) {
            box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0.0000000")) +
                                 12);
        }
        row.low->setText(QtText(InStyle(defaults[static_cast<std::size_t>(g)].low, m_style)));
        row.high->setText(QtText(InStyle(defaults[static_cast<std::size_t>(g)].high, m_style)));
        row.message = ResultLabel(this, QStringLiteral("targetMessageLab_") + n);
        connect(row.low, &QLineEdit::textChanged, this, &TimeAreaPanel::edited);
        connect(row.high, &QLineEdit::textChanged, this, &TimeAreaPanel::edited);
        grid->addWidget(
            new QLabel(QString::fromLatin1(GroupName(static_cast<TargetGroup>(g))), this), g + 1,
            0);
        grid->addWidget(row.low, g + 1, 1);
        grid->addWidget(new QLabel(tr("to"), this), g + 1, 2);
        grid->addWidget(row.high, g + 1, 3);
        grid->addWidget(row.message, g + 1, 4);
    }
    grid->setColumnStretch(4, 1);
    // Where the ranges are met, and where they come from, under them.
    m_targetLines = ResultLabel(this, QStringLiteral("targetLinesLab"), true);
    auto* explained = new QLabel(QString::fromLatin1(kTargetsExplained), this);
    explained->setObjectName(QStringLiteral("targetsExplainedLab"));
    explained->setWordWrap(true);
    auto* targets = new QVBoxLayout;
    targets->addLayout(grid);
    targets->addWidget(m_targetLines);
    targets->addWidget(explained);
    return targets;
}

QLayout* TimeAreaPanel::buildWayBack()
{
    m_staRow = new QComboBox(this);
    m_staRow->setObjectName(QStringLiteral("staRowBox"));
    for (int i = 0; i < kMaxPorts; ++i) {
        m_staRow->addItem(QStringLiteral("Row %1").arg(i + 1));
    }
    m_focus.append(m_staRow);
    connect(m_staRow, &QComboBox::currentIndexChanged, this, &TimeAreaPanel::edited);
    m_staTarget = numberBox(QStringLiteral("staTargetTxt"), kStaMaxChars, false);
    connect(m_staTarget, &QLineEdit::textChanged, this, &TimeAreaPanel::edited);
    m_wayBack = ResultLabel(this, QStringLiteral("wayBackLab"), true);
    auto* caption = new QLabel(tr("&Goal STA (s·cm²/cm³) by moving"), this);
    caption->setBuddy(m_staRow);
    auto* line = new QHBoxLayout;
    line->addWidget(caption);
    line->addWidget(m_staRow);
    line->addWidget(m_staTarget);
    line->addStretch();
    auto* wayBack = new QVBoxLayout;
    wayBack->addLayout(line);
    wayBack->addWidget(m_wayBack);
    return wayBack;
}

void TimeAreaPanel::fill(PortSheetInput& input) const
{
    input.bore = m_bore.typed;
    input.rpm = m_rpm->text().toStdString();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ShapeRow& row = m_rows[i];
        PortShapeInput& shape = input.rows[i].shape;
        shape.count = row.count->text().toStdString();
        shape.width = row.width.typed;
        shape.measure = row.measure->currentIndex() == 1 ? WidthMeasure::Arc : WidthMeasure::Chord;
        shape.windowHeight = row.height.typed;
        shape.topRadius = row.top.typed;
        shape.bottomRadius = row.bottom.typed;
        shape.bridge = row.bridge.typed;
    }
    for (std::size_t g = 0; g < m_targets.size(); ++g) {
        input.targets[g] = {m_targets[g].low->text().toStdString(),
                            m_targets[g].high->text().toStdString()};
    }
    input.staRow = m_staRow->currentIndex();
    input.staTarget = m_staTarget->text().toStdString();
}

void TimeAreaPanel::setLength(LengthBox& length, const TypedLength& typed)
{
    length.typed = typed;
    length.box->setText(QtText(typed.text));
}

void TimeAreaPanel::load(const PortSheetInput& input)
{
    const QSignalBlocker quiet(this); // one edit for the whole setup
    setLength(m_bore, input.bore);
    m_rpm->setText(QtText(input.rpm));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        ShapeRow& row = m_rows[i];
        const PortShapeInput& shape = input.rows[i].shape;
        row.count->setText(QtText(shape.count));
        setLength(row.width, shape.width);
        row.measure->setCurrentIndex(shape.measure == WidthMeasure::Arc ? 1 : 0);
        setLength(row.height, shape.windowHeight);
        setLength(row.top, shape.topRadius);
        setLength(row.bottom, shape.bottomRadius);
        setLength(row.bridge, shape.bridge);
    }
    for (std::size_t g = 0; g < m_targets.size(); ++g) {
        m_targets[g].low->setText(QtText(input.targets[g].low));
        m_targets[g].high->setText(QtText(input.targets[g].high));
    }
    m_staRow->setCurrentIndex(std::clamp(input.staRow, 0, kMaxPorts - 1));
    m_staTarget->setText(QtText(input.staTarget));
}

void TimeAreaPanel::showLengths(const PortSheetView& view)
{
    m_bore.box->setText(QtText(view.timeArea.bore.shown));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ShapeView& shape = view.rows[i].shape;
        m_rows[i].width.box->setText(QtText(shape.width.shown));
        m_rows[i].height.box->setText(QtText(shape.windowHeight.shown));
        m_rows[i].top.box->setText(QtText(shape.topRadius.shown));
        m_rows[i].bottom.box->setText(QtText(shape.bottomRadius.shown));
        m_rows[i].bridge.box->setText(QtText(shape.bridge.shown));
    }
}

void TimeAreaPanel::render(const PortSheetView& view)
{
    const TimeAreaView& flow = view.timeArea;
    m_boreMessage->setText(QtText(flow.bore.message));
    m_rpmMessage->setText(QtText(flow.rpmMessage));
    m_engine->setText(QtText(flow.engineLine));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ShapeRow& row = m_rows[i];
        const PortRowView& port = view.rows[i];
        const ShapeView& shape = port.shape;
        row.name->setText(QStringLiteral("%1 %2").arg(i + 1).arg(QtText(port.name)));
        row.area->setText(QtText(shape.fullAreaText));
        row.sta->setText(QtText(shape.staCmText));
        // A message stands in the figures' place; a note beside them.
        row.message->setText(QtText(shape.message));
        row.message->setVisible(!shape.message.empty());
        row.area->setVisible(shape.message.empty());
        row.sta->setVisible(shape.message.empty());
        row.note->setText(QtText(shape.note));
        row.note->setVisible(!shape.note.empty());
        m_staRow->setItemText(static_cast<int>(i),
                              QStringLiteral("%1 %2").arg(i + 1).arg(QtText(port.name)));
    }
    for (std::size_t r = 0; r < m_figures.size(); ++r) {
        const std::vector<std::string>* cells = nullptr;
        if (r == 0 && !flow.figures.empty()) {
            cells = &flow.captions;
        } else if (r > 0 && r - 1 < flow.figures.size()) {
            cells = &flow.figures[r - 1].cells;
        }
        for (std::size_t c = 0; c < m_figures[r].size(); ++c) {
            m_figures[r][c]->setText(cells != nullptr && c < cells->size() ? QtText((*cells)[c])
                                                                           : QString());
            m_figures[r][c]->setVisible(!m_figures[r][c]->text().isEmpty());
        }
    }
    QStringList lines;
    for (std::size_t g = 0; g < m_targets.size(); ++g) {
        lines.append(QtText(flow.targets[g].line));
        m_targets[g].message->setText(QtText(flow.targets[g].message));
    }
    m_targetLines->setText(lines.join(QLatin1Char('\n')));
    m_blowdown->setText(QtText(flow.blowdown));
    m_wayBack->setText(QtText(flow.wayBack.line));
    m_plot->setPlot(flow.plot);
}

} // namespace crank
