#pragma once

namespace crank {

// The screens name their fonts as they were designed ("MS Sans Serif",
// "Times New Roman"). Where those families are not installed, Qt's font
// substitution maps them to their metric-compatible stand-ins from
// fonts-liberation. Call once after the QApplication exists and before the
// first screen is made.
void installFontSubstitutions();

} // namespace crank
