#pragma once

#include <optional>
#include <string_view>

#include "model/engine_state.h"

namespace crank {

// The first geometry check that failed: the prompt to show and the value box
// (GeomTxt index 0 stroke, 1 rod length, 2 offset) that gets the focus.
struct ValidationFailure {
    std::string_view message;
    int boxIndex;
    friend bool operator==(const ValidationFailure&, const ValidationFailure&) = default;
};

inline constexpr std::string_view kValidationTitle = "Value Out of Range";

// Checks the geometry against the fixed limits, in order, and returns the
// first failure, or nothing when it passes. Limits are inclusive; each product
// is rounded to float before it is compared:
//   15 <= S <= 1000,  1.5 S <= L <= 3 S,  5 |e| <= S.
// These keep the displacement model away from every singular value.
std::optional<ValidationFailure> ValidateGeometry(const EngineGeometry& geometry);

} // namespace crank
