#include "ports/time_area_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ports/comparison.h"
#include "ports/time_area.h"
#include "ports/timing_diagram_widget.h"

namespace crank {
namespace {

constexpr int kStaMaxChars = 10;

} // namespace

TimeAreaPanel::TimeAreaPanel(PortSheetInput& input, const NumberStyle& style, QWidget* parent)
    : SheetPage(input, style, parent)
{
    setObjectName(QStringLiteral("timeAreaPanel"));
    auto* left = new QVBoxLayout;
    left->addLayout(buildEngine());
    left->addLayout(buildShapes());
    left->addLayout(buildFigures());
    left->addLayout(buildTargets());
    m_blowdown = ResultLabel(this, QStringLiteral("blowdownLab"), true);
    left->addWidget(m_blowdown);
    m_compared = ResultLabel(this, QStringLiteral("flowComparedLab"), true);
    left->addWidget(m_compared);
    left->addLayout(buildWayBack());
    left->addStretch();
    m_plot = new AreaPlotWidget(this);
    // The boxes keep their width; a wider window widens the plot, which
    // keeps its shape.
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 0);
    whole->addWidget(m_plot, 1, Qt::AlignTop);
}

QLayout* TimeAreaPanel::buildEngine()
{
    QLineEdit* bore =
        m_controls.lengthBox(QStringLiteral("boreTxt"), true,
                             [](PortSheetInput& in) -> TypedLength& { return in.bore; });
    m_boreMessage = ResultLabel(this, QStringLiteral("boreMessageLab"), true);
    QLineEdit* rpm =
        m_controls.numberBox(QStringLiteral("rpmTxt"), 6, false,
                             [](PortSheetInput& in) -> std::string& { return in.rpm; });
    m_rpmMessage = ResultLabel(this, QStringLiteral("rpmMessageLab"), true);
    m_engine = ResultLabel(this, QStringLiteral("flowEngineLab"), true);
    auto* grid = new QGridLayout;
    AddBoxRow(*grid, tr("&Bore:"), bore, m_boreMessage);
    AddBoxRow(*grid, tr("&rpm:"), rpm, m_rpmMessage);
    grid->addWidget(m_engine, grid->rowCount(), 0, 1, 3);
    return grid;
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
    using Length = TypedLength& (*)(PortShapeInput&);
    const std::array<std::pair<const char*, Length>, 5> lengths = {{
        {"widthTxt_%1", [](PortShapeInput& s) -> TypedLength& { return s.width; }},
        {"windowHeightTxt_%1", [](PortShapeInput& s) -> TypedLength& { return s.windowHeight; }},
        {"topRadiusTxt_%1", [](PortShapeInput& s) -> TypedLength& { return s.topRadius; }},
        {"bottomRadiusTxt_%1", [](PortShapeInput& s) -> TypedLength& { return s.bottomRadius; }},
        {"bridgeTxt_%1", [](PortShapeInput& s) -> TypedLength& { return s.bridge; }},
    }};
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        ShapeRow& row = m_rows[i];
        const int n = static_cast<int>(i) + 1;
        const auto length = [&](std::size_t which) {
            return m_controls.lengthBox(
                QString::fromLatin1(lengths[which].first).arg(n), true,
                [i, field = lengths[which].second](PortSheetInput& in) -> TypedLength& {
                    return field(in.rows[i].shape);
                });
        };
        row.name = ResultLabel(this, QStringLiteral("shapeNameLab_%1").arg(n));
        QLineEdit* count = m_controls.numberBox(
            QStringLiteral("countTxt_%1").arg(n), 2, false,
            [i](PortSheetInput& in) -> std::string& { return in.rows[i].shape.count; });
        count->setPlaceholderText(QStringLiteral("1"));
        QLineEdit* width = length(0);
        QComboBox* measure = m_controls.choiceBox(
            QStringLiteral("measureBox_%1").arg(n), {tr("chord"), tr("arc")},
            [i](PortSheetInput& in) -> WidthMeasure& { return in.rows[i].shape.measure; });
        std::array<QWidget*, 10> line = {row.name, count, width, measure};
        for (std::size_t c = 1; c < lengths.size(); ++c) {
            line[3 + c] = length(c);
        }
        row.area = ResultLabel(this, QStringLiteral("areaLab_%1").arg(n));
        row.sta = ResultLabel(this, QStringLiteral("staLab_%1").arg(n));
        line[8] = row.area;
        line[9] = row.sta;
        for (std::size_t c = 0; c < line.size(); ++c) {
            grid->addWidget(line[c], 3 * n - 2, static_cast<int>(c));
        }
        // Why the row has no figures, or a note on them: each in a row of
        // its own under the row's boxes.
        row.message = ResultLabel(this, QStringLiteral("shapeMessageLab_%1").arg(n), true);
        row.note = ResultLabel(this, QStringLiteral("shapeNoteLab_%1").arg(n), true);
        grid->addWidget(row.message, 3 * n - 1, 1, 1, 10);
        grid->addWidget(row.note, 3 * n, 1, 1, 10);
    }
    grid->setColumnStretch(10, 1);
    return grid;
}

