// The road from the typed values to the tables on screen, through both screens.
#include <QGroupBox>
#include <QSignalSpy>

#include "entry/eng_vals_fixture.h"

namespace crank {
namespace {

class DisplaySequenceTest : public EngValsTest {
protected:
    // The text of a cell ("Ang", 2, 0) or of a label ("StkLab") of the tables screen.
    QString shown(const char* column, int table = 0, int row = 0) const
    {
        const QString name =
            table == 0
                ? QString::fromLatin1(column)
                : QStringLiteral("%1%2_%3").arg(QString::fromLatin1(column)).arg(table).arg(row);
        if (auto* cell = tables->findChild<QLineEdit*>(name)) {
            return cell->text();
        }
        auto* label = tables->findChild<QLabel*>(name);
        return label != nullptr ? label->text() : QStringLiteral("<missing>");
    }
    void click(const char* name)
    {
        QTest::mouseClick(tables->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
};

TEST_F(DisplaySequenceTest, WorkedExampleOneOffsetTable)
{
    child<QLineEdit>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Kart"));
    enterGeometry("46", "100", "-0.5");
    requestTables("1", {"77"});
    display();
    ASSERT_NE(tables, nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(tables->isVisible());

    EXPECT_EQ(tables->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              QStringLiteral(" Engine: Kart "));
    EXPECT_EQ(shown("StkLab"), QStringLiteral("Stroke (mm): 46"));
    EXPECT_EQ(shown("CrlLab"), QStringLiteral("Connecting Rod Length (mm): 100"));
    EXPECT_EQ(shown("OffLab"), QStringLiteral("Gudgeon Pin Offset (mm): -0.5"));
    EXPECT_EQ(shown("BDCAngLab"), QStringLiteral("Crank Angle at BDC (degrees ATDC): 179.86"));
    const struct {
        int row;
        const char* texts[3]; // angle, BTDC, ATDC
    } rows[] = {{0, {"77", "20.35", "20.39"}},
                {3, {"77.25", "20.45", "20.49"}},
                {12, {"78", "20.76", "20.80"}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(shown("Ang", 1, r.row), QString::fromLatin1(r.texts[0]));
        EXPECT_EQ(shown("DispB", 1, r.row), QString::fromLatin1(r.texts[1]));
        EXPECT_EQ(shown("DispA", 1, r.row), QString::fromLatin1(r.texts[2]));
    }
    EXPECT_EQ(shown("Ang", 1, 48), QStringLiteral("81"));

    // The printed page gets what the screen shows, and the screen stays.
    click("AngDispCom_2");
    ASSERT_EQ(printer.printed.size(), 1u);
    const PageContent& page = printer.printed.front();
    EXPECT_EQ(page.NumTables, 1);
    EXPECT_TRUE(page.OffsetNonZero);
    EXPECT_EQ(page.engineCaption, " Engine: Kart ");
    EXPECT_EQ(page.bdcCaption, "Crank Angle at BDC (degrees ATDC): 179.86");
    EXPECT_EQ(page.angleTexts[1][3], "77.25");
    EXPECT_EQ(page.dispBTexts[1][12], "20.76");
    EXPECT_EQ(page.dispATexts[1][12], "20.80");
    EXPECT_EQ(page.data.AngleCol[1][48], 81.0f);
    EXPECT_TRUE(tables->isVisible());
}

TEST_F(DisplaySequenceTest, RequestsAreSortedAndSpacedInTheirBoxes)
{
    const struct {
        const char* count;
        std::vector<const char*> typed;
        std::vector<const char*> boxes; // also the first angle cell of each table
    } cases[] = {
        {"2", {"90", "10"}, {"10", "90"}},
        {"2", {"50", "50"}, {"50", "54"}},
        {"3", {"20", "10", "12"}, {"10", "14", "20"}},
        {"3", {"176", "176", "176"}, {"176", "180", "184"}},
    };
    enterGeometry("46", "100", "0");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed[0] << ", " << c.typed[1]);
        screen.show();
        type(3, c.count);
        for (std::size_t i = 0; i < c.typed.size(); ++i) {
            type(static_cast<int>(4 + i), c.typed[i]);
        }
        display();
        ASSERT_NE(tables, nullptr);
        for (int t = 1; t <= static_cast<int>(c.boxes.size()); ++t) {
            SCOPED_TRACE(t);
            EXPECT_EQ(text(3 + t), QString::fromLatin1(c.boxes[t - 1]));
            EXPECT_EQ(state.tables.InitAngle[t], std::stof(c.boxes[t - 1]));
            EXPECT_EQ(shown("Ang", t, 0), QString::fromLatin1(c.boxes[t - 1]));
        }
    }
}

TEST_F(DisplaySequenceTest, RaisedRequestAboveTheTypedLimitIsKept)
{
    enterGeometry("46", "100", "0");
    requestTables("2", {"174", "175"});
    display();
    ASSERT_NE(tables, nullptr);
    EXPECT_EQ(state.tables.InitAngle[2], 178.0f);
    EXPECT_EQ(shown("Ang", 2, 0), QStringLiteral("178"));
    EXPECT_EQ(shown("Ang", 2, 48), QStringLiteral("182"));
    EXPECT_EQ(shown("DispB", 2, 24), QStringLiteral("46.00")) << "180 is BDC";

    QSignalSpy back(tables.get(), &Ang_Disp::dataEntryRequested);
    click("AngDispCom_1");
    EXPECT_EQ(back.count(), 1);
    EXPECT_FALSE(tables->isVisible());
    screen.show();
    EXPECT_EQ(text(5), QStringLiteral("178"));
    EXPECT_TRUE(command(1)->isEnabled());
    display(); // a second display keeps the same tables
    EXPECT_EQ(shown("Ang", 2, 0), QStringLiteral("178"));
    type(5, "178"); // typed by the user, the limit of 176 still holds
    EXPECT_EQ(text(5), QString());
    EXPECT_EQ(state.tables.InitAngle[2], -1.0f);
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
    type(3, "1");
    type(4, "30");
    display();
    EXPECT_EQ(state.data.AngleCol[1][0], 30.0f);
    EXPECT_EQ(state.data.AngleCol[2], before.AngleCol[2]);
    EXPECT_EQ(state.data.DispBCol[3], before.DispBCol[3]);
    EXPECT_EQ(state.data.DispACol[1], before.DispACol[1]) << "zero offset writes no ATDC column";
    EXPECT_EQ(shown("Ang", 3, 0), QStringLiteral("120")); // hidden, kept
    EXPECT_TRUE(tables->findChild<QLineEdit*>(QStringLiteral("Ang3_0"))->isHidden());
    EXPECT_TRUE(tables->findChild<QLabel*>(QStringLiteral("BDCAngLab"))->isHidden());
    EXPECT_EQ(shown("BDCAngLab"), QStringLiteral("Crank Angle at BDC (degrees ATDC): 180.14"));
    // Crank radius 23 mm, rod 100 mm, 30 degrees from TDC: 3.74 mm.
    EXPECT_EQ(shown("DispB", 1, 0), QStringLiteral("3.74"));
}

} // namespace
} // namespace crank
