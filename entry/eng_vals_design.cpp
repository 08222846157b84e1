// The fixed design of the data entry screen: one row per control with its
// twip rectangle (frame children relative to the frame), caption, colour,
// maximum length and tab position, and the bindings to the screen's members.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "entry/eng_vals.h"
#include "entry/eng_vals_text.h"
#include "platform/control_table.h"

namespace crank {
namespace {

using K = ControlKind;
constexpr const char* kFrame = "GeomFram";

const ScreenDesign kScreen{"EngVals", EngVals::kTitle, EngVals::kClientWidth,
                           EngVals::kClientHeight, kRose};

// clang-format off
const ControlDesign kControls[] = {
    {K::Button, "GeomCom_0", nullptr, {360, 120, 1240, 615}, "Return to &Front Screen", nullptr, kReturnBlue, 0, 0, 0},
    {K::Button, "GeomCom_1", nullptr, {1920, 120, 1240, 615}, "&Display the Table(s)", nullptr, kCommandPink, 0, 0, 1},
    {K::Label, "EngNamLab", nullptr, {260, 1120, 2100, 255}, "Enter a Name for the Engine:"},
    {K::Box, "EngNamTxt", nullptr, {2400, 1080, 2750, 320}, "", nullptr, kCream, 0, 25, 2},
    {K::Label, "GeomLab_0", nullptr, {260, 1820, 1500, 255}, kGeomPrompts[0]},
    {K::Box, "GeomTxt_0", nullptr, {1800, 1780, 650, 320}, "", nullptr, kCream, 0, 6, 4},
    {K::Label, "GeomLab_1", nullptr, {3660, 1820, 2140, 255}, kGeomPrompts[1]},
    {K::Box, "GeomTxt_1", nullptr, {5900, 1780, 650, 320}, "", nullptr, kCream, 0, 6, 6},
    {K::Label, "GeomLab_2", nullptr, {260, 2520, 1880, 255}, kGeomPrompts[2]},
    {K::Help, "OffSetTxt", nullptr, {3000, 2300, 4060, 1560}, kOffsetHelp, nullptr, kPeach},
    {K::Box, "GeomTxt_2", nullptr, {2180, 2480, 580, 320}, "", nullptr, kCream, 0, 6, 9},
    {K::Group, kFrame, nullptr, {240, 4080, 6800, 3400},
     "  Crank Angle/Piston Displacement Tables and Initial Crank Angles  "},
    {K::Label, "Label1", kFrame, {180, 420, 6500, 255},
     "A maximum of three Tables can be displayed and then, if required, printed on a single page."},
    {K::Label, "Label2", kFrame, {180, 840, 6480, 255},
     "A Table comprises a column of successive crank angles and the corresponding piston"},
    {K::Label, "Label3", kFrame, {180, 1100, 6400, 255},
     "displacements. If the offset is non-zero both BTDC and ATDC displacements are listed."},
    {K::Label, "Label4", kFrame, {180, 1520, 6400, 255},
     "The range of the crank angles provided in a Table is 4 degrees. "},
    {K::Label, "Label5", kFrame, {180, 1780, 6540, 255},
     "You are prompted for the Number of Tables and then for their Initial Crank Angles."},
    {K::Label, "GeomLab_3", kFrame, {480, 2320, 2900, 255}, kGeomPrompts[3]},
    {K::Label, "GeomLab_4", kFrame, {480, 2880, 2800, 255}, kGeomPrompts[4]},
    {K::Box, "GeomTxt_3", kFrame, {3160, 2280, 495, 320}, "", nullptr, kCream, 0, 1, 18},
    {K::Box, "GeomTxt_4", kFrame, {3400, 2840, 400, 285}, "", nullptr, kCream, 0, 3, 19},
    {K::Box, "GeomTxt_5", kFrame, {4150, 2840, 400, 285}, "", nullptr, kCream, 0, 3, 21},
    {K::Box, "GeomTxt_6", kFrame, {4900, 2840, 400, 285}, "", nullptr, kCream, 0, 3, 22},
};
// clang-format on

} // namespace

void EngVals::buildDesign()
{
    Controls controls(*this, kScreen);
    controls.add(kControls);
    m_geomCom = {controls.get<QPushButton>("GeomCom_0"), controls.get<QPushButton>("GeomCom_1")};
    m_engNamLab = controls.get<QLabel>("EngNamLab");
    m_engNamTxt = controls.get<QLineEdit>("EngNamTxt");
    m_geomLab = {controls.get<QLabel>("GeomLab_0"), controls.get<QLabel>("GeomLab_1"),
                 controls.get<QLabel>("GeomLab_2"), controls.get<QLabel>("GeomLab_3"),
                 controls.get<QLabel>("GeomLab_4")};
    m_geomTxt = {controls.get<QLineEdit>("GeomTxt_0"), controls.get<QLineEdit>("GeomTxt_1"),
                 controls.get<QLineEdit>("GeomTxt_2"), controls.get<QLineEdit>("GeomTxt_3"),
                 controls.get<QLineEdit>("GeomTxt_4"), controls.get<QLineEdit>("GeomTxt_5"),
                 controls.get<QLineEdit>("GeomTxt_6")};
    m_offSetTxt = controls.get<QPlainTextEdit>("OffSetTxt");
    m_geomFram = controls.get<QGroupBox>(kFrame);
    // The geometry boxes keep their filter, which empties a box at a
    // character it does not take; the tip says which separator they take.
    for (int i = 0; i < 3; ++i) {
        m_geomTxt[static_cast<std::size_t>(i)]->setToolTip(
            tr("Millimetres, with a decimal point (.): a comma or any other character "
               "empties the box."));
    }
    // Every box selects its whole text when it receives the focus.
    m_engNamTxt->installEventFilter(this);
    for (QLineEdit* box : m_geomTxt) {
        box->installEventFilter(this);
    }
}

} // namespace crank
