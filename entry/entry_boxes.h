#pragma once

#include <array>
#include <string>

namespace crank {

// The data entry screen's boxes as typed: the engine's name, its geometry,
// the number of tables and their initial angles.
struct EntryBoxes {
    std::string name;
    std::string stroke;
    std::string rod;
    std::string offset;
    std::string tables;                // the number of tables
    std::array<std::string, 3> angles; // initial angles; empty beyond the number of tables
    friend bool operator==(const EntryBoxes&, const EntryBoxes&) = default;
};

// Why the data entry screen would refuse these texts, as typed into it and
// displayed: the first box it would not keep or display, named with its
// value ("the stroke, 1200, is out of range: Stroke too large"); empty when
// it takes them all. Its keystroke filter, its boxes' lengths, the number of
// tables from 1 to 3, angles from 0 to 176 and the geometry's limits.
std::string RefusedEntry(const EntryBoxes& boxes);

} // namespace crank
