#pragma once

// Test support: tab-separated and comma-separated text read back into rows
// of fields, strictly, so that a malformed line fails the test.

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace crank::testing {

using Rows = std::vector<std::vector<std::string>>;

// Lines ended by "\n", fields split at tabs; an empty line is a row
// without fields.
inline Rows parseTsv(const std::string& text)
{
    EXPECT_TRUE(text.empty() || text.back() == '\n') << "last line not ended";
    Rows rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        rows.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) {
            rows.back().push_back(field);
        }
        if (!line.empty() && line.back() == '\t') {
            rows.back().emplace_back();
        }
    }
    return rows;
}

// A strict reader for RFC 4180: quoted fields, doubled quotes, CRLF records.
inline Rows parseCsv(const std::string& text)
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
        } else if (quoted || (ch != ',' && ch != '\r')) {
            EXPECT_TRUE(quoted || ch != '\n') << "bare LF at " << i;
            field += ch;
        } else if (ch == ',') {
            fields.push_back(std::exchange(field, {}));
            anyField = true;
        } else {
            EXPECT_EQ(text[i + 1], '\n') << "bare CR at " << i;
            if (anyField || !field.empty()) {
                fields.push_back(std::exchange(field, {}));
            }
            rows.push_back(std::exchange(fields, {}));
            anyField = false;
            ++i;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_TRUE(field.empty() && fields.empty()) << "last record not ended";
    return rows;
}

} // namespace crank::testing
