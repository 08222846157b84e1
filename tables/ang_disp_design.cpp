// The fixed design of the tables screen: one row per control with its twip
// rectangle, caption and colour, and the bindings to the screen's members.
// The cells and rules are generated from the layout of three offset tables;
// the rendering steps in ang_disp.cpp move and show what this creates.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "platform/control_table.h"
#include "platform/fit_text.h"
#include "platform/line_shape.h"
#include "tables/ang_disp.h"
#include "tables/ang_disp_layout.h"

namespace crank {
namespace {

using K = ControlKind;
constexpr const char* kFrame = "Frame1";
constexpr const char* kViewport = "Picture1";
constexpr const char* kPanel = "fdisp_2";

const ScreenDesign kScreen{"Ang_Disp", Ang_Disp::kTitle, Ang_Disp::kClientWidth,
                           Ang_Disp::kClientHeight, kRose};

// Headers stand two lines high: the caption wraps so BTDC and ATDC stand over
// their columns; centred, each word sits over the middle of its column.
constexpr Qt::Alignment kHeaderAlignment = Qt::AlignHCenter | Qt::AlignTop;
constexpr int kHeaderTop = 2100;
constexpr int kHeaderHeight = 420;
constexpr int kAngleHeaderWidth = 435;
constexpr int kDispHeaderWidth = 1760;
constexpr int kScrollWidth = 375;

// clang-format off
const ControlDesign kControls[] = {
    {K::Button, "AngDispCom_0", nullptr, {520, 150, 1330, 650}, "Return to &Front Screen", nullptr, kReturnBlue},
    {K::Button, "AngDispCom_1", nullptr, {520, 950, 1330, 650}, "Return to &Data Entry Screen", nullptr, kCommandPink},
    {K::Button, "AngDispCom_2", nullptr, {7920, 550, 1240, 615}, "&Print Screen Content", nullptr, kPrintYellow},
    {K::Group, kFrame, nullptr, {kFrameLeft, 160, kFrameWidth, 1680}},
    {K::Label, "StkLab", kFrame, {340, 340, 2655, 255}},
    {K::Label, "CrlLab", kFrame, {340, 650, 3000, 255}},
    {K::Label, "OffLab", kFrame, {340, 960, 2655, 255}},
    {K::Label, "BDCAngLab", kFrame, {100, 1360, 3240, 255}},
    {K::Line, "BDCLine_0", kFrame, {20, 1260, 3390, 1260}},
    {K::Line, "BDCLine_1", kFrame, {20, 1275, 3360, 1275}, "", nullptr, kWhite},
    {K::Label, "Lab1a", nullptr, {700, kHeaderTop, kAngleHeaderWidth, kHeaderHeight}, "Angle (deg)", nullptr, kNoColour, kNoColour, 0, -1, kHeaderAlignment, true},
    {K::Label, "Lab1b", nullptr, {1300, kHeaderTop, kDispHeaderWidth, kHeaderHeight}, "", nullptr, kNoColour, kNoColour, 0, -1, kHeaderAlignment, true},
    {K::Label, "Lab2a", nullptr, {3800, kHeaderTop, kAngleHeaderWidth, kHeaderHeight}, "Angle (deg)", nullptr, kNoColour, kNoColour, 0, -1, kHeaderAlignment, true},
    {K::Label, "Lab2b", nullptr, {4400, kHeaderTop, kDispHeaderWidth, kHeaderHeight}, "", nullptr, kNoColour, kNoColour, 0, -1, kHeaderAlignment, true},
    {K::Label, "Lab3a", nullptr, {6900, kHeaderTop, kAngleHeaderWidth, kHeaderHeight}, "Angle (deg)", nullptr, kNoColour, kNoColour, 0, -1, kHeaderAlignment, true},
    {K::Label, "Lab3b", nullptr, {7500, kHeaderTop, kDispHeaderWidth, kHeaderHeight}, "", nullptr, kNoColour, kNoColour, 0, -1, kHeaderAlignment, true},
    {K::Line, "THLine1", nullptr, {}}, {K::Line, "TVLine1", nullptr, {}},
    {K::Line, "THLine2", nullptr, {}}, {K::Line, "TVLine2", nullptr, {}},
    {K::Line, "THLine3", nullptr, {}}, {K::Line, "TVLine3", nullptr, {}},
    {K::Line, "THLine4", nullptr, {}}, {K::Line, "TVLine4", nullptr, {}},
    {K::Line, "THLine5", nullptr, {}}, {K::Line, "TVLine5", nullptr, {}},
    {K::Line, "THLine6", nullptr, {}}, {K::Line, "TVLine6", nullptr, {}},
    // The viewport covers what lies beneath it: the lower ends of the header
    // rules reach into it.
    {K::Picture, kViewport, nullptr, {200, 2640, 9440, kViewportHeight}, "", nullptr, kRose},
    {K::Picture, kPanel, kViewport, {0, 0, 9000, kPanelHeight}},
};
const ControlDesign kAfterCells[] = {
    {K::Line, "VLine1", kPanel, {}}, {K::Line, "VLine2", kPanel, {}},
    {K::Line, "VLine3", kPanel, {}}, {K::Line, "VLine4", kPanel, {}},
    {K::Line, "VLine5", kPanel, {}}, {K::Line, "VLine6", kPanel, {}},
    {K::Line, "HLine1", kPanel, {}}, {K::Line, "HLine2", kPanel, {}},
    {K::Line, "HLine3", kPanel, {}},
    {K::ScrollBar, "VScroll1", kViewport, {9000, 0, kScrollWidth, kViewportHeight}, "", nullptr, kNoColour, kNoColour, kScrollMaximum},
    {K::Line, "VScrollLine", kViewport, {9380, 240, 9380, 6000}},
};
// clang-format on

// Cells: row r at Top kCellPitch * r; columns at the Lefts of three offset tables.
constexpr int kAngleCellWidth = 500;
constexpr int kDispCellWidth = 560;
// The widest value a cell shows: three whole digits and two decimals (all
// digits are equally wide).
const QString kWidestValue = QStringLiteral("000.00");
constexpr qreal kValuePoints = 7.5;

// The values' font: a size smaller than the captions, closed up for the
// widest value in the first cell. The captions' size would need the digits of
// "176.25" closed up until they touch. Set on the panel, so that every cell
// made after the first takes it without laying out its text again.
void fitValues(QLineEdit& first, QWidget& panel)
{
    QFont values = first.font();
    values.setPointSizeF(kValuePoints);
    first.setFont(values);
    condenseToFit(first, kWidestValue);
    panel.setFont(first.font());
}

// A cell of the panel: row r at Top kCellPitch * r.
QLineEdit* makeCell(QWidget& panel, const QString& name, int left, int row, int width)
{
    const ControlDesign design{
        ControlKind::Cell, nullptr, kPanel, {left, kCellPitch * row, width, kCellHeight}};
    return static_cast<QLineEdit*>(MakeControl(panel, design, name));
}

// The rows that stand in the viewport before it scrolls: 0 to 18.
constexpr int kRowsInView = (kViewportHeight + kCellPitch - 1) / kCellPitch;

} // namespace

void Ang_Disp::buildDesign()
{
    Controls controls(*this, kScreen);
    controls.add(kControls);
    m_com = {controls.get<QPushButton>("AngDispCom_0"), controls.get<QPushButton>("AngDispCom_1"),
             controls.get<QPushButton>("AngDispCom_2")};
    m_frame1 = controls.get<QGroupBox>(kFrame);
    m_stkLab = controls.get<QLabel>("StkLab");
    m_crlLab = controls.get<QLabel>("CrlLab");
    m_offLab = controls.get<QLabel>("OffLab");
    m_bdcAngLab = controls.get<QLabel>("BDCAngLab");
    m_bdcLine = {controls.get<LineShape>("BDCLine_0"), controls.get<LineShape>("BDCLine_1")};
    for (int t = 1; t <= 3; ++t) {
        m_labA[t] = controls.get<QLabel>(QStringLiteral("Lab%1a").arg(t));
        m_labB[t] = controls.get<QLabel>(QStringLiteral("Lab%1b").arg(t));
    }
    for (int i = 1; i <= 6; ++i) {
        m_thLine[i] = controls.get<LineShape>(QStringLiteral("THLine%1").arg(i));
        m_tvLine[i] = controls.get<LineShape>(QStringLiteral("TVLine%1").arg(i));
    }
    m_picture1 = controls.widget(kViewport);
    m_panel = controls.widget(kPanel);

    // The rows in the viewport first; the others come once the screen is
    // painted (makeEveryCell).
    makeCellRows(0, kRowsInView);

    // The body rules lie above the cells.
    controls.add(kAfterCells);
    for (int i = 1; i <= 6; ++i) {
        m_vLine[i] = controls.get<LineShape>(QStringLiteral("VLine%1").arg(i));
    }
    for (int i = 1; i <= 3; ++i) {
        m_hLine[i] = controls.get<LineShape>(QStringLiteral("HLine%1").arg(i));
    }
    m_vScroll1 = controls.get<QScrollBar>("VScroll1");
    m_vScrollLine = controls.get<LineShape>("VScrollLine");
}

QList<QLineEdit*> Ang_Disp::makeCellRows(int from, int to)
{
    // The cells stand at the Lefts of three offset tables until a display
    // places them; rows made after the body rules go under them.
    const bool underRules = m_rowsMade > 0;
    const ColumnLefts lefts = CellLayout(3, true);
    QList<QLineEdit*> made;
    for (int t = 1; t <= 3; ++t) {
        for (int r = from; r < to; ++r) {
            const QString place = QStringLiteral("%1_%2").arg(t).arg(r);
            m_ang[t][r] =
                makeCell(*m_panel, QStringLiteral("Ang") + place, lefts.ang[t], r, kAngleCellWidth);
            if (t == 1 && r == 0) {
                fitValues(*m_ang[1][0], *m_panel);
            }
            m_dispB[t][r] = makeCell(*m_panel, QStringLiteral("DispB") + place, lefts.dispB[t], r,
                                     kDispCellWidth);
            m_dispA[t][r] = makeCell(*m_panel, QStringLiteral("DispA") + place, lefts.dispA[t], r,
                                     kDispCellWidth);
            made += {m_ang[t][r], m_dispB[t][r], m_dispA[t][r]};
        }
    }
    if (underRules) {
        for (QLineEdit* cell : made) {
            cell->lower();
        }
    }
    m_rowsMade = to;
    return made;
}

} // namespace crank
