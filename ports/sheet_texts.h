#pragma once

#include <string>

#include "model/typed_number.h"
#include "ports/port_sheet.h"

namespace crank {

// How the port sheet writes its numbers and reads its length boxes; shared
// by the timing and the time-area halves of its view.

const char* UnitName(LengthUnit unit); // "mm" or "in"

// Every number of the sheet in one unit and one style: lengths to 0.01 mm
// or 0.001 inch, angles to 0.1 degree, STA to four significant digits.
class SheetTexts {
public:
    SheetTexts(LengthUnit unit, const NumberStyle& style) : m_unit(unit), m_style(style) {}

    std::string length(double mm) const;
    std::string lengthWithUnit(double mm) const { return length(mm) + " " + UnitName(m_unit); }
    // A length box in a cell: its number in the sheet's unit, or its text
    // as typed where it reads as none.
    std::string cell(const LengthView& box) const
    {
        return box.number ? length(box.millimetres) : box.shown;
    }
    // mm as a length box in the sheet's unit reads the text length(mm).
    double asShown(double mm) const;
    std::string angle(double degrees) const { return fixed(degrees, 1); }
    std::string hundredths(double value) const { return fixed(value, 2); }
    std::string sta(double value) const { return FormatSignificant(value, kStaDigits, m_style); }
    std::string fixed(double value, int decimals) const
    {
        return FormatDecimal(value, decimals, m_style);
    }
    LengthUnit unit() const { return m_unit; }
    const NumberStyle& style() const { return m_style; }

private:
    LengthUnit m_unit;
    const NumberStyle& m_style;
};

// A length box as read, shown in the sheet's unit.
LengthView ReadLength(const TypedLength& typed, LengthUnit unit, const NumberStyle& style);

} // namespace crank
