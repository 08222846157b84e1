#include "ports/role_style.h"

#include <array>

namespace crank {

const RoleStyle& StyleOf(PortRole role)
{
    // Exhaust, transfer, boost, inlet.
    static const std::array<RoleStyle, kRoleCount> kStyles = {{{{200, 0, 0}, {}},
                                                               {{0, 70, 200}, {6, 3}},
                                                               {{0, 130, 0}, {1, 2}},
                                                               {{120, 0, 160}, {6, 2, 1, 2}}}};
    return kStyles[static_cast<std::size_t>(role)];
}

} // namespace crank
