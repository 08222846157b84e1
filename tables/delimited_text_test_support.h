#pragma once

// Test support: tab-separated and comma-separated text read back into rows
// of fields. The exact text of both formats is checked by the export tests.

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace crank::testing {

using Rows = std::vector<std::vector<std::string>>;

// Records ended by `eol`, fields split at `separator`; an empty record has no
// fields. With `quoting`, a field in double quotes (a quote inside doubled)
// may hold the separator and line breaks.
inline Rows parseRecords(const std::string& text, char separator, const std::string& eol,
                         bool quoting)
{
    Rows rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (quoting && text[i] == '"') {
            quoted = !quoted;
            if (!quoted && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
            }
        } else if (!quoted && text[i] == separator) {
            rows.back().push_back(field);
            field.clear();
        } else if (!quoted && text.compare(i, eol.size(), eol) == 0) {
            if (!rows.back().empty() || !field.empty()) {
                rows.back().push_back(field);
            }
            field.clear();
            rows.emplace_back();
            i += eol.size() - 1;
        } else {
            field += text[i];
        }
    }
    EXPECT_TRUE(!quoted && field.empty() && rows.back().empty()) << "last record not ended";
    rows.pop_back();
    return rows;
}

inline Rows parseTsv(const std::string& text)
{
    return parseRecords(text, '\t', "\n", false);
}

inline Rows parseCsv(const std::string& text, char separator = ',')
{
    return parseRecords(text, separator, "\r\n", true);
}

} // namespace crank::testing
