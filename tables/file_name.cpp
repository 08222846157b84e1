#include "tables/file_name.h"

namespace crank {
namespace {

bool refused(char ch)
{
    const auto code = static_cast<unsigned char>(ch);
    return code < 0x20 || code == 0x7f ||
           std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos;
}

std::string_view trimmed(std::string_view text, std::string_view strip)
{
    const auto first = text.find_first_not_of(strip);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(strip) - first + 1);
}

} // namespace

std::string SafeFileName(std::string_view engineName)
{
    std::string blanked;
    for (const char ch : engineName) {
        const char kept = refused(ch) ? ' ' : ch;
        if (kept != ' ' || blanked.empty() || blanked.back() != ' ') {
            blanked += kept;
        }
    }
    return std::string(trimmed(blanked, " ."));
}

std::string SuggestedFileName(std::string_view engineName, std::string_view extension)
{
    const std::string safe = SafeFileName(engineName);
    const std::string stem = safe.empty() ? "crank-angle-tables" : safe + " crank angles";
    return stem + "." + std::string(extension);
}

std::string EngineNameOf(std::string_view engineCaption)
{
    const auto colon = engineCaption.find(':');
    if (colon == std::string_view::npos) {
        return {};
    }
    return std::string(trimmed(engineCaption.substr(colon + 1), " "));
}

} // namespace crank
