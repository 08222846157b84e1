#include "wheel/wheel_reading.h"

#include <cmath>

namespace crank {

double FullTurn(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0.0 ? turned + 360.0 : turned;
}

double HalfTurn(double degrees)
{
    const double turned = FullTurn(degrees);
    return turned > 180.0 ? turned - 360.0 : turned;
}

Reading ReadWheelReading(const TypedReading& typed, WheelMarking marking, const NumberStyle& style)
{
    if (typed.degrees.empty()) {
        return {};
    }
    const std::optional<double> value = ReadTyped(typed.degrees, style);
    if (!value) {
        return {ReadingState::NotANumber, 0.0};
    }
    if (marking == WheelMarking::FullTurn) {
        return {ReadingState::Read, FullTurn(*value)};
    }
    if (!(*value >= 0.0 && *value <= 180.0)) {
        return {ReadingState::BeyondHalfTurn, 0.0};
    }
    return {ReadingState::Read, FullTurn(typed.side == TdcSide::Atdc ? *value : -*value)};
}

ShownReading ShowReading(double reading, int decimals, WheelMarking marking)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(FullTurn(reading) * scale) / scale;
    if (rounded >= 360.0) {
        rounded = 0.0; // 359.9998 is TDC to three decimals
    }
    if (marking == WheelMarking::FullTurn || rounded == 0.0 || rounded == 180.0) {
        return {rounded, ""};
    }
    return rounded < 180.0 ? ShownReading{rounded, "ATDC"} : ShownReading{360.0 - rounded, "BTDC"};
}

std::string FormatReading(double reading, int decimals, WheelMarking marking,
                          const NumberStyle& style)
{
    const ShownReading shown = ShowReading(reading, decimals, marking);
    return FormatDecimal(shown.degrees, decimals, style) +
           (shown.side.empty() ? "" : " " + shown.side);
}

std::string MarkingName(WheelMarking marking)
{
    return marking == WheelMarking::BothWays ? "0-180-0" : "0-360";
}

} // namespace crank
