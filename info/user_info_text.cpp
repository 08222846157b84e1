// The fixed design of the user information screen, and its text exact to
// the blank.
#include "info/user_info_text.h"

namespace crank {
namespace {

using K = ControlKind;
constexpr int kLine = 255;  // height of a body line, twips
constexpr int kFull = 6495; // width of a full body line, twips
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Face kBold{"MS Sans Serif", 8.25, true};
constexpr Face kHeading{"MS Sans Serif", 12, true, false, true};

// Rows at 4600 and 7500 are single lines made of several labels, so that one
// phrase in each can be bold.
// clang-format off
const ControlDesign kControls[] = {
    {K::Button, "Command1", nullptr, {360, 160, 1215, 615}, "Return to &Front Screen", nullptr, kReturnBlue, kNoColour, 0, 0},
    {K::BoxedPicture, kInfoViewport, nullptr, {240, 950, 7190, 6100}, "", nullptr, kPeach},
    // Children are placed from the inside of the one-pixel (15 twip) border
    // and clipped by it.
    {K::Picture, "Picture1Inside", kInfoViewport, {15, 15, 7160, 6070}},
    {K::Picture, kInfoPanel, "Picture1Inside", {0, 0, 6800, 8255}, "", nullptr, kPeach},
    {K::Label, "HeadLab", kInfoPanel, {240, 240, 6255, 320}, "Crank Angle/Piston Displacement Table(s)",
     &kHeading, kPeach, kBlack, 0, -1, Qt::AlignHCenter | Qt::AlignTop},
    {K::Label, "InfoLab_0", kInfoPanel, {120, 700, 6465, kLine},
     "This program will provide the display of one, two or three Crank Angle/Piston Displacement", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_1", kInfoPanel, {120, 950, kFull, kLine},
     "tables on the same screen. ", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_2", kInfoPanel, {120, 1350, kFull, kLine},
     "Each table provides values over a Crank Angle range of 4 degrees commencing at a User", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_3", kInfoPanel, {120, 1600, kFull, kLine},
     "defined angle.  Whilst the basic increment in Crank Angle is 0.1 degrees, a 0.25 degree", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_4", kInfoPanel, {120, 1850, kFull, kLine},
     "increment is superimposed within the table.", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_5", kInfoPanel, {120, 2250, kFull, kLine},
     "The table(s) displayed may be printed. The output will comprise a single A4 page. ", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_6", kInfoPanel, {120, 2650, kFull, kLine},
     "The User input includes an Engine Name, the engine Stroke, the engine Connecting Rod", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_7", kInfoPanel, {120, 2900, kFull, kLine},
     "Length and the Offset of the gudgeon pin in the piston.", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_8", kInfoPanel, {120, 3150, kFull, kLine},
     "When the offset of the gudgeon pin is non-zero, two columns of piston displacement values", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_9", kInfoPanel, {120, 3400, kFull, kLine},
     "are displayed. These are the Before Top Dead Centre (BTDC) values and the After Top ", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_10", kInfoPanel, {120, 3650, kFull, kLine},
     "Dead Centre (ATDC) values which will differ in this situation; the Crank Angle at Bottom", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_11", kInfoPanel, {120, 3900, kFull, kLine},
     "Dead Centre (BDC) is also displayed.", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_12", kInfoPanel, {120, 4350, kFull, kLine},
     "Whilst the values of the Stroke, Connecting Rod Length and Gudgeon Pin Offset will vary", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_13", kInfoPanel, {120, 4600, 3195, kLine},
     "within their manufacturing tolerance limits, the", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_25", kInfoPanel, {3360, 4600, 900, kLine},
     "difference", &kBold, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_26", kInfoPanel, {4280, 4605, 2450, kLine},
     "between the piston displacements", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_14", kInfoPanel, {120, 4850, kFull, kLine},
     "for two angles of reasonably close proximity is essentially unchanged by such variations in", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_15", kInfoPanel, {120, 5100, kFull, kLine},
     "manufacture and accurately provided by the values tabulated.", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_16", kInfoPanel, {120, 5550, kFull, kLine},
     "The tables constructed can be useful when setting the port timing of an engine. Examples  ", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_17", kInfoPanel, {120, 5800, kFull, kLine},
     "are when estimating the change in crankcase/barrel gasket thickness to obtain desired", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_18", kInfoPanel, {120, 6050, kFull, kLine},
     "EPO/EPC values and when estimating the amount to shorten a piston skirt to provide the", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_19", kInfoPanel, {120, 6300, kFull, kLine},
     "desired IPO/IPC values in a piston port induction engine.", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_20", kInfoPanel, {120, 6750, kFull, kLine},
     "When attaching a Degree Wheel to an engine with a non-zero piston offset, the knowledge", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_21", kInfoPanel, {120, 7000, kFull, kLine},
     "of the difference in the displacements at angles such as 90 dagrees BTDC and ATDC can ", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_22", kInfoPanel, {120, 7250, kFull, kLine},
     "allow the accurate location of Top Dead Centre (TDC).", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "LabInfo", kInfoPanel, {120, 7500, 4250, kLine},
     "It is recognised, however, that the accurate measurement of", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_23", kInfoPanel, {4420, 7500, 2205, kLine},
     "port open duration angles", &kBold, kPeach, kBlack, 0, -1, kTopLeft},
    {K::Label, "InfoLab_24", kInfoPanel, {120, 7750, kFull, kLine},
     "is independent of the accuracy of the degree wheel setting to TDC.", &kDialogFace, kPeach, kBlack, 0, -1, kTopLeft},
    {K::ScrollBar, "VScroll1", "Picture1Inside", {6815, 0, 375, 6070}, "", nullptr, kNoColour, kNoColour, 60, 1},
};
// clang-format on

} // namespace

std::span<const ControlDesign> InfoControls()
{
    return kControls;
}

} // namespace crank
