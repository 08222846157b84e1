#pragma once

#include <string>

#include "wheel/wheel_check.h"

namespace crank {

// The wheel's checks in plain words for its window, readings as a wheel of
// that marking shows them; empty for a check with nothing typed.
std::string StopCheckWords(const StopCheck& check, WheelMarking marking, const NumberStyle& style);
std::string PortCheckWords(const PortCheck& check, WheelMarking marking, const NumberStyle& style);

// What to do about a zero error: "move the pointer 0.88 degree the way the
// engine turns"; decimals as shown.
std::string PointerAdvice(double zeroError, int decimals, const NumberStyle& style);

} // namespace crank
