#include "wheel/wheel_file.h"

#include <array>

namespace crank {
namespace {

const std::array kTurnings = {"clockwise", "anticlockwise"};
const std::array kIgnitionUnits = {"mm", "degrees"};
const std::array kPages = {"wheel", "strip"};
const std::array kMarkings = {"0-180-0", "0-360"};
const std::array kSides = {"BTDC", "ATDC"};
const std::array kKinds = {"crown", "skirt"};

QJsonObject reading(const TypedReading& typed)
{
    return {{"degrees", JsonNumber(typed.degrees)},
            {"side", kSides[static_cast<std::size_t>(typed.side)]}};
}

TypedReading readReading(const JsonFields& fields)
{
    return {fields.number("degrees"), TdcSide(fields.choice("side", kSides))};
}

} // namespace

QJsonObject WheelInputAsJson(const WheelInput& input)
{
    return {
        {"diameter", JsonNumber(input.diameter)},
        {"hole", JsonNumber(input.hole)},
        {"turning", kTurnings[static_cast<std::size_t>(input.turning)]},
        {"ignition", JsonNumber(input.ignition)},
        {"ignitionIn", kIgnitionUnits[static_cast<std::size_t>(input.ignitionUnit)]},
        {"rim", JsonNumber(input.rim)},
        {"page", kPages[static_cast<std::size_t>(input.sheet)]},
        {"marked", kMarkings[static_cast<std::size_t>(input.marking)]},
        {"stop", QJsonObject{{"before", reading(input.stopBefore)},
                             {"after", reading(input.stopAfter)},
                             {"drop", JsonNumber(input.stopDrop)}}},
        {"port", QJsonObject{{"kind", kKinds[static_cast<std::size_t>(input.portKind)]},
                             {"opens", reading(input.portOpens)},
                             {"closes", reading(input.portCloses)}}},
    };
}

WheelInput ReadWheelInput(const JsonFields& fields)
{
    WheelInput input;
    input.diameter = fields.number("diameter");
    input.hole = fields.number("hole");
    input.turning = Turning(fields.choice("turning", kTurnings));
    input.ignition = fields.number("ignition");
    input.ignitionUnit = IgnitionUnit(fields.choice("ignitionIn", kIgnitionUnits));
    input.rim = fields.number("rim");
    input.sheet = WheelSheet(fields.choice("page", kPages));
    input.marking = WheelMarking(fields.choice("marked", kMarkings));
    const JsonFields stop = fields.group("stop");
    input.stopBefore = readReading(stop.group("before"));
    input.stopAfter = readReading(stop.group("after"));
    input.stopDrop = stop.number("drop");
    const JsonFields port = fields.group("port");
    input.portKind = PortKind(port.choice("kind", kKinds));
    input.portOpens = readReading(port.group("opens"));
    input.portCloses = readReading(port.group("closes"));
    return input;
}

} // namespace crank
