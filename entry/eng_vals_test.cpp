#include "entry/eng_vals.h"

#include <QGroupBox>
#include <QLabel>

#include <QSignalSpy>

#include "tests/entry_fixture.h"

namespace crank {
namespace {

using EngValsTest = EntryScreenTest;

// Each box keeps its first characters: the name 25, the geometry 6, the count 1, an angle 3.
TEST_F(EngValsTest, EveryBoxKeepsItsMaximumLength)
{
    auto* name = child<QLineEdit>(entry(), QStringLiteral("EngNamTxt"));
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, QStringLiteral("Twin Cylinder Two Stroke Kart"));
    EXPECT_EQ(name->text(), QStringLiteral("Twin Cylinder Two Stroke "));
    for (int i = 0; i <= 2; ++i) {
        type(i, "1234567890");
        EXPECT_EQ(box(i)->text(), QStringLiteral("123456")) << i;
    }
    type(3, "31");
    EXPECT_EQ(box(3)->text(), QStringLiteral("3"));
    for (int i = 4; i <= 6; ++i) {
        type(i, "0000");
        EXPECT_EQ(box(i)->text(), QStringLiteral("000")) << i;
    }
}

// Entering a box, by mouse as by key, highlights its whole text for typing over.
TEST_F(EngValsTest, EnteringABoxSelectsItsText)
{
    enterGeometry("46", "100", "0");
    box(1)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(box(1)->selectedText(), QStringLiteral("100"));
    EXPECT_FALSE(box(0)->hasSelectedText());
}

TEST_F(EngValsTest, RefusedCharactersEmptyTheBoxAndZeroItsValue)
{
    type(0, "4a");
    EXPECT_EQ(box(0)->text(), QString());
    type(1, "1.2.3");
    EXPECT_EQ(box(1)->text(), QStringLiteral("3")); // the keys after the refusal, afresh
    // Text set by code is filtered before the assignment returns.
    box(0)->setText(QStringLiteral("4a"));
    EXPECT_EQ(box(0)->text(), QString());
}

TEST_F(EngValsTest, AnglesOutsideZeroTo176AreRefused)
{
    enterGeometry("46", "100", "0");
    requestTables("1", {});
    type(4, "176");
    EXPECT_EQ(state.tables.InitAngle[1], 176.0f);
    EXPECT_TRUE(command(1)->isEnabled());
    type(4, "177");
    EXPECT_EQ(box(4)->text(), QString());
    EXPECT_EQ(state.tables.InitAngle[1], -1.0f); // the nested run stores 0, then -1 remains
    EXPECT_FALSE(command(1)->isEnabled());
}

TEST_F(EngValsTest, TheRequestFrameShowsOnceTheGeometryIsThere)
{
    auto* frame = child<QGroupBox>(entry(), QStringLiteral("GeomFram"));
    enterGeometry("46", "100", "-");
    EXPECT_FALSE(frame->isVisible()) << "a lone minus is not an offset";
    QTest::keyClicks(box(2), QStringLiteral("."));
    EXPECT_TRUE(frame->isVisible()) << "\"-.\" reads as 0";
    requestTables("1", {"30"});
    type(0, "54");
    EXPECT_EQ(box(4)->text(), QStringLiteral("30"))
        << "a later edit of the geometry keeps the request";
    type(0, "4a");
    EXPECT_TRUE(frame->isVisible()) << "emptying the geometry later keeps the frame";
}

TEST_F(EngValsTest, TheNumberOfTablesShowsItsAngleBoxes)
{
    auto* prompt = child<QLabel>(entry(), QStringLiteral("GeomLab_4"));
    enterGeometry("46", "100", "0");
    type(3, "1");
    EXPECT_TRUE(box(4)->isVisible());
    EXPECT_FALSE(box(5)->isVisible());
    EXPECT_EQ(prompt->text(), QStringLiteral("Initial Crank Angle (degrees, 0 to 176):"));
    type(3, "2");
    EXPECT_TRUE(box(5)->isVisible());
    EXPECT_EQ(prompt->text(), QStringLiteral("Initial Crank Angles (degrees, 0 to 176):"));
    requestTables("3", {"10", "20", "30"});
    type(3, "4");
    EXPECT_EQ(box(3)->text(), QString());
    EXPECT_EQ(state.tables.NumTables, 0);
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_FALSE(box(4)->isVisible());
}

// Fewer tables hide boxes and keep their texts; more tables empty them again.
TEST_F(EngValsTest, HiddenAngleBoxesKeepTheirTextsUntilShownAgain)
{
    enterGeometry("46", "100", "0");
    requestTables("3", {"10", "20", "30"});
    type(3, "1");
    EXPECT_EQ(box(6)->text(), QStringLiteral("30"));
    type(3, "3");
    EXPECT_EQ(box(6)->text(), QString());
}

TEST_F(EngValsTest, FailedValidationKeepsTheScreenAndSelectsTheBox)
{
    enterGeometry("46", "138.1", "0");
    requestTables("1", {"30"});
    QSignalSpy requested(&entry(), &EngVals::tablesRequested);
    display();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "Connecting Rod/Stroke Ratio too large");
    EXPECT_EQ(messages.shown[0].title, "Value Out of Range");
    EXPECT_TRUE(entry().isVisible());
    EXPECT_EQ(requested.count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), box(1));
    EXPECT_EQ(box(1)->selectedText(), QStringLiteral("138.1"));
}

} // namespace
} // namespace crank
