#include "tables/ang_disp.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "model/number_format.h"
#include "platform/fit_text.h"
#include "platform/line_shape.h"
#include "platform/twips_qt.h"
#include "tables/ang_disp_layout.h"
#include "tables/table_builder.h"

namespace crank {
namespace {

// Displacement headers: with an offset the caption wraps after "(mm)" so that
// BTDC and ATDC stand over their columns.
const QString kOffsetHeader = QStringLiteral("Displacement (mm) BTDC       ATDC  ");
const QString kPlainHeader = QStringLiteral("Displacement (mm)");
constexpr int kOffsetHeaderWidth = 1760;
constexpr int kPlainHeaderWidth = 1000;

void placeRule(LineShape* line, const Rule& rule)
{
    if (rule.shown) {
        line->setLine(rule.x1, rule.y1, rule.x2, rule.y2);
    }
    line->setVisible(rule.shown);
}

// Moves a widget to a new Left in twips, keeping its other edges.
void setLeft(QWidget* widget, int left)
{
    if (left == kUnset) {
        return;
    }
    widget->move(twipsToPixels(left), widget->y());
}

std::string textOf(const QLabel* label)
{
    return label->text().toStdString();
}

} // namespace

Ang_Disp::Ang_Disp(EngineState& state, TablesPrinter& printer, QWidget* parent)
    : QWidget(parent), m_state(state), m_printer(printer)
{
    buildDesign();
    for (int i = 0; i < 3; ++i) {
        connect(m_com[i], &QPushButton::clicked, this, [this, i] { AngDispCom_Click(i); });
    }
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &Ang_Disp::VScroll1_Change);
}

void Ang_Disp::SetColumnHeaders()
{
    const bool offset = m_state.geometry.OffsetNonZero;
    for (int t = 1; t <= 3; ++t) {
        QLabel* header = m_labB[t];
        header->setText(offset ? kOffsetHeader : kPlainHeader);
        const QRect at = header->geometry();
        const int width = offset ? kOffsetHeaderWidth : kPlainHeaderWidth;
        header->resize(twipsToPixels(width), at.height());
        for (QLineEdit* cell : m_dispA[t]) {
            cell->setVisible(offset);
        }
    }
}

void Ang_Disp::PlaceTableCells()
{
    const int n = TablesToBuild(m_state.tables);
    const bool offset = m_state.geometry.OffsetNonZero;
    const ColumnLefts lefts = CellLayout(n, offset);
    for (int t = 1; t <= 3; ++t) {
        setLeft(m_labA[t], lefts.labA[t]);
        setLeft(m_labB[t], lefts.labB[t]);
        const bool shown = t == 1 || t <= n;
        m_labA[t]->setVisible(shown);
        m_labB[t]->setVisible(shown);
        for (int r = 0; r < kRowsPerTable; ++r) {
            setLeft(m_ang[t][r], lefts.ang[t]);
            setLeft(m_dispB[t][r], lefts.dispB[t]);
            setLeft(m_dispA[t][r], lefts.dispA[t]);
            m_ang[t][r]->setVisible(shown);
            m_dispB[t][r]->setVisible(shown);
            if (offset) {
                m_dispA[t][r]->setVisible(shown);
            }
        }
    }
}

void Ang_Disp::PlaceTableRules()
{
    const RuleLayout rules = RulesFor(TablesToBuild(m_state.tables));
    m_panel->resize(twipsToPixels(rules.panelWidth), m_panel->height());
    setLeft(m_vScroll1, rules.scrollLeft);
    m_vScrollLine->setLine(rules.scrollLineX, 240, rules.scrollLineX, 6000);
    for (int i = 1; i <= 6; ++i) {
        placeRule(m_vLine[i], rules.vLine[i]);
        placeRule(m_tvLine[i], rules.tvLine[i]);
        placeRule(m_thLine[i], rules.thLine[i]);
    }
    for (int i = 1; i <= 3; ++i) {
        placeRule(m_hLine[i], rules.hLine[i]);
    }
}

void Ang_Disp::FillAngleColumns()
{
    crank::FillAngleColumns(m_state.tables, m_state.data);
    const int n = TablesToBuild(m_state.tables);
    for (int t = 1; t <= n; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            const float angle = m_state.data.AngleCol[t][r];
            m_ang[t][r]->setText(QString::fromStdString(FormatNumber(angle, AngleRowPattern(r))));
        }
    }
}

void Ang_Disp::ShowEngineSummary(std::string_view name, std::string_view strokeText,
                                 std::string_view rodText, std::string_view offsetText)
{
    const EngineSummary summary =
        MakeEngineSummary(name, strokeText, rodText, offsetText, m_state.geometry);
    m_frame1->setTitle(QString::fromStdString(summary.engine));
    m_stkLab->setText(QString::fromStdString(summary.stroke));
    m_crlLab->setText(QString::fromStdString(summary.rod));
    m_offLab->setText(QString::fromStdString(summary.offset));
    m_frame1->setGeometry(twipRect(kFrameLeft, summary.frameTop, kFrameWidth, summary.frameHeight));
    if (summary.showBdc) {
        m_bdcAngLab->setText(QString::fromStdString(summary.bdc));
    }
    m_bdcLine[0]->setVisible(summary.showBdc);
    m_bdcLine[1]->setVisible(summary.showBdc);
    m_bdcAngLab->setVisible(summary.showBdc);
    for (QLabel* label : {m_stkLab, m_crlLab, m_offLab, m_bdcAngLab}) {
        condenseToFit(*label);
    }
}

void Ang_Disp::FillDisplacementColumns()
{
    const int n = TablesToBuild(m_state.tables);
    crank::FillDisplacementColumns(m_state.geometry, m_state.model, n, m_state.data);
    const bool offset = m_state.geometry.OffsetNonZero;
    auto text = [](float mm) {
        return QString::fromStdString(FormatNumber(mm, NumberPattern::Two));
    };
    for (int t = 1; t <= n; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            if (offset) {
                m_dispA[t][r]->setText(text(m_state.data.DispACol[t][r]));
            }
            m_dispB[t][r]->setText(text(m_state.data.DispBCol[t][r]));
        }
    }
}

void Ang_Disp::VScroll1_Change()
{
    // Viewport and panel keep their design heights (twips) for the whole run.
    m_panelTop =
        PanelTop(m_vScroll1->value(), kPanelHeight, kViewportHeight, m_vScroll1->maximum());
    m_panel->move(m_panel->x(), twipsToPixels(m_panelTop));
}

void Ang_Disp::AngDispCom_Click(int index)
{
    switch (index) {
    case 0:
        hide();
        emit frontScreenRequested();
        break;
    case 1:
        hide();
        emit dataEntryRequested();
        break;
    case 2:
        m_printer.printTables(view());
        break;
    default:
        break;
    }
}

DisplayView Ang_Disp::view() const
{
    DisplayView content;
    content.NumTables = m_state.tables.NumTables;
    content.OffsetNonZero = m_state.geometry.OffsetNonZero;
    content.engineCaption = m_frame1->title().toStdString();
    content.strokeCaption = textOf(m_stkLab);
    content.rodCaption = textOf(m_crlLab);
    content.offsetCaption = textOf(m_offLab);
    content.bdcCaption = textOf(m_bdcAngLab);
    for (int t = 1; t <= 3; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            content.angleTexts[t][r] = m_ang[t][r]->text().toStdString();
            content.dispBTexts[t][r] = m_dispB[t][r]->text().toStdString();
            content.dispATexts[t][r] = m_dispA[t][r]->text().toStdString();
        }
    }
    content.data = m_state.data;
    return content;
}

} // namespace crank
