#include "ports/timing_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QVBoxLayout>

#include "ports/timing_diagram_widget.h"

namespace crank {
namespace {

constexpr int kTargetMaxChars = 6;

} // namespace

TimingPage::TimingPage(PortSheetInput& input, const NumberStyle& style, QWidget* parent)
    : SheetPage(input, style, parent)
{
    setObjectName(QStringLiteral("timingPage"));
    // Made top to bottom, so that the focus moves in reading order.
    m_summary = ResultLabel(this, QStringLiteral("summaryLab"));
    m_summary->setToolTip(QString::fromLatin1(kStrokeExplained));
    m_note = ResultLabel(this, QStringLiteral("noteLab"), true);
    QLabel* heights = ResultLabel(this, QStringLiteral("heightsLab"), true);
    heights->setText(QString::fromLatin1(kHeightsExplained));

    auto* left = new QVBoxLayout;
    left->addWidget(m_summary);
    left->addWidget(m_note);
    left->addLayout(buildSetUp());
    left->addWidget(heights);
    left->addLayout(buildRows());
    left->addLayout(buildTarget());
    left->addStretch();
    m_diagram = new PortTimingDiagram(this);
    // The boxes keep their width; a wider window widens the diagram.
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 0);
    whole->addWidget(m_diagram, 1);
}

QLayout* TimingPage::buildSetUp()
{
    QComboBox* unit = m_controls.choiceBox(
        QStringLiteral("unitBox"), {QStringLiteral("mm"), QStringLiteral("inches")},
        [](PortSheetInput& in) -> LengthUnit& { return in.unit; });
    connect(unit, &QComboBox::currentIndexChanged, this, &TimingPage::unitChanged);
    QLineEdit* deck =
        m_controls.lengthBox(QStringLiteral("deckTxt"), true,
                             [](PortSheetInput& in) -> TypedLength& { return in.deck; });
    QLineEdit* raise =
        m_controls.lengthBox(QStringLiteral("raiseTxt"), true,
                             [](PortSheetInput& in) -> TypedLength& { return in.raise; });
    QLineEdit* piston =
        m_controls.lengthBox(QStringLiteral("pistonTxt"), false,
                             [](PortSheetInput& in) -> TypedLength& { return in.pistonLength; });
    m_deckMessage = ResultLabel(this, QStringLiteral("deckMessageLab"), true);
    m_raiseMessage = ResultLabel(this, QStringLiteral("raiseMessageLab"), true);
    m_pistonMessage = ResultLabel(this, QStringLiteral("pistonMessageLab"), true);

    auto* grid = new QGridLayout;
    AddBoxRow(*grid, tr("&Heights in:"), unit, nullptr);
    AddBoxRow(*grid, tr("&Deck, crown below the cylinder top at TDC:"), deck, m_deckMessage);
    AddBoxRow(*grid, tr("Ra&ise the cylinder by (a base gasket or spacer):"), raise,
              m_raiseMessage);
    AddBoxRow(*grid, tr("Piston &length, crown to skirt edge:"), piston, m_pistonMessage);
    return grid;
}

QLayout* TimingPage::buildRows()
{
    auto* grid = new QGridLayout;
    for (int c = 0; c < 6; ++c) {
        m_captions[static_cast<std::size_t>(c)] =
            ResultLabel(this, QStringLiteral("headerLab_%1").arg(c));
        grid->addWidget(m_captions[static_cast<std::size_t>(c)], 0, c);
    }
    QStringList roles;
    for (int r = 0; r < kRoleCount; ++r) {
        roles.append(QString::fromLatin1(RoleName(static_cast<PortRole>(r))));
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        PortRow& row = m_rows[i];
        const int n = static_cast<int>(i) + 1;
        row.name = m_controls.nameBox(
            QStringLiteral("portNameTxt_%1").arg(n), kNameMaxChars, QStringLiteral("Transfer AB "),
            [i](PortSheetInput& in) -> std::string& { return in.rows[i].name; });
        row.name->setPlaceholderText(QStringLiteral("Port %1").arg(n));
        QComboBox* role =
            m_controls.choiceBox(QStringLiteral("portRoleBox_%1").arg(n), roles,
                                 [i](PortSheetInput& in) -> PortRole& { return in.rows[i].role; });
        QLineEdit* height = m_controls.lengthBox(
            QStringLiteral("portHeightTxt_%1").arg(n), true,
            [i](PortSheetInput& in) -> TypedLength& { return in.rows[i].height; });
        row.opens = ResultLabel(this, QStringLiteral("opensLab_%1").arg(n));
        row.closes = ResultLabel(this, QStringLiteral("closesLab_%1").arg(n));
        row.duration = ResultLabel(this, QStringLiteral("durationLab_%1").arg(n));
        row.message = ResultLabel(this, QStringLiteral("portMessageLab_%1").arg(n), true);
        row.compared = ResultLabel(this, QStringLiteral("comparedLab_%1").arg(n), true);
        const std::array<QWidget*, 6> line = {row.name,  role,       height,
                                              row.opens, row.closes, row.duration};
        for (std::size_t c = 0; c < line.size(); ++c) {
            grid->addWidget(line[c], 2 * n - 1, static_cast<int>(c));
        }
        // In the angles' place and the room right of them, shown instead;
        // under them, the baseline's angles and the change.
        grid->addWidget(row.message, 2 * n - 1, 3, 1, 4);
        grid->addWidget(row.compared, 2 * n, 3, 1, 4);
    }
    grid->setColumnStretch(6, 1);
    return grid;
}

QLayout* TimingPage::buildTarget()
{
    QComboBox* row = m_controls.choiceBox(QStringLiteral("targetRowBox"), RowItems(),
                                          [](PortSheetInput& in) -> int& { return in.targetRow; });
    QComboBox* kind = m_controls.choiceBox(
        QStringLiteral("targetKindBox"), {tr("opening angle (deg)"), tr("duration (deg)")},
        [](PortSheetInput& in) -> TimingTarget& { return in.target; });
    QLineEdit* degrees =
        m_controls.numberBox(QStringLiteral("targetTxt"), kTargetMaxChars, true,
                             [](PortSheetInput& in) -> std::string& { return in.targetDegrees; });
    m_targetResult = ResultLabel(this, QStringLiteral("targetLab"), true);
    return GoalLayout(*this, tr("&Target for"), {row, kind, degrees}, m_targetResult);
}

void TimingPage::render(const PortSheetView& view)
{
    QStringList summary;
    for (const SummaryLine& line : view.summary) {
        summary.append(QtText(line.label + " " + line.value));
    }
    m_summary->setText(summary.join('\n'));
    m_note->setText(QtText(view.note));
    ShowMessage(*m_deckMessage, view.deck.message);
    ShowMessage(*m_raiseMessage, view.raise.message);
    ShowMessage(*m_pistonMessage, view.pistonLength.message);
    for (std::size_t c = 0; c < m_captions.size(); ++c) {
        m_captions[c]->setText(QtText(view.captions[c]));
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const PortRow& row = m_rows[i];
        const PortRowView& shown = view.rows[i];
        row.opens->setText(QtText(shown.opensText));
        row.closes->setText(QtText(shown.closesText));
        row.duration->setText(QtText(shown.durationText));
        // The message stands in the angles' place.
        ShowMessage(*row.message, shown.message);
        ShowMessage(*row.compared, view.compare.rowLines[i]);
        for (QLabel* angle : {row.opens, row.closes, row.duration}) {
            angle->setVisible(shown.message.empty());
        }
    }
    m_targetResult->setText(QtText(view.target.line));
    m_diagram->setDiagram(view.diagram);
}

} // namespace crank
