#pragma once

// Test support: tab-separated and comma-separated text read back into rows
// of fields, strictly, so that a malformed line fails the test.

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace crank::testing {

using Rows = std::vector<std::vector<std::string>>;

// Lines ended by "\n", fields split at tabs; an empty line is a row
// without fields.
inline Rows parseTsv(const std::string& text)
{
    Rows rows;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        EXPECT_NE(end, std::string::npos) << "last line not ended";
        const std::string line = text.substr(start, end - start);
        std::vector<std::string> fields;
        std::size_t from = 0;
        for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
            fields.push_back(line.substr(from, tab - from));
        }
        fields.push_back(line.substr(from));
        rows.push_back(line.empty() ? std::vector<std::string>{} : fields);
        start = end + 1;
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
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"') {
            EXPECT_TRUE(field.empty()) << "quote inside an unquoted field at " << i;
            quoted = anyField = true;
        } else if (ch == ',') {
            fields.push_back(field);
            field.clear();
            anyField = true;
        } else if (ch == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "bare CR at " << i;
            if (anyField || !field.empty()) {
                fields.push_back(field);
            }
            rows.push_back(fields);
            fields.clear();
            field.clear();
            anyField = false;
            ++i;
        } else {
            EXPECT_NE(ch, '\n') << "bare LF at " << i;
            field += ch;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_TRUE(field.empty() && fields.empty()) << "last record not ended";
    return rows;
}

} // namespace crank::testing
