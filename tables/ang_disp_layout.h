#pragma once

#include <array>

#include "platform/scroll_formula.h"

namespace crank {

// Placement of the tables screen for 1 to 3 tables, in twips. Cell Lefts are
// panel coordinates, header and header-box coordinates are screen coordinates
// (a panel x plus 200 is a screen x). Index 1..3 is the table; 0 is unused.
// kUnset marks a column whose Left the layout leaves as it was.
inline constexpr int kUnset = -1;

struct ColumnLefts {
    std::array<int, 4> ang{kUnset, kUnset, kUnset, kUnset};
    std::array<int, 4> dispB{kUnset, kUnset, kUnset, kUnset};
    std::array<int, 4> dispA{kUnset, kUnset, kUnset, kUnset};
    std::array<int, 4> labA{kUnset, kUnset, kUnset, kUnset}; // "Angle (deg)"
    std::array<int, 4> labB{kUnset, kUnset, kUnset, kUnset}; // displacement header
};

// numTables 1..3 (anything else is treated as 1).
ColumnLefts CellLayout(int numTables, bool offsetNonZero);

// A straight ruling line from (x1, y1) to (x2, y2); a hidden line keeps its
// earlier position.
struct Rule {
    bool shown = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct RuleLayout {
    int panelWidth = 0;           // fdisp_2
    int scrollLeft = 0;           // VScroll1, in the viewport
    int scrollLineX = 0;          // VScrollLine, in the viewport
    std::array<Rule, 7> vLine{};  // VLine1..6, panel coordinates
    std::array<Rule, 4> hLine{};  // HLine1..3, panel coordinates
    std::array<Rule, 7> tvLine{}; // TVLine1..6, screen coordinates
    std::array<Rule, 7> thLine{}; // THLine1..6 (4..6 are the bottoms of 1..3)
};

// The rules depend on the number of tables alone (1..3; anything else as 1).
RuleLayout RulesFor(int numTables);

// The engine summary frame: fixed Left and Width (twips); Top and Height come
// with the summary.
inline constexpr int kFrameLeft = 3180;
inline constexpr int kFrameWidth = 3400;

// Cell rows on the panel: row r at Top kCellPitch * r, kCellHeight high (twips).
inline constexpr int kCellPitch = 250;
inline constexpr int kCellHeight = 240;

// Fixed heights of the scrolling, twips, and the scroll bar's range.
inline constexpr int kViewportHeight = 4600;
inline constexpr int kPanelHeight = 12250;
inline constexpr int kScrollMaximum = 60;

// The panel scrolls by PanelTop: v = 1 gives -127, v = 60 -7650.

} // namespace crank
