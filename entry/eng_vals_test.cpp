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
    const struct {
        const char* name;
        QRect rect;
        const char* caption; // nullptr: not checked
        int maxLength;       // 0: not a box
    } cases[] = {
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
        {"GeomTxt_6", twipRect(4900, 2840, 400, 285), nullptr, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* widget = child<QWidget>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.rect);
        if (c.caption != nullptr) {
            const auto* label = qobject_cast<QLabel*>(widget);
            EXPECT_EQ(label ? label->text() : qobject_cast<QPushButton*>(widget)->text(),
                      QString::fromLatin1(c.caption));
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
    EXPECT_TRUE(help.startsWith(QStringLiteral("                 Entering the Gudgeon Pin")));
    EXPECT_TRUE(help.endsWith(QStringLiteral(" the direction of rotation, a negative value "
                                             "otherwise.\n")));
}

TEST_F(EngValsTest, FilterEmptiesABoxOnTheFirstWrongCharacter)
{
    const struct {
        int index;
        const char* keys;
        const char* shown;
        float EngineGeometry::*value;
        float expected;
    } cases[] = {
        {0, "4a", "", &EngineGeometry::Stroke, 0},
        {1, "1.2.3", "3", &EngineGeometry::RodLength, 3}, // emptied at the second point
        {0, "-", "", &EngineGeometry::Stroke, 0},
        {2, "-0.5", "-0.5", &EngineGeometry::PinOffset, -0.5f},
        {2, "5-", "", &EngineGeometry::PinOffset, 0},
        {2, "-", "-", &EngineGeometry::PinOffset, 0},
        {0, ".", ".", &EngineGeometry::Stroke, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "box " << c.index << " typed " << c.keys);
        type(c.index, c.keys);
        EXPECT_EQ(text(c.index), QString::fromLatin1(c.shown));
        EXPECT_EQ(state.geometry.*c.value, c.expected);
    }
}

TEST_F(EngValsTest, FrameAppearsOnceTheGeometryIsUsable)
{
    auto* frame = child<QGroupBox>(QStringLiteral("GeomFram"));
    enterGeometry(".", "100", "0");
    EXPECT_FALSE(frame->isVisible()) << "a stroke of \".\" reads as 0";
    type(2, "-");
    type(0, "46");
    EXPECT_FALSE(frame->isVisible()) << "a lone minus is not an offset";
    QTest::keyClicks(box(2), QStringLiteral("."));
    EXPECT_EQ(text(2), QStringLiteral("-."));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(state.GeomFramShown);
    EXPECT_TRUE(box(3)->isVisible());
    EXPECT_FALSE(box(4)->isVisible());
    EXPECT_FALSE(child<QLabel>(QStringLiteral("GeomLab_4"))->isVisible());

    type(0, "4a"); // emptying the geometry later keeps the frame
    EXPECT_TRUE(frame->isVisible());
    screen.resetForNewTables(); // and after a reset it comes back on the next visit
    EXPECT_FALSE(frame->isVisible());
    enterGeometry("46", "100", "0");
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(EngValsTest, NumberOfTablesShowsTheAngleBoxes)
{
    enterGeometry("46", "100", "0");
    auto* prompt = child<QLabel>(QStringLiteral("GeomLab_4"));
    type(3, "1");
    EXPECT_TRUE(box(4)->isVisible());
    EXPECT_FALSE(box(5)->isVisible());
    EXPECT_EQ(box(4)->x(), twipsToPixels(3340));
    EXPECT_EQ(prompt->text(), QStringLiteral("Initial Crank Angle (degrees, 0 to 176):"));
    type(3, "2");
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
        EXPECT_EQ(state.tables.InitAngle[1], -1.0f);
    }
}

TEST_F(EngValsTest, FewerTablesHideBoxesMoreTablesEmptyThem)
{
    enterGeometry("46", "100", "0.5");
    requestTables("3", {"10", "20", "30"});
    EXPECT_TRUE(command(1)->isEnabled());
    EXPECT_TRUE(state.geometry.OffsetNonZero);
    // Backspacing the third angle away disables the display command.
    box(6)->setFocus();
    QTest::keyClick(box(6), Qt::Key_End);
    QTest::keyClick(box(6), Qt::Key_Backspace);
    QTest::keyClick(box(6), Qt::Key_Backspace);
    EXPECT_FALSE(command(1)->isEnabled());
    QTest::keyClicks(box(6), QStringLiteral("30"));
    EXPECT_TRUE(command(1)->isEnabled());
    type(2, "0"); // OffsetNonZero follows the offset while the inputs are complete
    EXPECT_FALSE(state.geometry.OffsetNonZero);

    type(3, "1");
    EXPECT_EQ(text(4), QString()); // the needed box is emptied
    EXPECT_FALSE(box(5)->isVisible());
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
    const struct {
        const char* keys;
        const char* shown;
        float angle;
    } cases[] = {
        {"177", "", -1}, {"-5", "", -1},  {"176", "176", 176}, {"0", "0", 0},
        {"-", "-", 0},   {"-0", "-0", 0}, {"1.", "", 0},       {"999", "", -1},
    };
    for (const auto& c : cases) {
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
    EXPECT_EQ(strokeChanges.count(), 2); // the filter emptied its box inside the assignment
    EXPECT_EQ(text(0), QString());
    EXPECT_EQ(state.geometry.Stroke, 0.0f);
    EXPECT_FALSE(command(1)->isEnabled());
    box(4)->setText(QStringLiteral("177"));
    EXPECT_EQ(text(4), QString());
    EXPECT_EQ(state.tables.InitAngle[1], -1.0f) << "the nested run stores 0, then -1 remains";
}

TEST_F(EngValsTest, TabSelectsTheWholeTextInTabOrder)
{
    enterGeometry("46", "100", "-0.5");
    requestTables("2", {"10", "20"});
    child<QLineEdit>(QStringLiteral("EngNamTxt"))->setText(QStringLiteral("Twin"));
    command(1)->setFocus(Qt::OtherFocusReason);
    for (const char* name : {"EngNamTxt", "GeomTxt_0", "GeomTxt_1", "GeomTxt_2", "GeomTxt_3",
                             "GeomTxt_4", "GeomTxt_5", "GeomCom_0"}) {
        SCOPED_TRACE(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), QString::fromLatin1(name));
        if (auto* edit = qobject_cast<QLineEdit*>(focused)) {
            EXPECT_FALSE(edit->text().isEmpty());
            EXPECT_EQ(edit->selectedText(), edit->text());
        }
    }
}

TEST_F(EngValsTest, FailedValidationKeepsTheScreenAndSelectsTheBox)
{
    const struct {
        const char* values[3]; // stroke, rod, offset
        const char* prompt;
        int box;
    } cases[] = {
        {{"10", "5", "0"}, "Stroke too small", 0},
        {{"46", "138.1", "0"}, "Connecting Rod/Stroke Ratio too large", 1},
        {{"46", "100", "-9.3"}, "Gudgeon Pin Offset too large", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prompt);
        messages.shown.clear();
        enterGeometry(c.values[0], c.values[1], c.values[2]);
        if (text(3).isEmpty()) {
            requestTables("1", {"30"});
        }
        for (std::size_t press = 1; press <= 2; ++press) {
            command(1)->setFocus();
            display();
            ASSERT_EQ(messages.shown.size(), press);
            EXPECT_EQ(messages.shown.back().prompt, c.prompt);
            EXPECT_EQ(messages.shown.back().title, "Value Out of Range");
            EXPECT_EQ(state.ValidationError, 1);
            EXPECT_TRUE(screen.isVisible());
            EXPECT_TRUE(tables == nullptr);
            EXPECT_EQ(QApplication::focusWidget(), box(c.box));
            EXPECT_EQ(box(c.box)->selectedText(), QString::fromLatin1(c.values[c.box]));
        }
    }
}

} // namespace
} // namespace crank
