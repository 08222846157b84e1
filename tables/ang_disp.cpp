#include "tables/ang_disp.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "platform/after_paint.h"
#include "platform/fit_text.h"
#include "platform/line_shape.h"
#include "platform/scroll_forwarding.h"
#include "platform/twips_qt.h"
#include "tables/ang_disp_layout.h"
#include "tables/table_builder.h"

namespace crank {
namespace {

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

} // namespace

Ang_Disp::Ang_Disp(TablesPrinter& printer, QWidget* parent) : QWidget(parent), m_printer(printer)
{
    buildDesign();
    for (int i = 0; i < 3; ++i) {
        connect(m_com[i], &QPushButton::clicked, this, [this, i] { AngDispCom_Click(i); });
    }
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &Ang_Disp::VScroll1_Change);
    ForwardScrolling(*m_picture1, *m_panel, *m_vScroll1);
    AfterNextPaint(*this, *this, [this] { makeEveryCell(); });
}

void Ang_Disp::showView(const DisplayView& view)
{
    m_view = view;
    m_viewShown = true;
    SetColumnHeaders();
    PlaceTableCells();
    PlaceTableRules();
    FillAngleColumns();
    ShowEngineSummary();
    FillDisplacementColumns();
}

void Ang_Disp::SetColumnHeaders(int firstRow)
{
    for (int t = 1; t <= 3; ++t) {
        QLabel* header = m_labB[t];
        header->setText(QString::fromStdString(m_view.dispHeader));
        header->resize(twipsToPixels(m_view.dispHeaderWidth), header->height());
        for (int r = firstRow; r < m_rowsMade; ++r) {
            m_dispA[t][r]->setVisible(m_view.OffsetNonZero);
        }
    }
}

void Ang_Disp::PlaceTableCells(int firstRow)
{
    const ColumnLefts& lefts = m_view.lefts;
    for (int t = 1; t <= 3; ++t) {
        setLeft(m_labA[t], lefts.labA[t]);
        setLeft(m_labB[t], lefts.labB[t]);
        const bool shown = m_view.tableShown[t];
        m_labA[t]->setVisible(shown);
        m_labB[t]->setVisible(shown);
        for (int r = firstRow; r < m_rowsMade; ++r) {
            setLeft(m_ang[t][r], lefts.ang[t]);
            setLeft(m_dispB[t][r], lefts.dispB[t]);
            setLeft(m_dispA[t][r], lefts.dispA[t]);
            m_ang[t][r]->setVisible(shown);
            m_dispB[t][r]->setVisible(shown);
            if (m_view.OffsetNonZero) {
                m_dispA[t][r]->setVisible(shown);
            }
        }
    }
}

void Ang_Disp::PlaceTableRules()
{
    const RuleLayout& rules = m_view.rules;
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

// Cells of tables past NumTables keep their earlier texts, hidden.
void Ang_Disp::FillAngleColumns(int firstRow)
{
    for (int t = 1; t <= m_view.NumTables && t <= kMaxTables; ++t) {
        for (int r = firstRow; r < m_rowsMade; ++r) {
            m_ang[t][r]->setText(QString::fromStdString(m_view.angleTexts[t][r]));
        }
    }
}

void Ang_Disp::ShowEngineSummary()
{
    const EngineSummary summary = MakeEngineSummary(m_view.engine);
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
    condenseToFit(*m_frame1); // first: its labels inherit its font
    for (QLabel* label : {m_stkLab, m_crlLab, m_offLab, m_bdcAngLab}) {
        condenseToFit(*label);
    }
}

void Ang_Disp::FillDisplacementColumns(int firstRow)
{
    for (int t = 1; t <= m_view.NumTables && t <= kMaxTables; ++t) {
        for (int r = firstRow; r < m_rowsMade; ++r) {
            if (m_view.OffsetNonZero) {
                m_dispA[t][r]->setText(QString::fromStdString(m_view.dispATexts[t][r]));
            }
            m_dispB[t][r]->setText(QString::fromStdString(m_view.dispBTexts[t][r]));
        }
    }
}

void Ang_Disp::makeEveryCell()
{
    if (m_rowsMade == kRowsPerTable) {
        return;
    }
    const int first = m_rowsMade;
    const QList<QLineEdit*> made = makeCellRows(first, kRowsPerTable);
    if (m_viewShown) {
        SetColumnHeaders(first);
        PlaceTableCells(first);
        FillAngleColumns(first);
        FillDisplacementColumns(first);
    } else {
        // As the rows made with the screen: shown with the panel.
        for (QLineEdit* cell : made) {
            cell->show();
        }
    }
    emit cellsMade(made);
}

void Ang_Disp::VScroll1_Change()
{
    makeEveryCell();
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
        m_printer.printTables(m_view);
        break;
    default:
        break;
    }
}

} // namespace crank
