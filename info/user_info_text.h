#pragma once

#include <span>

#include "platform/control_table.h"

namespace crank {

// The viewport (Picture1) and the panel that scrolls behind it (finfo_1).
inline constexpr const char* kInfoViewport = "Picture1";
inline constexpr const char* kInfoPanel = "finfo_1";

// Every control of the user information screen in stacking order: the
// return command, the viewport, the panel with the heading (HeadLab) and the
// body labels in reading order (InfoLab_0 .. InfoLab_26 and LabInfo), and
// the scroll bar.
std::span<const ControlDesign> InfoControls();

} // namespace crank
