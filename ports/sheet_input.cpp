#include "ports/sheet_input.h"

namespace crank {

PortKind KindOf(PortRole role)
{
    return role == PortRole::Inlet ? PortKind::SkirtOpened : PortKind::CrownOpened;
}

const char* RoleName(PortRole role)
{
    switch (role) {
    case PortRole::Exhaust:
        return "exhaust";
    case PortRole::Transfer:
        return "transfer";
    case PortRole::Boost:
        return "boost";
    case PortRole::Inlet:
        return "inlet";
    }
    return "";
}

std::string RoleTitle(PortRole role)
{
    std::string title = RoleName(role);
    title[0] = static_cast<char>(title[0] - 'a' + 'A');
    return title;
}

const char* GroupName(TargetGroup group)
{
    switch (group) {
    case TargetGroup::Exhaust:
        return "Exhaust";
    case TargetGroup::Transfers:
        return "Transfers and boost";
    case TargetGroup::Inlet:
        return "Inlet";
    }
    return "";
}

TargetGroup GroupOf(PortRole role)
{
    switch (role) {
    case PortRole::Exhaust:
        return TargetGroup::Exhaust;
    case PortRole::Transfer:
    case PortRole::Boost:
        return TargetGroup::Transfers;
    case PortRole::Inlet:
        return TargetGroup::Inlet;
    }
    return TargetGroup::Exhaust;
}

std::array<PortRowInput, kMaxPorts> FreshRows()
{
    std::array<PortRowInput, kMaxPorts> rows;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        rows[i].role = PortRole::Transfer;
    }
    return rows;
}

} // namespace crank
