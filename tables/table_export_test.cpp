#include "tables/table_export.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tables/delimited_text_test_support.h"

namespace crank {
namespace {

using testing::parseCsv;
using testing::parseTsv;
using testing::Rows;

DisplayView sampleContent(int numTables, bool offset, const std::string& engineName)
{
    DisplayView c;
    c.NumTables = static_cast<std::int16_t>(numTables);
    c.OffsetNonZero = offset;
    c.engineCaption = " Engine: " + engineName + " ";
    c.strokeCaption = "Stroke (mm): 46";
    c.rodCaption = "Connecting Rod Length (mm): 100";
    c.offsetCaption = "Gudgeon Pin Offset (mm): -0.5";
    c.bdcCaption = "Crank Angle at BDC (degrees ATDC): 179.86";
    for (int t = 1; t <= kMaxTables; ++t) {
        for (int r = 0; r < kRowsPerTable; ++r) {
            // Distinct texts per table, column and row, so a misplaced cell shows.
            const std::string tag = std::to_string(t) + "." + std::to_string(r);
            std::tie(c.angleTexts[t][r], c.dispBTexts[t][r], c.dispATexts[t][r]) =
                std::tuple("a" + tag, "b" + tag, "c" + tag);
        }
    }
    return c;
}

// A count beyond three tables never reads past the cell arrays.
TEST(TableExportTest, ParsedBackEqualsTheCells)
{
    for (const int tables : {0, 1, 3, 9}) {
        for (const bool offset : {false, true}) {
            SCOPED_TRACE(std::to_string(tables) + (offset ? " tables, offset" : " tables"));
            const DisplayView c = sampleContent(tables, offset, "Twin 125");
            Rows expected = {{"Engine:", "Twin 125"},
                             {"Stroke (mm):", "46"},
                             {"Connecting Rod Length (mm):", "100"},
                             {"Gudgeon Pin Offset (mm):", "-0.5"},
                             {"Crank Angle at BDC (degrees ATDC):", "179.86"}};
            expected.resize(offset ? 5 : 4);
            const auto row = [&](std::vector<std::string> fields) {
                fields.resize(offset ? 3 : 2);
                expected.push_back(fields);
            };
            for (int t = 1; t <= std::min(tables, kMaxTables); ++t) {
                expected.emplace_back();
                row({"Angle (deg)", offset ? "Displacement (mm) BTDC" : "Displacement (mm)",
                     "Displacement (mm) ATDC"});
                for (int r = 0; r < kRowsPerTable; ++r) {
                    row({c.angleTexts[t][r], c.dispBTexts[t][r], c.dispATexts[t][r]});
                }
            }
            EXPECT_EQ(parseTsv(TablesAsTsv(c)), expected);
            EXPECT_EQ(parseCsv(TablesAsCsv(c)), expected);
        }
    }
}

TEST(TableExportTest, EngineNameSurvivesTheSeparators)
{
    // The name, and what the tab-separated text can carry of it; only the
    // caption's own colon splits.
    const std::pair<const char*, const char*> names[] = {
        {"Mine, \"fast\" one", "Mine, \"fast\" one"}, {"a\tb", "a b"}, {"a: b", "a: b"}, {"", ""}};
    for (const auto& [name, tsvName] : names) {
        SCOPED_TRACE(name);
        const DisplayView c = sampleContent(1, true, name);
        EXPECT_EQ(parseTsv(TablesAsTsv(c)).at(0), (std::vector<std::string>{"Engine:", tsvName}));
        EXPECT_EQ(parseCsv(TablesAsCsv(c)).at(0), (std::vector<std::string>{"Engine:", name}));
    }
}

} // namespace
} // namespace crank
