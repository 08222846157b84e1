#pragma once

namespace crank {

// Prompts of the value boxes, GeomLab_0 to GeomLab_4 (4 as first shown).
inline constexpr const char* kGeomPrompts[5] = {
    "Engine Stroke (mm):",
    "Connecting Rod Length (mm):",
    "Gudgeon Pin Offset (mm):",
    "Enter the Number of Tables (1 to 3):",
    "Initial Crank Angles (degrees, 0 to 176):",
};

// Prompt of the angle boxes for one table and for two or three.
inline constexpr const char* kOneAnglePrompt = "Initial Crank Angle (degrees, 0 to 176):";
inline constexpr const char* kManyAnglesPrompt = "Initial Crank Angles (degrees, 0 to 176):";

// The help box beside the offset box; lines end in CR LF.
inline constexpr const char* kOffsetHelp =
    "                 Entering the Gudgeon Pin Offset\r\n"
    "\r\n"
    " By the direction of rotation is meant the direction of the \r\n"
    " crankpin motion as it passes through Top Dead Centre.\r\n"
    "\r\n"
    " Enter zero for no offset, a positive value for an offset in \r\n"
    " the direction of rotation, a negative value otherwise.\r\n";

} // namespace crank
