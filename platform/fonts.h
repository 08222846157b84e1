#pragma once

namespace crank {

// The screens name their fonts as they were designed ("MS Sans Serif",
// "Times New Roman"). Where those families are not installed, Qt's font
// substitution maps them to their metric-compatible stand-ins from
// fonts-liberation. Call once after the QApplication exists and before the
// first screen is made.
void installFontSubstitutions();

// Where Courier is not installed, Liberation Mono stands in for it: its
// characters are 0.6 of the point size wide, as Courier's are. Installed by
// whatever draws in Courier, once.
void installCourierSubstitution();

} // namespace crank
