#include "tables/file_name.h"
#include "tables/table_export.h"

#include <gtest/gtest.h>
#include <string>

#include "tables/page_test_support.h"

namespace crank {
namespace {

// Three offset tables, from a count above three that stops at the third.
TEST(TableExportTest, TsvOfThreeOffsetTables)
{
    DisplayView view = testing::sampleView(3, true);
    view.NumTables = 9;
    std::string want =
        "Engine:\tTest\nStroke (mm):\t46\nConnecting Rod Length (mm):\t100\n"
        "Gudgeon Pin Offset (mm):\t-0.5\nCrank Angle at BDC (degrees ATDC):\t179.86\n";
    for (int t = 1; t <= 3; ++t) {
        want += "\nAngle (deg)\tDisplacement (mm) BTDC\tDisplacement (mm) ATDC\n";
        for (int r = 0; r < kRowsPerTable; ++r) {
            const std::string place = std::to_string(t) + "." + std::to_string(r);
            want += "a" + place + "\tb" + place + "\tc" + place + "\n";
        }
    }
    EXPECT_EQ(TablesAsTsv(view), want);
}

// Without an offset: no BDC line and one displacement column.
TEST(TableExportTest, CsvOfOneTableWithoutOffset)
{
    std::string want = "Engine:,Test\r\nStroke (mm):,46\r\nConnecting Rod Length (mm):,100\r\n"
                       "Gudgeon Pin Offset (mm):,0\r\n\r\nAngle (deg),Displacement (mm)\r\n";
    for (int r = 0; r < kRowsPerTable; ++r) {
        want += "a1." + std::to_string(r) + ",b1." + std::to_string(r) + "\r\n";
    }
    EXPECT_EQ(TablesAsCsv(testing::sampleView(1, false)), want);
}

TEST(TableExportTest, CsvQuotesANameWithAQuoteCommaOrLineBreak)
{
    const struct {
        const char* name;
        const char* field;
    } cases[] = {
        {"Say \"hi\"", "\"Say \"\"hi\"\"\""}, {"Twin, 125", "\"Twin, 125\""},
        {"Line\nbreak", "\"Line\nbreak\""},   {"Return\rhere", "\"Return\rhere\""},
        {"Kart: 100", "Kart: 100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DisplayView view = testing::sampleView(1, false);
        view.engine.typed.name = c.name;
        const std::string csv = TablesAsCsv(view);
        const std::string first = std::string("Engine:,") + c.field + "\r\nStroke (mm):,46\r\n";
        EXPECT_EQ(csv.substr(0, first.size()), first);
    }
}

TEST(TableExportTest, TsvBlanksTabsAndLineBreaksInTheName)
{
    DisplayView view = testing::sampleView(1, false);
    view.engine.typed.name = "A\tB\r\nC \"D\", E ";
    EXPECT_TRUE(TablesAsTsv(view).starts_with("Engine:\tA B  C \"D\", E\nStroke"));
}

// A decimal-comma spreadsheet gets semicolons and "0,5" for every number,
// but an engine named like a number keeps its point.
TEST(TableExportTest, DecimalCommaCsvSeparatesBySemicolons)
{
    DisplayView view = testing::sampleView(1, true);
    view.engine.typed.name = "1.5; twin";
    view.angleTexts[1][0] = "77";
    view.dispBTexts[1][0] = "31.73";
    view.dispATexts[1][0] = "-0.05";
    const std::string want =
        "Engine:;\"1.5; twin\"\r\nStroke (mm):;46\r\nConnecting Rod Length (mm):;100\r\n"
        "Gudgeon Pin Offset (mm):;-0,5\r\nCrank Angle at BDC (degrees ATDC):;179,86\r\n\r\n"
        "Angle (deg);Displacement (mm) BTDC;Displacement (mm) ATDC\r\n77;31,73;-0,05\r\n";
    const std::string csv = TablesAsCsv(view, CsvDialect::SemicolonDecimalComma);
    EXPECT_EQ(csv.substr(0, want.size()), want);
}

TEST(FileNameTest, EngineNamesBecomeSafeFileNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Kart 125", "Kart 125 crank angles.pdf"},
        {" ..RD 350/LC: \"B\"*? ", "RD 350 LC B crank angles.pdf"},
        {"a\tb<>|\\c", "a b c crank angles.pdf"},
        {"Zündapp", "Zündapp crank angles.pdf"},
        {"", "crank-angle-tables.pdf"},
        {" / . ", "crank-angle-tables.pdf"},
    };
    for (const auto& [name, file] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(SuggestedFileName(name, "pdf"), file);
    }
}

} // namespace
} // namespace crank
