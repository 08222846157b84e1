#include "wheel/check_words.h"

#include <cmath>

namespace crank {
namespace {

std::string degreesWord(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(std::fabs(value) * scale) / scale > 1.0 ? " degrees" : " degree";
}

// Why a check has no answer; empty when it has one or nothing was typed.
std::string stateWords(CheckState state, const std::string& sameReadings)
{
    switch (state) {
    case CheckState::OneReading:
        return "Type both readings.";
    case CheckState::NotANumber:
        return "A reading is not a number.";
    case CheckState::BeyondHalfTurn:
        return "A wheel marked 0-180-0 reads from 0 to 180 on either side of TDC: type the "
               "degrees and choose the side.";
    case CheckState::DropNotANumber:
        return "The drop is not a number.";
    case CheckState::NoEngine:
        return "Display the tables first.";
    case CheckState::SameReadings:
        return sameReadings;
    default:
        return "";
    }
}

// What probably went wrong, said as what to check.
std::string slipWords(LikelySlip slip, WheelMarking marking, const std::string& otherwise)
{
    switch (slip) {
    case LikelySlip::SideOfTdc:
        return marking == WheelMarking::FullTurn
                   ? " The readings fit with one of them on the other side of TDC: if the wheel is "
                     "marked 0-180-0, choose that marking and the side of each reading."
                   : " The readings fit with one of them on the other side of TDC: check the side "
                     "chosen beside each.";
    case LikelySlip::Swapped:
        return " The readings fit the other way round: check which box each went into.";
    case LikelySlip::Drop:
        return " The readings fit each other: check the drop.";
    case LikelySlip::Unknown:
        break;
    }
    return " " + otherwise;
}

} // namespace

std::string PointerAdvice(double zeroError, int decimals, const NumberStyle& style)
{
    const std::string size = FormatDecimal(std::fabs(zeroError), decimals, style);
    if (size == FormatDecimal(0.0, decimals, style)) {
        return "the wheel reads true: leave the pointer where it is";
    }
    // The pointer stands still while the wheel turns under it: moved the way
    // the engine turns, it points at a mark the wheel reads less at.
    return "move the pointer " + size + degreesWord(zeroError, decimals) +
           (zeroError > 0.0 ? " the way the engine turns" : " against the way the engine turns");
}

std::string StopCheckWords(const StopCheck& check, WheelMarking marking, const NumberStyle& style)
{
    const auto fmt = [&style](double value, int decimals) {
        return FormatDecimal(value, decimals, style);
    };
    switch (check.state) {
    case CheckState::DropNotPositive:
        return "The stop's drop must be more than 0 mm: the piston reaches the stop below its "
               "place at TDC.";
    case CheckState::DropBeyondStroke:
        return "A stop " + fmt(check.drop, 2) + " mm down is never touched: the stroke is " +
               fmt(check.stroke, 2) + " mm.";
    case CheckState::Found:
        break;
    default:
        return stateWords(check.state, "The two readings are the same: the piston touches the "
                                       "stop once before TDC and once after it, at two "
                                       "different readings.");
    }
    std::string text = "The piston touches a stop " + fmt(check.drop, 2) + " mm down " +
                       fmt(check.before, 3) + " degrees BTDC and " + fmt(check.after, 3) + " ATDC";
    if (check.dropSolved) {
        text += " (the drop follows from the " + fmt(check.spread, 2) +
                " degrees between the readings)";
    }
    text += ". ";
    if (fmt(check.correction, 3) == fmt(0.0, 3)) {
        text += "The midpoint of the two readings is true TDC. ";
    } else {
        text += "The midpoint of the two readings lies " + fmt(std::fabs(check.correction), 3) +
                degreesWord(check.correction, 3) + (check.correction > 0.0 ? " after" : " before") +
                " true TDC. ";
    }
    text += "True TDC reads " + FormatReading(check.tdcReading, 3, marking, style) +
            " on this wheel: " + PointerAdvice(check.zeroError, 3, style) + ".";
    switch (check.warning) {
    case CheckWarning::ShallowStop:
        text += " But no stop is set only " + fmt(check.drop, 2) + " mm down.";
        break;
    case CheckWarning::DeepStop:
        text += " But the readings are more than half a turn apart.";
        break;
    case CheckWarning::DropMismatch:
        text += " But the readings are " + fmt(check.spread, 2) + " degrees apart, and a stop " +
                fmt(check.drop, 2) + " mm down is touched " + fmt(check.before + check.after, 2) +
                " degrees apart.";
        break;
    default:
        return text;
    }
    return text + slipWords(check.slip, marking, "Check the readings.");
}

std::string PortCheckWords(const PortCheck& check, WheelMarking marking, const NumberStyle& style)
{
    const auto fmt = [&style](double value, int decimals) {
        return FormatDecimal(value, decimals, style);
    };
    if (check.state == CheckState::NoEdge) {
        return "No edge gives a port open " + fmt(check.duration, 2) + " degrees on this engine.";
    }
    if (check.state != CheckState::Found) {
        return stateWords(check.state,
                          "The port opens and closes at the same reading: it is never open.");
    }
    const bool crown = check.kind == PortKind::CrownOpened;
    std::string text = (crown ? "The edge lies " + fmt(check.drop, 2) + " mm below the crown at TDC"
                              : "The port's lower edge lies " + fmt(check.drop, 2) +
                                    " mm below the skirt's edge at TDC") +
                       ": the port opens " + fmt(double{check.timing.opens}, 2) +
                       (crown ? " ATDC" : " BTDC") + " and closes " +
                       fmt(double{check.timing.closes}, 2) + (crown ? " BTDC" : " ATDC") + ", " +
                       fmt(check.duration, 2) + " degrees. ";
    if (fmt(check.zeroError, 2) != fmt(0.0, 2)) {
        text += "The wheel reads " + fmt(std::fabs(check.zeroError), 2) +
                degreesWord(check.zeroError, 2) + (check.zeroError > 0.0 ? " more" : " less") +
                " than the crank angle: ";
    } else {
        text += "So ";
    }
    text += PointerAdvice(check.zeroError, 2, style) + ".";
    if (check.warning == CheckWarning::FarOff) {
        text += " That is far off." +
                slipWords(check.slip, marking,
                          "Check that both readings count from the wheel's zero, at TDC.");
    }
    return text;
}

} // namespace crank
