#include "tables/table_export.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tables/delimited_text_test_support.h"

namespace crank {
namespace {

using testing::parseCsv;
using testing::parseTsv;
using testing::Rows;

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
