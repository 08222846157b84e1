#include "ports/sheet_texts.h"

namespace crank {
namespace {

double toMillimetres(double value, LengthUnit unit)
{
    return unit == LengthUnit::Inch ? value * kMillimetresPerInch : value;
}

} // namespace

const char* UnitName(LengthUnit unit)
{
    return unit == LengthUnit::Inch ? "in" : "mm";
}

std::string SheetTexts::length(double mm) const
{
    const bool inch = m_unit == LengthUnit::Inch;
    return FormatDecimal(inch ? mm / kMillimetresPerInch : mm, inch ? 3 : 2, m_style);
}

double SheetTexts::asShown(double mm) const
{
    return ReadLength({length(mm), m_unit}, m_unit, m_style).millimetres;
}

LengthView ReadLength(const TypedLength& typed, LengthUnit unit, const NumberStyle& style)
{
    LengthView view;
    view.shown = typed.text;
    view.typed = !typed.text.empty();
    const std::optional<double> value = ReadTyped(typed.text, style);
    if (!value) {
        if (view.typed) {
            view.message = "Not a number.";
        }
        return view;
    }
    view.number = true;
    view.millimetres = toMillimetres(*value, typed.unit);
    if (typed.unit != unit) {
        view.shown = SheetTexts(unit, style).length(view.millimetres);
    }
    return view;
}

} // namespace crank
