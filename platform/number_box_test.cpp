#include "platform/number_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace crank {
namespace {

// A slip of the keyboard never becomes a number: the box keeps what it had
// and a tip under it says why, in a decimal-point locale as in a comma one.
TEST(NumberBoxTest, RefusesVisiblyAndKeepsWhatWasTyped)
{
    for (const char* decimal : {".", ","}) {
        SCOPED_TRACE(decimal);
        QLineEdit box;
        MakeNumberBox(box, {decimal}, false);
        box.show();
        QTest::keyClicks(&box, "0,3.");
        EXPECT_EQ(box.text(), "0,3");
        EXPECT_EQ(NumberBoxRefusal(box), "A number has one decimal separator (\".\" or \",\").");
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), NumberBoxRefusal(box));
        QTest::keyClicks(&box, "-");
        EXPECT_EQ(box.text(), "0,3");
        QTest::keyClicks(&box, "5");
        EXPECT_EQ(box.text(), "0,35");
        EXPECT_EQ(NumberBoxRefusal(box), "");
    }
}

// A paste that holds a letter is refused whole: nothing of it goes in.
TEST(NumberBoxTest, APasteWithALetterLeavesTheBoxAsItWas)
{
    QLineEdit box;
    MakeNumberBox(box, {"."}, true);
    box.setText(QStringLiteral("22.6"));
    box.selectAll();
    box.insert(QStringLiteral("28 mm"));
    EXPECT_EQ(box.text(), "22.6");
    EXPECT_NE(NumberBoxRefusal(box), "");
}

} // namespace
} // namespace crank
