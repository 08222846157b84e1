// The road from the typed values to the tables on screen, through both screens.
#include <QGroupBox>
#include <QSignalSpy>

#include "entry/eng_vals_fixture.h"

namespace crank {
namespace {

using DisplaySequenceTest = EngValsTest;

QString cellText(const Ang_Disp& tables, const char* column, int table, int row)
{
    auto* cell = tables.findChild<QLineEdit*>(
        QStringLiteral("%1%2_%3").arg(QString::fromLatin1(column)).arg(table).arg(row));
    return cell != nullptr ? cell->text() : QStringLiteral("<missing>");
}

QString caption(const Ang_Disp& tables, const char* name)
{
    auto* label = tables.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

TEST_F(DisplaySequenceTest, WorkedExampleOneOffsetTable)
{
    screen.findChild<QLineEdit*>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Kart"));
    enterGeometry("46", "100", "-0.5");
    requestTables("1", {"77"});
    ASSERT_TRUE(command(1)->isEnabled());
    display();
    ASSERT_NE(tables, nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(tables->isVisible());

    EXPECT_EQ(tables->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              QStringLiteral(" Engine: Kart "));
    EXPECT_EQ(caption(*tables, "StkLab"), QStringLiteral("Stroke (mm): 46"));
    EXPECT_EQ(caption(*tables, "CrlLab"), QStringLiteral("Connecting Rod Length (mm): 100"));
    EXPECT_EQ(caption(*tables, "OffLab"), QStringLiteral("Gudgeon Pin Offset (mm): -0.5"));
    EXPECT_EQ(caption(*tables, "BDCAngLab"),
              QStringLiteral("Crank Angle at BDC (degrees ATDC): 179.86"));
    struct Row {
        int row;
        const char* angle;
        const char* before;
        const char* after;
    };
    const Row rows[] = {{0, "77", "20.35", "20.39"},
                        {3, "77.25", "20.45", "20.49"},
                        {12, "78", "20.76", "20.80"},
                        {48, "81", nullptr, nullptr}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(cellText(*tables, "Ang", 1, r.row), QString::fromLatin1(r.angle));
        if (r.before != nullptr) {
            EXPECT_EQ(cellText(*tables, "DispB", 1, r.row), QString::fromLatin1(r.before));
            EXPECT_EQ(cellText(*tables, "DispA", 1, r.row), QString::fromLatin1(r.after));
        }
    }

    // The printed page gets what the screen shows.
    QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("AngDispCom_2")),
                      Qt::LeftButton);
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
    EXPECT_TRUE(tables->isVisible()) << "printing keeps the tables screen";
}

TEST_F(DisplaySequenceTest, RequestsAreSortedAndSpacedInTheirBoxes)
{
    struct Case {
        const char* count;
        std::vector<const char*> typed;
        std::vector<const char*> boxes; // also the first angle cell of each table
    };
    const std::vector<Case> cases = {
        {"2", {"90", "10"}, {"10", "90"}},
        {"2", {"50", "0"}, {"0", "50"}},
        {"2", {"50", "50"}, {"50", "54"}},
        {"2", {"10", "14"}, {"10", "14"}},
        {"3", {"20", "10", "12"}, {"10", "14", "20"}},
        {"2", {"174", "175"}, {"174", "178"}},
        {"3", {"176", "176", "176"}, {"176", "180", "184"}},
    };
    enterGeometry("46", "100", "0");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed.front() << ", " << c.typed[1]);
        screen.show();
        type(3, c.count);
        for (std::size_t i = 0; i < c.typed.size(); ++i) {
            type(static_cast<int>(4 + i), c.typed[i]);
        }
        display();
        ASSERT_NE(tables, nullptr);
        for (std::size_t i = 0; i < c.boxes.size(); ++i) {
            const int t = static_cast<int>(i + 1);
            EXPECT_EQ(text(3 + t), QString::fromLatin1(c.boxes[i])) << "table " << t;
            EXPECT_EQ(state.tables.InitAngle[t], std::stof(c.boxes[i])) << "table " << t;
            EXPECT_EQ(cellText(*tables, "Ang", t, 0), QString::fromLatin1(c.boxes[i]));
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
    EXPECT_EQ(cellText(*tables, "Ang", 2, 0), QStringLiteral("178"));
    EXPECT_EQ(cellText(*tables, "Ang", 2, 48), QStringLiteral("182"));
    EXPECT_EQ(cellText(*tables, "DispB", 2, 24), QStringLiteral("46.00")) << "180 is BDC";

    QSignalSpy back(tables.get(), &Ang_Disp::dataEntryRequested);
    QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("AngDispCom_1")),
                      Qt::LeftButton);
    EXPECT_EQ(back.count(), 1);
    EXPECT_FALSE(tables->isVisible());
    screen.show();
    EXPECT_EQ(text(5), QStringLiteral("178"));
    EXPECT_TRUE(command(1)->isEnabled());
    display(); // a second display keeps the same tables
    EXPECT_EQ(cellText(*tables, "Ang", 2, 0), QStringLiteral("178"));
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
    EXPECT_EQ(state.data.AngleCol[3], before.AngleCol[3]);
    EXPECT_EQ(state.data.DispBCol[3], before.DispBCol[3]);
    EXPECT_EQ(state.data.DispACol[1], before.DispACol[1]) << "zero offset writes no ATDC column";
    EXPECT_EQ(cellText(*tables, "Ang", 3, 0), QStringLiteral("120")); // hidden, kept
    EXPECT_TRUE(tables->findChild<QLineEdit*>(QStringLiteral("Ang3_0"))->isHidden());
    EXPECT_TRUE(tables->findChild<QLabel*>(QStringLiteral("BDCAngLab"))->isHidden());
    EXPECT_EQ(caption(*tables, "BDCAngLab"),
              QStringLiteral("Crank Angle at BDC (degrees ATDC): 180.14"));
    // Crank radius 23 mm, rod 100 mm, 30 degrees from TDC: 3.74 mm.
    EXPECT_EQ(cellText(*tables, "DispB", 1, 0), QStringLiteral("3.74"));
}

} // namespace
} // namespace crank
