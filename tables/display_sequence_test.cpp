// The road from the typed values to the tables on screen, through both screens.
#include "entry/eng_vals_fixture.h"

namespace crank {
namespace {

class DisplaySequenceTest : public EngValsTest {
protected:
    // The text of a cell ("Ang", 2, 0) or of a label ("BDCAngLab") of the tables screen.
    QString shown(const char* column, int table = 0, int row = 0) const
    {
        const QString name = QLatin1String(column) +
                             (table == 0 ? QString() : QStringLiteral("%1_%2").arg(table).arg(row));
        auto* widget = tables->findChild<QWidget*>(name);
        return widget != nullptr ? widget->property("text").toString() : QStringLiteral("<none>");
    }
};

TEST_F(DisplaySequenceTest, WorkedExampleOneOffsetTableOnScreenAndPrinted)
{
    child<QLineEdit>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Kart"));
    enterGeometry("46", "100", "-0.5");
    requestTables("1", {"77"});
    display();
    ASSERT_NE(tables, nullptr);
    EXPECT_TRUE(messages.shown.empty() && !screen.isVisible() && tables->isVisible());
    EXPECT_EQ(shown("BDCAngLab"), QStringLiteral("Crank Angle at BDC (degrees ATDC): 179.86"));
    const std::pair<int, const char*> rows[] = {
        {0, "77 20.35 20.39"}, {3, "77.25 20.45 20.49"}, {12, "78 20.76 20.80"}};
    for (const auto& [row, texts] : rows) {
        const QString line =
            shown("Ang", 1, row) + ' ' + shown("DispB", 1, row) + ' ' + shown("DispA", 1, row);
        EXPECT_EQ(line, QLatin1String(texts));
    }
    EXPECT_EQ(shown("Ang", 1, 48), QStringLiteral("81"));

    QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("AngDispCom_2")),
                      Qt::LeftButton);
    ASSERT_EQ(printer.printed.size(), 1u);
    const DisplayView& page = printer.printed.front();
    EXPECT_TRUE(page.NumTables == 1 && page.OffsetNonZero && tables->isVisible());
    EXPECT_EQ(page.engineCaption + page.bdcCaption,
              " Engine: Kart Crank Angle at BDC (degrees ATDC): 179.86");
    EXPECT_EQ(page.angleTexts[1][3] + page.dispBTexts[1][12] + page.dispATexts[1][12],
              "77.2520.7620.80");
}

TEST_F(DisplaySequenceTest, RequestsAreSortedSpacedAndMayRiseAboveTheTypedLimit)
{
    enterGeometry("46", "100", "0");
    const std::pair<std::vector<const char*>, std::vector<const char*>> cases[] = {
        {{"20", "10", "12"}, {"10", "14", "20"}}, {{"174", "175"}, {"174", "178"}}};
    for (const auto& [typed, spaced] : cases) {
        screen.show();
        type(3, typed.size() == 3 ? "3" : "2");
        for (std::size_t i = 0; i < typed.size(); ++i) {
            type(static_cast<int>(4 + i), typed[i]);
        }
        display();
        for (int t = 1; t <= static_cast<int>(spaced.size()); ++t) {
            const QString request = QLatin1String(spaced[t - 1]); // box, request and first cell
            EXPECT_EQ(std::tuple(text(3 + t), state.tables.InitAngle[t], shown("Ang", t, 0)),
                      std::tuple(request, request.toFloat(), request))
                << typed[0] << "/" << t;
        }
    }
    EXPECT_EQ(shown("Ang", 2, 48), QStringLiteral("182"));
    EXPECT_EQ(shown("DispB", 2, 24), QStringLiteral("46.00")) << "180 is BDC";
    screen.show();
    type(5, "178"); // typed by the user, the limit of 176 still holds
    EXPECT_EQ(std::pair(text(5), state.tables.InitAngle[2]), std::pair(QString(), -1.0f));
}

TEST_F(DisplaySequenceTest, OneTableAfterThreeLeavesTheOldDataInPlace)
{
    enterGeometry("46", "100", "0.5");
    requestTables("3", {"10", "60", "120"});
    display();
    ASSERT_NE(tables, nullptr);
    const TableData before = state.data;
    screen.show();
    type(2, "0");
    requestTables("1", {"30"});
    display();
    EXPECT_EQ(state.data.AngleCol[1][0], 30.0f);
    EXPECT_EQ(state.data.AngleCol[2], before.AngleCol[2]);
    EXPECT_EQ(state.data.DispBCol[3], before.DispBCol[3]);
    EXPECT_EQ(state.data.DispACol[1], before.DispACol[1]) << "zero offset writes no ATDC column";
    EXPECT_EQ(shown("Ang", 3, 0), QStringLiteral("120")); // hidden, kept
    EXPECT_TRUE(tables->findChild<QLabel*>(QStringLiteral("BDCAngLab"))->isHidden());
}

} // namespace
} // namespace crank
