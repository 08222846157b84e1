#include "tables/find_angle_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "model/crank_slider.h"
#include "model/engine_state.h"

namespace crank {
namespace {

EngineState displayedState(float stroke, float rod, float offset)
{
    EngineState state;
    state.geometry.Stroke = stroke;
    state.geometry.RodLength = rod;
    state.geometry.PinOffset = offset;
    state.geometry.OffsetNonZero = offset != 0.0f;
    CalcGeometry(state.geometry, state.model);
    return state;
}

struct Dialog {
    explicit Dialog(const EngineState& state) : dialog(state)
    {
        dialog.show();
        drop = dialog.findChild<QLineEdit*>(QStringLiteral("dropTxt"));
        atdc = dialog.findChild<QLabel*>(QStringLiteral("atdcLab"));
        btdc = dialog.findChild<QLabel*>(QStringLiteral("btdcLab"));
        message = dialog.findChild<QLabel*>(QStringLiteral("messageLab"));
    }
    void type(const char* keys)
    {
        drop->clear();
        QTest::keyClicks(drop, QString::fromLatin1(keys));
    }
    FindAngleDialog dialog;
    QLineEdit* drop = nullptr;
    QLabel* atdc = nullptr;
    QLabel* btdc = nullptr;
    QLabel* message = nullptr;
};

TEST(FindAngleDialogTest, ShowsBothAnglesForATypedDrop)
{
    const EngineState state = displayedState(46, 100, -0.5f);
    Dialog d(state);
    ASSERT_TRUE(d.drop && d.atdc && d.btdc && d.message);
    EXPECT_EQ(d.dialog.windowTitle(), QStringLiteral("Find Crank Angle"));
    EXPECT_FALSE(d.dialog.isModal());

    struct Case {
        const char* keys;
        const char* atdc;
        const char* btdc;
    };
    const Case cases[] = {
        {"0", "0.00", "0.00"},
        {".", "0.00", "0.00"}, // reads as 0, like the value boxes
        {"46", "179.86", "180.14"},
        {"46.000", "179.86", "180.14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        d.type(c.keys);
        EXPECT_EQ(d.atdc->text(), QString::fromLatin1(c.atdc));
        EXPECT_EQ(d.btdc->text(), QString::fromLatin1(c.btdc));
        EXPECT_TRUE(d.message->isHidden());
    }

    // Halfway down: the offset puts the two angles apart, and each gives the
    // typed drop back through the model to within what 0.01 degree can show.
    d.type("23");
    const float atdc = d.atdc->text().toFloat();
    const float btdc = d.btdc->text().toFloat();
    EXPECT_NE(d.atdc->text(), d.btdc->text());
    EXPECT_NEAR(CalcDisplacement(state.geometry, state.model, atdc), 23.0f, 0.005f);
    EXPECT_NEAR(CalcDisplacement(state.geometry, state.model, 360.0f - btdc), 23.0f, 0.005f);
}

TEST(FindAngleDialogTest, RejectedKeystrokeEmptiesTheBox)
{
    const EngineState state = displayedState(46, 100, 0.0f);
    Dialog d(state);
    struct Case {
        const char* keys;
        const char* left; // what the box holds after the last key
    };
    // Each rejected key empties the box; the keys after it are typed afresh.
    const Case cases[] = {{"4a", ""}, {"-1", "1"}, {"1.2.", ""}, {"1,5", "5"}, {" 3", "3"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        d.type(c.keys);
        EXPECT_EQ(d.drop->text(), QString::fromLatin1(c.left));
        EXPECT_EQ(d.atdc->text().isEmpty(), *c.left == '\0');
    }
    d.type("4a");
    EXPECT_EQ(d.drop->text(), QString());
    EXPECT_EQ(d.atdc->text(), QString());
    EXPECT_EQ(d.btdc->text(), QString());
    EXPECT_TRUE(d.message->isHidden());
}

TEST(FindAngleDialogTest, DropBeyondTheStrokeGetsAMessage)
{
    const EngineState state = displayedState(46, 100, 0.5f);
    Dialog d(state);
    d.type("46.01");
    EXPECT_FALSE(d.message->isHidden());
    EXPECT_EQ(d.message->text(), QStringLiteral("The drop must be from 0 to the stroke, 46 mm."));
    EXPECT_EQ(d.atdc->text(), QString());
    EXPECT_EQ(d.btdc->text(), QString());
    // Back inside the range the message goes and the angles come.
    QTest::keyClick(d.drop, Qt::Key_Backspace);
    QTest::keyClick(d.drop, Qt::Key_Backspace);
    EXPECT_TRUE(d.message->isHidden());
    EXPECT_FALSE(d.atdc->text().isEmpty());

    // Opened before any display: no geometry to look into.
    EngineState empty;
    Dialog none(empty);
    none.type("5");
    EXPECT_EQ(none.message->text(), QStringLiteral("Display the tables first."));
}

} // namespace
} // namespace crank
