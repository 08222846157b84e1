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
    EXPECT_EQ(command(1)->palette().color(QPalette::Button), QColor(255, 192, 255));
    const std::pair<const char*, std::array<int, 4>> rects[] = {
        {"GeomCom_1", {1920, 120, 1240, 615}},   {"EngNamTxt", {2400, 1080, 2750, 320}},
        {"OffSetTxt", {3000, 2300, 4060, 1560}}, {"GeomFram", {240, 4080, 6800, 3400}},
        {"GeomTxt_3", {3160, 2280, 495, 320}},   {"GeomTxt_6", {4900, 2840, 400, 285}}};
    for (const auto& [name, r] : rects) {
        auto* widget = child<QWidget>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), twipRect(r[0], r[1], r[2], r[3])) << name;
    }
    EXPECT_EQ(command(1)->text(), QStringLiteral("&Display the Table(s)"));
    EXPECT_EQ(
        child<QGroupBox>(QStringLiteral("GeomFram"))->title(),
        QStringLiteral("  Crank Angle/Piston Displacement Tables and Initial Crank Angles  "));
    const QString help = child<QPlainTextEdit>(QStringLiteral("OffSetTxt"))->toPlainText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("                 Entering the Gudgeon")));
    EXPECT_EQ(std::pair(box(3)->maxLength(), box(6)->maxLength()), std::pair(1, 3));
}

TEST_F(EngValsTest, FilterAndAngleLimitsAlsoForTextSetByCode)
{
    const std::tuple<int, const char*, const char*, float> cases[] = {
        {0, "4a", "", 0}, {1, "1.2.3", "3", 3}, {0, "-", "", 0}, {2, "-0.5", "-0.5", -0.5f},
        {2, "5-", "", 0}, {2, "-", "-", 0},     {0, ".", ".", 0}};
    for (const auto& [index, keys, shown, value] : cases) {
        SCOPED_TRACE(testing::Message() << "box " << index << " typed " << keys);
        type(index, keys);
        EXPECT_EQ(text(index), QString::fromLatin1(shown));
        const EngineGeometry& g = state.geometry;
        EXPECT_EQ((std::array{g.Stroke, g.RodLength, g.PinOffset}[index]), value);
    }
    enterGeometry("46", "100", "0");
    requestTables("1", {});
    const std::tuple<const char*, const char*, float> angles[] = {
        {"177", "", -1}, {"-5", "", -1},  {"176", "176", 176}, {"0", "0", 0},
        {"-", "-", 0},   {"-0", "-0", 0}, {"1.", "", 0},       {"999", "", -1}};
    for (const auto& [keys, shown, angle] : angles) {
        SCOPED_TRACE(keys);
        type(4, keys);
        EXPECT_EQ(std::pair(text(4), state.tables.InitAngle[1]),
                  std::pair(QString::fromLatin1(shown), angle));
        EXPECT_EQ(command(1)->isEnabled(), *shown != '\0') << "a lone minus counts as entered";
    }
    // Text set by code is filtered before the assignment returns.
    QSignalSpy strokeChanges(box(0), &QLineEdit::textChanged);
    box(0)->setText(QStringLiteral("4a"));
    EXPECT_EQ(strokeChanges.count(), 2);
    EXPECT_EQ(std::pair(text(0), state.geometry.Stroke), std::pair(QString(), 0.0f));
    box(4)->setText(QStringLiteral("177"));
    EXPECT_EQ(std::pair(text(4), state.tables.InitAngle[1]), std::pair(QString(), -1.0f))
        << "the nested run stores 0, then -1 remains";
}

TEST_F(EngValsTest, FrameAndAngleBoxesFollowTheGeometryAndTheNumberOfTables)
{
    auto* frame = child<QGroupBox>(QStringLiteral("GeomFram"));
    auto* prompt = child<QLabel>(QStringLiteral("GeomLab_4"));
    enterGeometry(".", "100", "-");
    type(0, "46");
    EXPECT_FALSE(frame->isVisible()) << "a lone minus is not an offset";
    QTest::keyClicks(box(2), QStringLiteral("."));
    EXPECT_TRUE(frame->isVisible()) << "\"-.\" reads as 0";
    type(0, "4a"); // emptying the geometry later keeps the frame
    EXPECT_TRUE(frame->isVisible());
    type(3, "1");
    EXPECT_EQ(std::tuple(box(4)->isVisible(), box(5)->isVisible(), box(4)->x()),
              std::tuple(true, false, twipsToPixels(3340)));
    EXPECT_EQ(prompt->text(), QStringLiteral("Initial Crank Angle (degrees, 0 to 176):"));
    type(3, "2");
    EXPECT_EQ(std::tuple(box(5)->isVisible(), box(6)->isVisible(), box(4)->x()),
              std::tuple(true, false, twipsToPixels(3400)));
    EXPECT_EQ(prompt->text(), QStringLiteral("Initial Crank Angles (degrees, 0 to 176):"));
    for (const char* wrong : {"0", "4"}) {
        type(3, "3");
        type(3, wrong);
        EXPECT_EQ(std::tuple(text(3), state.tables.NumTables, state.tables.InitAngle[1]),
                  std::tuple(QString(), std::int16_t{0}, -1.0f))
            << wrong;
        EXPECT_FALSE(prompt->isVisible() || box(4)->isVisible()) << wrong;
    }
    // Fewer tables hide boxes without emptying them; more tables empty them.
    type(0, "46");
    requestTables("3", {"10", "20", "30"});
    EXPECT_TRUE(command(1)->isEnabled());
    QTest::keyClick(box(4), Qt::Key_Backspace); // typing left the cursor at the end
    QTest::keyClick(box(4), Qt::Key_Backspace);
    EXPECT_FALSE(command(1)->isEnabled());
    type(3, "1");
    EXPECT_EQ(std::tuple(text(4), box(5)->isVisible(), text(6), state.tables.InitAngle[3]),
              std::tuple(QString(), false, QStringLiteral("30"), 30.0f));
    type(4, "5");
    EXPECT_TRUE(command(1)->isEnabled()) << "hidden boxes are not needed";
    type(3, "3");
    for (int i = 4; i <= 6; ++i) {
        EXPECT_TRUE(text(i).isEmpty() && box(i)->isVisible()) << i;
    }
    EXPECT_FALSE(command(1)->isEnabled());
}

TEST_F(EngValsTest, FailedValidationKeepsTheScreenAndSelectsTheBox)
{
    const std::tuple<std::array<const char*, 3>, const char*, int> cases[] = {
        {{"10", "5", "0"}, "Stroke too small", 0},
        {{"46", "138.1", "0"}, "Connecting Rod/Stroke Ratio too large", 1},
        {{"46", "100", "-9.3"}, "Gudgeon Pin Offset too large", 2}};
    for (const auto& [values, prompt, index] : cases) {
        SCOPED_TRACE(prompt);
        messages.shown.clear();
        enterGeometry(values[0], values[1], values[2]);
        requestTables("1", {"30"});
        display();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt, prompt);
        EXPECT_EQ(messages.shown[0].title, "Value Out of Range");
        EXPECT_TRUE(state.ValidationError == 1 && screen.isVisible() && tables == nullptr);
        EXPECT_EQ(QApplication::focusWidget(), box(index));
        EXPECT_EQ(box(index)->selectedText(), QString::fromLatin1(values[index]));
    }
}

} // namespace
} // namespace crank
