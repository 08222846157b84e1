#include "tables/table_export.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace crank {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows parseTsv(const std::string& text)
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
Rows parseCsv(const std::string& text)
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

PageContent sampleContent(int numTables, bool offset, const std::string& engineName)
{
    PageContent c;
    c.NumTables = static_cast<std::int16_t>(numTables);
    c.OffsetNonZero = offset;
    c.engineCaption = " Engine: " + engineName + " ";
    c.strokeCaption = "Stroke (mm): 46";
    c.rodCaption = "Connecting Rod Length (mm): 100";
    c.offsetCaption = offset ? "Gudgeon Pin Offset (mm): -0.5" : "Gudgeon Pin Offset (mm): 0";
    c.bdcCaption = "Crank Angle at BDC (degrees ATDC): 179.86";
    for (int t = 1; t <= kMaxTables; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            // Distinct texts per table, column and row, so a misplaced cell shows.
            const std::string tag = std::to_string(t) + "." + std::to_string(r);
            c.angleTexts[t][r] = "a" + tag;
            c.dispBTexts[t][r] = "b" + tag;
            c.dispATexts[t][r] = "c" + tag;
        }
    }
    return c;
}

Rows expectedRows(const PageContent& c, const std::string& engineName)
{
    Rows rows = {{"Engine:", engineName},
                 {"Stroke (mm):", "46"},
                 {"Connecting Rod Length (mm):", "100"},
                 {"Gudgeon Pin Offset (mm):", c.OffsetNonZero ? "-0.5" : "0"}};
    if (c.OffsetNonZero) {
        rows.push_back({"Crank Angle at BDC (degrees ATDC):", "179.86"});
    }
    for (int t = 1; t <= c.NumTables && t <= kMaxTables; ++t) {
        rows.push_back({});
        if (c.OffsetNonZero) {
            rows.push_back({"Angle (deg)", "Displacement (mm) BTDC", "Displacement (mm) ATDC"});
        } else {
            rows.push_back({"Angle (deg)", "Displacement (mm)"});
        }
        for (int r = 0; r < kRowsPerTable; ++r) {
            if (c.OffsetNonZero) {
                rows.push_back({c.angleTexts[t][r], c.dispBTexts[t][r], c.dispATexts[t][r]});
            } else {
                rows.push_back({c.angleTexts[t][r], c.dispBTexts[t][r]});
            }
        }
    }
    return rows;
}

TEST(TableExportTest, ParsedBackEqualsTheCells)
{
    for (int tables = 0; tables <= kMaxTables; ++tables) {
        for (bool offset : {false, true}) {
            SCOPED_TRACE(std::to_string(tables) + (offset ? " tables, offset" : " tables, none"));
            const PageContent c = sampleContent(tables, offset, "Twin 125");
            const Rows expected = expectedRows(c, "Twin 125");
            EXPECT_EQ(parseTsv(TablesAsTsv(c)), expected);
            EXPECT_EQ(parseCsv(TablesAsCsv(c)), expected);
        }
    }
}

TEST(TableExportTest, EngineNameSurvivesTheSeparators)
{
    struct Case {
        const char* name;
        const char* tsvName; // what the tab-separated text can carry
    };
    const Case cases[] = {
        {"Mine, \"fast\" one", "Mine, \"fast\" one"},
        {"a\tb", "a b"},
        {"a: b", "a: b"}, // only the caption's own colon splits
        {"", ""},
        {"\"", "\""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const PageContent c = sampleContent(1, true, k.name);
        const Rows tsv = parseTsv(TablesAsTsv(c));
        ASSERT_FALSE(tsv.empty());
        EXPECT_EQ(tsv[0], (std::vector<std::string>{"Engine:", k.tsvName}));
        const Rows csv = parseCsv(TablesAsCsv(c));
        ASSERT_FALSE(csv.empty());
        EXPECT_EQ(csv[0], (std::vector<std::string>{"Engine:", k.name}));
    }
}

TEST(TableExportTest, RealCellTextsStayTextAndUnquoted)
{
    PageContent c = sampleContent(1, false, "X");
    c.angleTexts[1][3] = "77.25";
    c.dispBTexts[1][3] = "20.47";
    const std::string csv = TablesAsCsv(c);
    EXPECT_NE(csv.find("\r\n77.25,20.47\r\n"), std::string::npos);
    EXPECT_NE(TablesAsTsv(c).find("\n77.25\t20.47\n"), std::string::npos);
    // A count beyond three tables never reads past the cell arrays.
    c.NumTables = 9;
    EXPECT_EQ(parseTsv(TablesAsTsv(c)).size(), 4u + 3u * (2u + kRowsPerTable));
}

} // namespace
} // namespace crank
