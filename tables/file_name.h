#pragma once

#include <string>
#include <string_view>

namespace crank {

// The engine name as a part of a file name that the common file systems all
// take: the characters they refuse (/ \ : * ? " < > | and control characters)
// become blanks, runs of blanks close up to one, and blanks and dots are
// trimmed from both ends (a leading dot would hide the file). Other
// characters, accented letters included, stay. Empty when nothing is left.
std::string SafeFileName(std::string_view engineName);

// The name a save dialog proposes for a file about an engine:
// "<engine> <subject>.<extension>", or "<fallback>.<extension>" when the
// engine name leaves nothing. extension without the dot.
std::string EngineFileName(std::string_view engineName, std::string_view subject,
                           std::string_view fallback, std::string_view extension);

// The tables' file: "<engine> crank angles.<extension>" (for example
// "Kart 125 crank angles.pdf"), or "crank-angle-tables.<extension>".
std::string SuggestedFileName(std::string_view engineName, std::string_view extension);

} // namespace crank