QLayout* TimeAreaPanel::buildFigures()
{
    auto* grid = new QGridLayout;
    for (std::size_t r = 0; r < m_figures.size(); ++r) {
        for (std::size_t c = 0; c < m_figures[r].size(); ++c) {
            m_figures[r][c] = ResultLabel(this, QStringLiteral("figureLab_%1_%2").arg(r).arg(c));
            grid->addWidget(m_figures[r][c], static_cast<int>(r), static_cast<int>(c));
        }
    }
    grid->setColumnStretch(static_cast<int>(m_figures[0].size()), 1);
    return grid;
}

QLayout* TimeAreaPanel::buildTargets()
{
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Target STA ranges (s·cm²/cm³):"), this), 0, 0, 1, 5);
    for (std::size_t g = 0; g < m_targetMessages.size(); ++g) {
        const QString n = QString::number(g + 1);
        const int at = 2 * static_cast<int>(g) + 1;
        const auto end = [this, g, &n](const char* name, std::string StaRange::*end) {
            return m_controls.numberBox(
                QLatin1String(name) + n, kStaMaxChars, false,
                [g, end](PortSheetInput& in) -> std::string& { return in.targets[g].*end; });
        };
        grid->addWidget(
            new QLabel(QString::fromLatin1(GroupName(static_cast<TargetGroup>(g))), this), at, 0);
        grid->addWidget(end("targetLowTxt_", &StaRange::low), at, 1);
        grid->addWidget(new QLabel(tr("to"), this), at, 2);
        grid->addWidget(end("targetHighTxt_", &StaRange::high), at, 3);
        // Why a range does not read, under it.
        m_targetMessages[g] = ResultLabel(this, QStringLiteral("targetMessageLab_") + n, true);
        grid->addWidget(m_targetMessages[g], at + 1, 1, 1, 4);
    }
    grid->setColumnStretch(4, 1);
    // Where the ranges are met, and where they come from, under them.
    m_targetLines = ResultLabel(this, QStringLiteral("targetLinesLab"), true);
    QLabel* explained = ResultLabel(this, QStringLiteral("targetsExplainedLab"), true);
    explained->setText(QString::fromLatin1(kTargetsExplained));
    auto* targets = new QVBoxLayout;
    targets->addLayout(grid);
    targets->addWidget(m_targetLines);
    targets->addWidget(explained);
    return targets;
}

QLayout* TimeAreaPanel::buildWayBack()
{
    m_staRow = m_controls.choiceBox(QStringLiteral("staRowBox"), RowItems(),
                                    [](PortSheetInput& in) -> int& { return in.staRow; });
    QComboBox* by = m_controls.choiceBox(
        QStringLiteral("wayBackByBox"), {tr("roof (inlet: floor)"), tr("width")},
        [](PortSheetInput& in) -> WayBackBy& { return in.wayBackBy; });
    QLineEdit* goal =
        m_controls.numberBox(QStringLiteral("staTargetTxt"), kStaMaxChars, false,
                             [](PortSheetInput& in) -> std::string& { return in.staTarget; });
    m_wayBack = ResultLabel(this, QStringLiteral("wayBackLab"), true);
    return GoalLayout(*this, tr("&Goal STA (s·cm²/cm³) by moving"), {m_staRow, by, goal},
                      m_wayBack);
}

void TimeAreaPanel::render(const PortSheetView& view)
{
    const TimeAreaView& flow = view.timeArea;
    ShowMessage(*m_boreMessage, flow.bore.message);
    ShowMessage(*m_rpmMessage, flow.rpmMessage);
    m_engine->setText(QtText(flow.engineLine));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ShapeRow& row = m_rows[i];
        const PortRowView& port = view.rows[i];
        const ShapeView& shape = port.shape;
        const QString name = QStringLiteral("%1 %2").arg(i + 1).arg(QtText(port.name));
        row.name->setText(name);
        m_staRow->setItemText(static_cast<int>(i), name);
        row.area->setText(QtText(shape.fullAreaText));
        row.sta->setText(QtText(shape.staCmText));
        ShowMessage(*row.message, shape.message);
        ShowMessage(*row.note, shape.note);
    }
    for (std::size_t r = 0; r < m_figures.size(); ++r) {
        const std::vector<std::string>* cells = nullptr;
        if (r == 0 && !flow.figures.empty()) {
            cells = &flow.captions;
        } else if (r > 0 && r - 1 < flow.figures.size()) {
            cells = &flow.figures[r - 1].cells;
        }
        for (std::size_t c = 0; c < m_figures[r].size(); ++c) {
            ShowMessage(*m_figures[r][c],
                        cells != nullptr && c < cells->size() ? (*cells)[c] : std::string());
        }
    }
    QStringList lines;
    for (std::size_t g = 0; g < m_targetMessages.size(); ++g) {
        lines.append(QtText(flow.targets[g].line));
        ShowMessage(*m_targetMessages[g], flow.targets[g].message);
    }
    m_targetLines->setText(lines.join(QLatin1Char('\n')));
    m_blowdown->setText(QtText(flow.blowdown));
    const SheetTexts texts(view.unit, view.style);
    std::string compared = view.compare.label;
    for (const ComparedFigure& figure : view.compare.flow) {
        compared += "\n" + ComparedLine(figure, texts);
    }
    ShowMessage(*m_compared, view.compare.on ? compared : "");
    m_wayBack->setText(QtText(flow.wayBack.line));
    m_plot->setPlot(flow.plot);
}

} // namespace crank
