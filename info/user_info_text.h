#pragma once

#include <span>

namespace crank {

// One label of the user information panel: its place inside the panel
// (twips) and its text, exact to the blank.
struct InfoLabelDesign {
    const char* name;
    int left, top, width, height;
    bool bold;
    const char* text;
};

// The heading of the panel (centred, underlined).
const InfoLabelDesign& InfoHeading();

// The body labels in reading order: InfoLab_0 .. InfoLab_26 and LabInfo.
std::span<const InfoLabelDesign> InfoBodyLabels();

} // namespace crank
