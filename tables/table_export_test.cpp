#include "tables/table_export.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tables/page_test_support.h"

namespace crank {
namespace {

// The text cut at every end of line; the part after the last one, which
// must be empty, is dropped.
std::vector<std::string> lines(const std::string& text, const std::string& eol)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t end = text.find(eol); end != std::string::npos; end = text.find(eol, from)) {
        out.push_back(text.substr(from, end - from));
        from = end + eol.size();
    }
    EXPECT_EQ(from, text.size()) << "last line not ended";
    return out;
}

// Three offset tables, from a count above three that stops at the third.
TEST(TableExportTest, TsvOfThreeOffsetTables)
{
    DisplayView view = testing::sampleView(3, true);
    view.NumTables = 9;
    const std::vector<std::string> got = lines(TablesAsTsv(view), "\n");
    ASSERT_EQ(got.size(), 5u + 3 * (2 + 49));
    EXPECT_EQ(got[0], "Engine:\tTest");
    EXPECT_EQ(got[1], "Stroke (mm):\t46");
    EXPECT_EQ(got[2], "Connecting Rod Length (mm):\t100");
    EXPECT_EQ(got[3], "Gudgeon Pin Offset (mm):\t-0.5");
    EXPECT_EQ(got[4], "Crank Angle at BDC (degrees ATDC):\t179.86");
    for (int t = 1; t <= 3; ++t) {
        const std::size_t top = 5 + (t - 1) * 51;
        EXPECT_EQ(got[top], "");
        EXPECT_EQ(got[top + 1], "Angle (deg)\tDisplacement (mm) BTDC\tDisplacement (mm) ATDC");
        for (int r = 0; r < kRowsPerTable; ++r) {
            const std::string place = std::to_string(t) + "." + std::to_string(r);
            EXPECT_EQ(got[top + 2 + r], "a" + place + "\tb" + place + "\tc" + place);
        }
    }
}

// Without an offset: no BDC line and one displacement column.
TEST(TableExportTest, CsvOfOneTableWithoutOffset)
{
    const std::vector<std::string> got = lines(TablesAsCsv(testing::sampleView(1, false)), "\r\n");
    ASSERT_EQ(got.size(), 4u + 2 + 49);
    EXPECT_EQ(got[3], "Gudgeon Pin Offset (mm):,0");
    EXPECT_EQ(got[4], "");
    EXPECT_EQ(got[5], "Angle (deg),Displacement (mm)");
    EXPECT_EQ(got[54], "a1.48,b1.48");
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
        view.engineCaption = std::string(" Engine: ") + c.name + " ";
        const std::string csv = TablesAsCsv(view);
        const std::string first = std::string("Engine:,") + c.field + "\r\nStroke (mm):,46\r\n";
        EXPECT_EQ(csv.substr(0, first.size()), first);
    }
}

TEST(TableExportTest, TsvBlanksTabsAndLineBreaksInTheName)
{
    DisplayView view = testing::sampleView(1, false);
    view.engineCaption = " Engine: A\tB\r\nC \"D\", E ";
    EXPECT_EQ(lines(TablesAsTsv(view), "\n").at(0), "Engine:\tA B  C \"D\", E");
}

// A decimal-comma spreadsheet gets semicolons and "0,5" for every number,
// but an engine named like a number keeps its point.
TEST(TableExportTest, DecimalCommaCsvSeparatesBySemicolons)
{
    DisplayView view = testing::sampleView(1, true);
    view.engineCaption = " Engine: 1.5; twin ";
    view.angleTexts[1][0] = "77";
    view.dispBTexts[1][0] = "31.73";
    view.dispATexts[1][0] = "-0.05";
    const std::string csv = TablesAsCsv(view, CsvDialect::SemicolonDecimalComma);
    const std::vector<std::string> got = lines(csv, "\r\n");
    EXPECT_EQ(got[0], "Engine:;\"1.5; twin\"");
    EXPECT_EQ(got[3], "Gudgeon Pin Offset (mm):;-0,5");
    EXPECT_EQ(got[4], "Crank Angle at BDC (degrees ATDC):;179,86");
    EXPECT_EQ(got[6], "Angle (deg);Displacement (mm) BTDC;Displacement (mm) ATDC");
    EXPECT_EQ(got[7], "77;31,73;-0,05");
}

} // namespace
} // namespace crank
