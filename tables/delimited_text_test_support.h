#pragma once

// Test support: tab-separated and comma-separated text read back into rows
// of fields, strictly, so that a malformed line fails the test.

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace crank::testing {

using Rows = std::vector<std::vector<std::string>>;

// Lines ended by "\n", fields split at tabs; an empty line has no fields.
inline Rows parseTsv(const std::string& text)
{
    EXPECT_TRUE(text.empty() || text.back() == '\n') << "last line not ended";
    Rows rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        rows.emplace_back();
        for (std::size_t from = 0; !line.empty() && from <= line.size();) {
            const std::size_t tab = std::min(line.find('\t', from), line.size());
            rows.back().push_back(line.substr(from, tab - from));
            from = tab + 1;
        }
    }
    return rows;
}

// A strict reader for RFC 4180: quoted fields, doubled quotes, CRLF records;
// fields split at `separator`.
inline Rows parseCsv(const std::string& text, char separator = ',')
{
    Rows rows;
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false, anyField = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted && ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += text[i++];
        } else if (ch == '"') {
            EXPECT_TRUE(quoted || field.empty()) << "quote inside an unquoted field at " << i;
            quoted = !quoted;
            anyField = true;
        } else if (quoted || (ch != separator && ch != '\r')) {
            EXPECT_TRUE(quoted || ch != '\n') << "bare LF at " << i;
            field += ch;
        } else if (ch == separator) {
            fields.push_back(std::exchange(field, {}));
            anyField = true;
        } else {
            EXPECT_EQ(text[i + 1], '\n') << "bare CR at " << i;
            if (std::exchange(anyField, false) || !field.empty()) {
                fields.push_back(std::exchange(field, {}));
            }
            rows.push_back(std::exchange(fields, {}));
            ++i;
        }
    }
    EXPECT_TRUE(!quoted && field.empty() && fields.empty()) << "last record not ended";
    return rows;
}

} // namespace crank::testing
