// The fixed design of the tables screen: every control with its twip
// rectangle, caption and colour. The layout steps in ang_disp.cpp move and
// show what this creates.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>

#include "platform/command_button.h"
#include "platform/fit_text.h"
#include "platform/line_shape.h"
#include "platform/twips_qt.h"
#include "tables/ang_disp.h"
#include "tables/ang_disp_layout.h"

namespace crank {
namespace {

const QColor kScreenColour(255, 128, 128);

struct ButtonDesign {
    const char* caption;
    int left, top, width, height;
    QColor colour;
};

const ButtonDesign kButtons[3] = {
    {"Return to &Front Screen", 520, 150, 1330, 650, QColor(192, 192, 255)},
    {"Return to &Data Entry Screen", 520, 950, 1330, 650, QColor(255, 192, 255)},
    {"&Print Screen Content", 7920, 550, 1240, 615, QColor(255, 255, 128)},
};

// Labels of the engine summary frame, twips relative to the frame.
struct LabelDesign {
    const char* name;
    int left, top, width, height;
};
const LabelDesign kSummaryLabels[4] = {
    {"StkLab", 340, 340, 2655, 255},
    {"CrlLab", 340, 650, 3000, 255},
    {"OffLab", 340, 960, 2655, 255},
    {"BDCAngLab", 100, 1360, 3240, 255},
};

constexpr int kHeaderTop = 2100;
constexpr int kHeaderHeight = 420;
constexpr int kAngleHeaderWidth = 435;
constexpr int kDispHeaderWidth = 1760;

constexpr int kViewLeft = 200;
constexpr int kViewTop = 2640;
constexpr int kViewWidth = 9440;
constexpr int kScrollWidth = 375;

constexpr int kAngleCellWidth = 500;
constexpr int kDispCellWidth = 560;
// The widest value a cell shows: three whole digits and two decimals
// (all digits are equally wide).
const QString kWidestValue = QStringLiteral("000.00");
constexpr qreal kValuePoints = 7.5;

// Gives every cell of the columns the font of their first cell: a size
// smaller than the captions, closed up for the widest value. The captions'
// size would need the digits of "176.25" closed up until they touch.
void fitValues(const std::array<std::array<QLineEdit*, kRowsPerTable>, 4>& columns)
{
    QFont values = columns[1][0]->font();
    values.setPointSizeF(kValuePoints);
    columns[1][0]->setFont(values);
    condenseToFit(*columns[1][0], kWidestValue);
    const QFont font = columns[1][0]->font();
    for (int t = 1; t <= 3; ++t) {
        for (QLineEdit* cell : columns[t]) {
            cell->setFont(font);
        }
    }
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QLineEdit* Ang_Disp::makeCell(const QString& name, int left, int row, int width)
{
    auto* cell = new QLineEdit(m_panel);
    cell->setObjectName(name);
    // Display only: the text can be selected and copied, nothing typed is used.
    cell->setReadOnly(true);
    cell->setFrame(false);
    cell->setFocusPolicy(Qt::ClickFocus);
    cell->setTextMargins(0, 0, 0, 0);
    cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setGeometry(twipRect(left, kCellPitch * row, width, kCellHeight));
    return cell;
}

LineShape* Ang_Disp::makeLine(QWidget* parent, const QString& name)
{
    auto* line = new LineShape(parent);
    line->setObjectName(name);
    return line;
}

void Ang_Disp::buildDesign()
{
    setObjectName(QStringLiteral("Ang_Disp"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setFixedSize(twipSize(kClientWidth, kClientHeight));
    setAutoFillBackground(true);
    QPalette screenPalette = palette();
    screenPalette.setColor(QPalette::Window, kScreenColour);
    screenPalette.setColor(QPalette::Base, kScreenColour); // the cells
    setPalette(screenPalette);
    // The designed face; every control inherits it.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);

    for (int i = 0; i < 3; ++i) {
        const ButtonDesign& design = kButtons[i];
        auto* button = new CommandButton(QString::fromLatin1(design.caption), design.colour, this);
        button->setObjectName(QStringLiteral("AngDispCom_%1").arg(i));
        button->setGeometry(twipRect(design.left, design.top, design.width, design.height));
        m_com[i] = button;
    }

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(twipRect(kFrameLeft, 160, kFrameWidth, 1680));
    QLabel** summary[4] = {&m_stkLab, &m_crlLab, &m_offLab, &m_bdcAngLab};
    for (int i = 0; i < 4; ++i) {
        const LabelDesign& design = kSummaryLabels[i];
        *summary[i] = makeLabel(m_frame1, QString::fromLatin1(design.name), QString());
        (*summary[i])->setGeometry(twipRect(design.left, design.top, design.width, design.height));
    }
    m_bdcLine[0] = makeLine(m_frame1, QStringLiteral("BDCLine_0"));
    m_bdcLine[0]->setLine(20, 1260, 3390, 1260);
    m_bdcLine[1] = makeLine(m_frame1, QStringLiteral("BDCLine_1"));
    m_bdcLine[1]->setLine(20, 1275, 3360, 1275);
    m_bdcLine[1]->setColor(Qt::white);

    const ColumnLefts design = CellLayout(3, true);
    for (int t = 1; t <= 3; ++t) {
        m_labA[t] = makeLabel(this, QStringLiteral("Lab%1a").arg(t), QStringLiteral("Angle (deg)"));
        m_labA[t]->setGeometry(
            twipRect(design.labA[t], kHeaderTop, kAngleHeaderWidth, kHeaderHeight));
        m_labB[t] = makeLabel(this, QStringLiteral("Lab%1b").arg(t), QString());
        m_labB[t]->setGeometry(
            twipRect(design.labB[t], kHeaderTop, kDispHeaderWidth, kHeaderHeight));
        // Two lines high: the caption wraps so BTDC and ATDC stand over their
        // columns; centred, each word sits over the middle of its column.
        for (QLabel* header : {m_labA[t], m_labB[t]}) {
            header->setWordWrap(true);
            header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
    }
    for (int i = 1; i <= 6; ++i) {
        m_thLine[i] = makeLine(this, QStringLiteral("THLine%1").arg(i));
        m_tvLine[i] = makeLine(this, QStringLiteral("TVLine%1").arg(i));
    }

    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twipRect(kViewLeft, kViewTop, kViewWidth, kViewportHeight));
    // The viewport covers what lies beneath it: the lower ends of the header
    // rules reach into it.
    m_picture1->setAutoFillBackground(true);
    m_panel = new QWidget(m_picture1);
    m_panel->setObjectName(QStringLiteral("fdisp_2"));
    m_panel->setGeometry(twipRect(0, 0, RulesFor(3).panelWidth, kPanelHeight));
    for (int t = 1; t <= 3; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            m_ang[t][r] = makeCell(QStringLiteral("Ang%1_%2").arg(t).arg(r), design.ang[t], r,
                                   kAngleCellWidth);
            m_dispB[t][r] = makeCell(QStringLiteral("DispB%1_%2").arg(t).arg(r), design.dispB[t], r,
                                     kDispCellWidth);
            m_dispA[t][r] = makeCell(QStringLiteral("DispA%1_%2").arg(t).arg(r), design.dispA[t], r,
                                     kDispCellWidth);
        }
    }
    fitValues(m_ang);
    fitValues(m_dispB);
    fitValues(m_dispA);
    for (int i = 1; i <= 6; ++i) {
        m_vLine[i] = makeLine(m_panel, QStringLiteral("VLine%1").arg(i));
    }
    for (int i = 1; i <= 3; ++i) {
        m_hLine[i] = makeLine(m_panel, QStringLiteral("HLine%1").arg(i));
    }

    m_vScroll1 = new QScrollBar(Qt::Vertical, m_picture1);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll1->setRange(0, kScrollMaximum);
    m_vScroll1->setSingleStep(1);
    m_vScroll1->setPageStep(1);
    // Dragging the thumb changes the value only on release.
    m_vScroll1->setTracking(false);
    m_vScroll1->setGeometry(twipRect(RulesFor(3).scrollLeft, 0, kScrollWidth, kViewportHeight));
    m_vScrollLine = makeLine(m_picture1, QStringLiteral("VScrollLine"));
    m_vScrollLine->setLine(RulesFor(3).scrollLineX, 240, RulesFor(3).scrollLineX, 6000);
}

} // namespace crank
