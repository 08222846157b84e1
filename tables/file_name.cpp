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

std::string EngineFileName(std::string_view engineName, std::string_view subject,
                           std::string_view fallback, std::string_view extension)
{
    const std::string safe = SafeFileName(engineName);
    const std::string stem =
        safe.empty() ? std::string(fallback) : safe + " " + std::string(subject);
    return stem + "." + std::string(extension);
}

std::string SuggestedFileName(std::string_view engineName, std::string_view extension)
{
    return EngineFileName(engineName, "crank angles", "crank-angle-tables", extension);
}

} // namespace crank
