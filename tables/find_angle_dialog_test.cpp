#include "tables/find_angle_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "model/crank_slider.h"
#include "model/engine_state.h"

namespace crank {
namespace {

// Stroke 46 mm, rod 100 mm, offset -0.5 mm, as after a display.
class FindAngleDialogTest : public ::testing::Test {
protected:
    FindAngleDialogTest()
    {
        state.geometry.Stroke = 46;
        state.geometry.RodLength = 100;
        state.geometry.PinOffset = -0.5f;
        state.geometry.OffsetNonZero = true;
        CalcGeometry(state.geometry, state.model);
    }
    // Types over the whole drop box of `dialog`; returns the three texts shown.
    static std::array<QString, 3> type(FindAngleDialog& dialog, const char* keys)
    {
        dialog.show();
        auto* drop = dialog.findChild<QLineEdit*>(QStringLiteral("dropTxt"));
        drop->clear();
        QTest::keyClicks(drop, QString::fromLatin1(keys));
        const auto shown = [&](const char* name) {
            auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
            return label->isHidden() ? QString() : label->text();
        };
        return {drop->text(), shown("atdcLab") + QLatin1Char('/') + shown("btdcLab"),
                shown("messageLab")};
    }

    EngineState state;
};

TEST_F(FindAngleDialogTest, ShowsBothAnglesForATypedDrop)
{
    FindAngleDialog dialog(state);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find Crank Angle"));
    EXPECT_FALSE(dialog.isModal());
    const struct {
        const char* keys;
        const char* box; // what the box holds after the last key
        const char* angles;
        const char* message;
    } cases[] = {
        {"46.01", "46.01", "/", "The drop must be from 0 to the stroke, 46 mm."},
        {"0", "0", "0.00/0.00", ""}, // back inside the range the message goes
        {".", ".", "0.00/0.00", ""}, // reads as 0, like the value boxes
        {"46", "46", "179.86/180.14", ""},
        {"46.000", "46.000", "179.86/180.14", ""},
        // Each rejected key empties the box; the keys after it are typed afresh.
        {"4a", "", "/", ""},
        {"1.2.", "", "/", ""},
        {"1,5", "5", nullptr, ""},
        {" 3", "3", nullptr, ""},
        {"-1", "1", nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const auto [box, angles, message] = type(dialog, c.keys);
        EXPECT_EQ(box, QString::fromLatin1(c.box));
        if (c.angles != nullptr) {
            EXPECT_EQ(angles, QString::fromLatin1(c.angles));
        } else {
            EXPECT_GT(angles.size(), 3);
        }
        EXPECT_EQ(message, QString::fromLatin1(c.message));
    }

    // Halfway down: the offset puts the two angles apart, and each gives the
    // typed drop back through the model to within what 0.01 degree can show.
    const QStringList found = type(dialog, "23")[1].split(QLatin1Char('/'));
    ASSERT_EQ(found.size(), 2);
    EXPECT_NE(found[0], found[1]);
    const float atdc = found[0].toFloat();
    const float btdc = found[1].toFloat();
    EXPECT_NEAR(CalcDisplacement(state.geometry, state.model, atdc), 23.0f, 0.005f);
    EXPECT_NEAR(CalcDisplacement(state.geometry, state.model, 360.0f - btdc), 23.0f, 0.005f);
}

TEST_F(FindAngleDialogTest, OpenedBeforeAnyDisplayAsksForOne)
{
    EngineState empty;
    FindAngleDialog dialog(empty);
    EXPECT_EQ(type(dialog, "5")[2], QStringLiteral("Display the tables first."));
}

} // namespace
} // namespace crank
