#include "entry/eng_vals.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include "entry/eng_vals_fixture.h"
#include "platform/twips_qt.h"

namespace crank {
namespace {

TEST_F(EngValsTest, FixedDesign)
{
    EXPECT_EQ(screen.windowTitle(),
              QStringLiteral("Crank Angle/Piston Displacement Utility - Data Entry"));
    EXPECT_EQ(screen.size(), twipSize(7275, 7695));
    EXPECT_EQ(screen.palette().color(QPalette::Window), QColor(255, 128, 128));
    EXPECT_EQ(box(0)->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(command(0)->palette().color(QPalette::Button), QColor(192, 192, 255));
    EXPECT_EQ(command(1)->palette().color(QPalette::Button), QColor(255, 192, 255));
    struct Case {
        const char* name;
        QRect rect;
        const char* caption; // nullptr: not checked
        int maxLength;       // 0: not a box
    };
    const Case cases[] = {
        {"GeomCom_0", twipRect(360, 120, 1240, 615), "Return to &Front Screen", 0},
        {"GeomCom_1", twipRect(1920, 120, 1240, 615), "&Display the Table(s)", 0},
        {"EngNamLab", twipRect(260, 1120, 2100, 255), "Enter a Name for the Engine:", 0},
        {"EngNamTxt", twipRect(2400, 1080, 2750, 320), nullptr, 25},
        {"GeomLab_0", twipRect(260, 1820, 1500, 255), "Engine Stroke (mm):", 0},
        {"GeomTxt_0", twipRect(1800, 1780, 650, 320), nullptr, 6},
        {"GeomLab_1", twipRect(3660, 1820, 2140, 255), "Connecting Rod Length (mm):", 0},
        {"GeomTxt_1", twipRect(5900, 1780, 650, 320), nullptr, 6},
        {"GeomLab_2", twipRect(260, 2520, 1880, 255), "Gudgeon Pin Offset (mm):", 0},
        {"OffSetTxt", twipRect(3000, 2300, 4060, 1560), nullptr, 0},
        {"GeomTxt_2", twipRect(2180, 2480, 580, 320), nullptr, 6},
        {"GeomFram", twipRect(240, 4080, 6800, 3400), nullptr, 0},
        {"Label4", twipRect(180, 1520, 6400, 255),
         "The range of the crank angles provided in a Table is 4 degrees. ", 0},
        {"GeomLab_3", twipRect(480, 2320, 2900, 255), "Enter the Number of Tables (1 to 3):", 0},
        {"GeomLab_4", twipRect(480, 2880, 2800, 255), nullptr, 0},
        {"GeomTxt_3", twipRect(3160, 2280, 495, 320), nullptr, 1},
        {"GeomTxt_4", twipRect(3400, 2840, 400, 285), nullptr, 3},
        {"GeomTxt_5", twipRect(4150, 2840, 400, 285), nullptr, 3},
        {"GeomTxt_6", twipRect(4900, 2840, 400, 285), nullptr, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* widget = child<QWidget>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.rect);
        if (c.caption != nullptr) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* button = qobject_cast<QPushButton*>(widget);
            EXPECT_EQ(label ? label->text() : button->text(), QString::fromLatin1(c.caption));
        }
        if (c.maxLength > 0) {
            EXPECT_EQ(qobject_cast<QLineEdit*>(widget)->maxLength(), c.maxLength);
        }
    }
    EXPECT_EQ(box(4)->parentWidget()->objectName(), QStringLiteral("GeomFram"));
    EXPECT_EQ(
        child<QGroupBox>(QStringLiteral("GeomFram"))->title(),
        QStringLiteral("  Crank Angle/Piston Displacement Tables and Initial Crank Angles  "));
    const QString help = child<QPlainTextEdit>(QStringLiteral("OffSetTxt"))->toPlainText();
    EXPECT_EQ(help, QStringLiteral("                 Entering the Gudgeon Pin Offset\n\n"
                                   " By the direction of rotation is meant the direction of the \n"
                                   " crankpin motion as it passes through Top Dead Centre.\n\n"
                                   " Enter zero for no offset, a positive value for an offset in \n"
                                   " the direction of rotation, a negative value otherwise.\n"));
}

TEST_F(EngValsTest, FilterEmptiesABoxOnTheFirstWrongCharacter)
{
    struct Case {
        int index;
        const char* keys;
        const char* shown;
        float EngineGeometry::*value;
        float expected;
    };
    const Case cases[] = {
        {0, "4a", "", &EngineGeometry::Stroke, 0},
        {0, "4", "4", &EngineGeometry::Stroke, 4},
        {1, "1.2.3", "3", &EngineGeometry::RodLength, 3}, // emptied at the second point
        {1, "1.2", "1.2", &EngineGeometry::RodLength, 1.2f},
        {0, "-", "", &EngineGeometry::Stroke, 0},
        {2, "-0.5", "-0.5", &EngineGeometry::PinOffset, -0.5f},
        {2, "5-", "", &EngineGeometry::PinOffset, 0},
        {2, "-", "-", &EngineGeometry::PinOffset, 0},
        {0, ".", ".", &EngineGeometry::Stroke, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "box " << c.index << " typed " << c.keys);
        type(c.index, c.keys);
        EXPECT_EQ(text(c.index), QString::fromLatin1(c.shown));
        EXPECT_EQ(state.geometry.*c.value, c.expected);
    }
}

TEST_F(EngValsTest, FrameAppearsOnceTheGeometryIsUsable)
{
    auto* frame = child<QGroupBox>(QStringLiteral("GeomFram"));
    type(0, ".");
    type(1, "100");
    type(2, "0");
    EXPECT_FALSE(frame->isVisible()) << "a stroke of \".\" reads as 0";
    type(2, "-");
    type(0, "46");
    EXPECT_FALSE(frame->isVisible()) << "a lone minus is not an offset";
    EXPECT_FALSE(state.GeomFramShown);
    QTest::keyClicks(box(2), QStringLiteral("."));
    EXPECT_EQ(text(2), QStringLiteral("-."));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(state.GeomFramShown);
    EXPECT_EQ(state.geometry.PinOffset, 0.0f);
    EXPECT_TRUE(box(3)->isVisible());
    EXPECT_FALSE(box(4)->isVisible());
    EXPECT_FALSE(child<QLabel>(QStringLiteral("GeomLab_4"))->isVisible());

    type(0, "4a"); // emptying the geometry later keeps the frame
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(EngValsTest, NumberOfTablesShowsTheAngleBoxes)
{
    enterGeometry("46", "100", "0");
    auto* prompt = child<QLabel>(QStringLiteral("GeomLab_4"));
    requestTables("1", {});
    EXPECT_EQ(state.tables.NumTables, 1);
    EXPECT_TRUE(box(4)->isVisible());
    EXPECT_FALSE(box(5)->isVisible());
    EXPECT_EQ(box(4)->x(), twipsToPixels(3340));
    EXPECT_EQ(prompt->text(), QStringLiteral("Initial Crank Angle (degrees, 0 to 176):"));

    type(3, "2");
    EXPECT_TRUE(box(5)->isVisible());
    EXPECT_FALSE(box(6)->isVisible());
    EXPECT_EQ(box(4)->x(), twipsToPixels(3400));
    EXPECT_EQ(prompt->text(), QStringLiteral("Initial Crank Angles (degrees, 0 to 176):"));

    for (const char* wrong : {"0", "7", "x"}) {
        SCOPED_TRACE(wrong);
        type(3, "3");
        type(3, wrong);
        EXPECT_EQ(text(3), QString());
        EXPECT_EQ(state.tables.NumTables, 0);
        EXPECT_FALSE(prompt->isVisible());
        EXPECT_FALSE(box(4)->isVisible());
        EXPECT_FALSE(box(6)->isVisible());
        EXPECT_EQ(state.tables.InitAngle[1], -1.0f);
    }
}

TEST_F(EngValsTest, FewerTablesHideBoxesMoreTablesEmptyThem)
{
    enterGeometry("46", "100", "0");
    requestTables("3", {"10", "20", "30"});
    EXPECT_TRUE(command(1)->isEnabled());
    type(3, "1");
    EXPECT_EQ(text(4), QString()); // the needed box is emptied
    EXPECT_FALSE(box(5)->isVisible());
    EXPECT_EQ(text(5), QStringLiteral("20"));
    EXPECT_EQ(text(6), QStringLiteral("30"));
    EXPECT_EQ(state.tables.InitAngle[3], 30.0f);
    EXPECT_FALSE(command(1)->isEnabled());
    type(4, "5");
    EXPECT_TRUE(command(1)->isEnabled()) << "hidden boxes are not needed";
    type(3, "3");
    for (int i = 4; i <= 6; ++i) {
        EXPECT_EQ(text(i), QString()) << i;
        EXPECT_TRUE(box(i)->isVisible()) << i;
    }
    EXPECT_FALSE(command(1)->isEnabled());
}

TEST_F(EngValsTest, AngleLimits)
{
    enterGeometry("46", "100", "0");
    requestTables("1", {});
    struct Case {
        const char* keys;
        const char* shown;
        float angle;
    };
    const Case cases[] = {
        {"177", "", -1}, {"-5", "", -1},  {"176", "176", 176}, {"0", "0", 0},
        {"-", "-", 0},   {"-0", "-0", 0}, {"1.", "", 0},       {"999", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        type(4, c.keys);
        EXPECT_EQ(text(4), QString::fromLatin1(c.shown));
        EXPECT_EQ(state.tables.InitAngle[1], c.angle);
        EXPECT_EQ(command(1)->isEnabled(), *c.shown != '\0') << "a lone minus counts as entered";
    }
}

TEST_F(EngValsTest, TextSetByCodeIsHandledBeforeTheAssignmentReturns)
{
    enterGeometry("46", "100", "0");
    requestTables("1", {"30"});
    QSignalSpy strokeChanges(box(0), &QLineEdit::textChanged);
    box(0)->setText(QStringLiteral("4a"));
    // The filter emptied its own box inside the assignment.
    EXPECT_EQ(strokeChanges.count(), 2);
    EXPECT_EQ(text(0), QString());
    EXPECT_EQ(state.geometry.Stroke, 0.0f);
    EXPECT_FALSE(command(1)->isEnabled());

    box(4)->setText(QStringLiteral("177"));
    EXPECT_EQ(text(4), QString());
    EXPECT_EQ(state.tables.InitAngle[1], -1.0f) << "the nested run stores 0, then -1 remains";
}

TEST_F(EngValsTest, ThirdAngleBoxDecidesTheDisplayCommand)
{
    enterGeometry("46", "100", "0.5");
    requestTables("3", {"10", "20", "30"});
    EXPECT_TRUE(command(1)->isEnabled());
    EXPECT_TRUE(state.geometry.OffsetNonZero);
    box(6)->setFocus();
    QTest::keyClick(box(6), Qt::Key_End);
    QTest::keyClick(box(6), Qt::Key_Backspace);
    QTest::keyClick(box(6), Qt::Key_Backspace);
    EXPECT_FALSE(command(1)->isEnabled());
    QTest::keyClicks(box(6), QStringLiteral("40"));
    EXPECT_TRUE(command(1)->isEnabled());
    type(2, "0"); // OffsetNonZero follows the offset while the inputs are complete
    EXPECT_FALSE(state.geometry.OffsetNonZero);
}

TEST_F(EngValsTest, TabSelectsTheWholeTextInTabOrder)
{
    enterGeometry("46", "100", "-0.5");
    requestTables("2", {"10", "20"});
    screen.findChild<QLineEdit*>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Twin"));
    command(1)->setFocus(Qt::OtherFocusReason);
    const char* order[] = {"EngNamTxt", "GeomTxt_0", "GeomTxt_1", "GeomTxt_2",
                           "GeomTxt_3", "GeomTxt_4", "GeomTxt_5", "GeomCom_0"};
    for (const char* name : order) {
        SCOPED_TRACE(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), QString::fromLatin1(name));
        if (auto* edit = qobject_cast<QLineEdit*>(focused)) {
            EXPECT_EQ(edit->selectedText(), edit->text());
            EXPECT_FALSE(edit->text().isEmpty());
        }
    }
}

TEST_F(EngValsTest, FailedValidationKeepsTheScreenAndSelectsTheBox)
{
    struct Case {
        const char* stroke;
        const char* rod;
        const char* offset;
        const char* prompt;
        int box;
    };
    const Case cases[] = {
        {"10", "5", "0", "Stroke too small", 0},
        {"1000.1", "2000", "0", "Stroke too large", 0},
        {"46", "68.9", "0", "Connecting Rod/Stroke Ratio too small", 1},
        {"46", "138.1", "0", "Connecting Rod/Stroke Ratio too large", 1},
        {"46", "100", "-9.3", "Gudgeon Pin Offset too large", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        messages.shown.clear();
        enterGeometry(c.stroke, c.rod, c.offset);
        if (text(3).isEmpty()) {
            requestTables("1", {"30"});
        }
        for (int press = 0; press < 2; ++press) {
            command(1)->setFocus();
            display();
            ASSERT_EQ(messages.shown.size(), static_cast<std::size_t>(press + 1));
            EXPECT_EQ(messages.shown.back().prompt, c.prompt);
            EXPECT_EQ(messages.shown.back().title, "Value Out of Range");
            EXPECT_EQ(state.ValidationError, 1);
            EXPECT_TRUE(screen.isVisible());
            EXPECT_TRUE(tables == nullptr);
            EXPECT_EQ(QApplication::focusWidget(), box(c.box));
            EXPECT_EQ(box(c.box)->selectedText(), QString::fromLatin1(c.box == 0   ? c.stroke
                                                                      : c.box == 1 ? c.rod
                                                                                   : c.offset));
        }
    }
}

TEST_F(EngValsTest, ReturnToFrontScreenHidesAndKeepsTheValues)
{
    enterGeometry("46", "100", "0");
    QSignalSpy front(&screen, &EngVals::frontScreenRequested);
    QTest::mouseClick(command(0), Qt::LeftButton);
    EXPECT_EQ(front.count(), 1);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(text(0), QStringLiteral("46"));
}

TEST_F(EngValsTest, ResetEmptiesEverything)
{
    screen.findChild<QLineEdit*>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Single"));
    enterGeometry("46", "100", "0");
    requestTables("3", {"10", "20", "30"});
    screen.resetForNewTables();
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(text(i), QString()) << i;
    }
    EXPECT_EQ(screen.findChild<QLineEdit*>(QStringLiteral("EngNamTxt"))->text(), QString());
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GeomFram"))->isVisible());
    EXPECT_TRUE(box(4)->isHidden());
    EXPECT_FALSE(command(1)->isEnabled());
    EXPECT_EQ(state.tables.NumTables, 0);
    EXPECT_EQ(state.tables.InitAngle[1], -1.0f);
    EXPECT_EQ(state.tables.InitAngle[3], -1.0f);
    EXPECT_FALSE(state.GeomFramShown);
    EXPECT_EQ(state.geometry.Stroke, 0.0f);
    enterGeometry("46", "100", "0"); // the frame comes back on the next visit
    EXPECT_TRUE(child<QGroupBox>(QStringLiteral("GeomFram"))->isVisible());
}

} // namespace
} // namespace crank
