#include "info/user_info_text.h"

namespace crank {
namespace {

constexpr int kLine = 255;  // height of a body line, twips
constexpr int kFull = 6495; // width of a full body line, twips

const InfoLabelDesign kHeading{
    "HeadLab", 240, 240, 6255, 320, true, "Crank Angle/Piston Displacement Table(s)"};

// Rows at 4600 and 7500 are single lines made of several labels, so that one
// phrase in each can be bold.
const InfoLabelDesign kBody[] = {
    {"InfoLab_0", 120, 700, 6465, kLine, false,
     "This program will provide the display of one, two or three Crank Angle/Piston Displacement"},
    {"InfoLab_1", 120, 950, kFull, kLine, false, "tables on the same screen. "},
    {"InfoLab_2", 120, 1350, kFull, kLine, false,
     "Each table provides values over a Crank Angle range of 4 degrees commencing at a User"},
    {"InfoLab_3", 120, 1600, kFull, kLine, false,
     "defined angle.  Whilst the basic increment in Crank Angle is 0.1 degrees, a 0.25 degree"},
    {"InfoLab_4", 120, 1850, kFull, kLine, false, "increment is superimposed within the table."},
    {"InfoLab_5", 120, 2250, kFull, kLine, false,
     "The table(s) displayed may be printed. The output will comprise a single A4 page. "},
    {"InfoLab_6", 120, 2650, kFull, kLine, false,
     "The User input includes an Engine Name, the engine Stroke, the engine Connecting Rod"},
    {"InfoLab_7", 120, 2900, kFull, kLine, false,
     "Length and the Offset of the gudgeon pin in the piston."},
    {"InfoLab_8", 120, 3150, kFull, kLine, false,
     "When the offset of the gudgeon pin is non-zero, two columns of piston displacement values"},
    {"InfoLab_9", 120, 3400, kFull, kLine, false,
     "are displayed. These are the Before Top Dead Centre (BTDC) values and the After Top "},
    {"InfoLab_10", 120, 3650, kFull, kLine, false,
     "Dead Centre (ATDC) values which will differ in this situation; the Crank Angle at Bottom"},
    {"InfoLab_11", 120, 3900, kFull, kLine, false, "Dead Centre (BDC) is also displayed."},
    {"InfoLab_12", 120, 4350, kFull, kLine, false,
     "Whilst the values of the Stroke, Connecting Rod Length and Gudgeon Pin Offset will vary"},
    {"InfoLab_13", 120, 4600, 3195, kLine, false,
     "within their manufacturing tolerance limits, the"},
    {"InfoLab_25", 3360, 4600, 900, kLine, true, "difference"},
    {"InfoLab_26", 4280, 4605, 2450, kLine, false, "between the piston displacements"},
    {"InfoLab_14", 120, 4850, kFull, kLine, false,
     "for two angles of reasonably close proximity is essentially unchanged by such variations in"},
    {"InfoLab_15", 120, 5100, kFull, kLine, false,
     "manufacture and accurately provided by the values tabulated."},
    {"InfoLab_16", 120, 5550, kFull, kLine, false,
     "The tables constructed can be useful when setting the port timing of an engine. Examples  "},
    {"InfoLab_17", 120, 5800, kFull, kLine, false,
     "are when estimating the change in crankcase/barrel gasket thickness to obtain desired"},
    {"InfoLab_18", 120, 6050, kFull, kLine, false,
     "EPO/EPC values and when estimating the amount to shorten a piston skirt to provide the"},
    {"InfoLab_19", 120, 6300, kFull, kLine, false,
     "desired IPO/IPC values in a piston port induction engine."},
    {"InfoLab_20", 120, 6750, kFull, kLine, false,
     "When attaching a Degree Wheel to an engine with a non-zero piston offset, the knowledge"},
    {"InfoLab_21", 120, 7000, kFull, kLine, false,
     "of the difference in the displacements at angles such as 90 dagrees BTDC and ATDC can "},
    {"InfoLab_22", 120, 7250, kFull, kLine, false,
     "allow the accurate location of Top Dead Centre (TDC)."},
    {"LabInfo", 120, 7500, 4250, kLine, false,
     "It is recognised, however, that the accurate measurement of"},
    {"InfoLab_23", 4420, 7500, 2205, kLine, true, "port open duration angles"},
    {"InfoLab_24", 120, 7750, kFull, kLine, false,
     "is independent of the accuracy of the degree wheel setting to TDC."},
};

} // namespace

const InfoLabelDesign& InfoHeading()
{
    return kHeading;
}

std::span<const InfoLabelDesign> InfoBodyLabels()
{
    return kBody;
}

} // namespace crank
