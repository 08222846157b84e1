// The road from the typed values to the tables on screen.
#include "tests/navigator_fixture.h"

namespace crank {
namespace {

using DisplaySequenceTest = ScreensTest;

// 46 mm stroke, 100 mm rod, -0.5 mm offset; the figures were worked out by hand.
TEST_F(DisplaySequenceTest, WorkedExampleOneOffsetTableOnScreen)
{
    child<QLineEdit>(entry(), QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Kart"));
    enterGeometry("46", "100", "-0.5");
    requestTables("1", {"77"});
    display();
    ASSERT_NE(tables(), nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(child<QLabel>(*tables(), QStringLiteral("BDCAngLab"))->text(),
              QStringLiteral("Crank Angle at BDC (degrees ATDC): 179.86"));
    EXPECT_EQ(Cell(*tables(), "Ang", 1, 3)->text(), QStringLiteral("77.25"));
    EXPECT_EQ(Cell(*tables(), "DispB", 1, 3)->text(), QStringLiteral("20.45"));
    EXPECT_EQ(Cell(*tables(), "DispA", 1, 3)->text(), QStringLiteral("20.49"));
    EXPECT_EQ(Cell(*tables(), "Ang", 1, 12)->text(), QStringLiteral("78"));
    EXPECT_EQ(Cell(*tables(), "DispB", 1, 12)->text(), QStringLiteral("20.76"));
    EXPECT_EQ(Cell(*tables(), "DispA", 1, 12)->text(), QStringLiteral("20.80"));
    EXPECT_EQ(Cell(*tables(), "Ang", 1, 48)->text(), QStringLiteral("81"));
}

TEST_F(DisplaySequenceTest, RequestsAreSortedSpacedAndMayRiseAboveTheTypedLimit)
{
    enterGeometry("46", "100", "0");
    requestTables("3", {"20", "10", "12"});
    display();
    EXPECT_EQ(Cell(*tables(), "Ang", 2, 0)->text(), QStringLiteral("14"));
    EXPECT_EQ(Cell(*tables(), "Ang", 3, 48)->text(), QStringLiteral("24"));
    returnToEntry();
    EXPECT_EQ(box(4)->text(), QStringLiteral("10"));
    EXPECT_EQ(box(5)->text(), QStringLiteral("14"));
    EXPECT_EQ(box(6)->text(), QStringLiteral("20"));

    requestTables("2", {"174", "175"});
    display();
    EXPECT_EQ(state.tables.InitAngle[2], 178.0f);
    EXPECT_EQ(Cell(*tables(), "Ang", 2, 48)->text(), QStringLiteral("182"));
    EXPECT_EQ(Cell(*tables(), "DispB", 2, 24)->text(), QStringLiteral("46.00")) << "180 is BDC";
    returnToEntry();
    EXPECT_EQ(box(5)->text(), QStringLiteral("178"));
}

} // namespace
} // namespace crank
