#include "tables/find_angle_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "model/crank_slider.h"
#include "model/engine_state.h"

namespace crank {
namespace {

// Types over the whole drop box; returns the box, "ATDC/BTDC" and the message as shown.
std::array<QString, 3> type(FindAngleDialog& dialog, const char* keys)
{
    dialog.show();
    auto* drop = dialog.findChild<QLineEdit*>(QStringLiteral("dropTxt"));
    drop->clear();
    QTest::keyClicks(drop, QString::fromLatin1(keys));
    const auto shown = [&](const char* name) {
        auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
        return label->isHidden() ? QString() : label->text();
    };
    return {drop->text(), shown("atdcLab") + '/' + shown("btdcLab"), shown("messageLab")};
}

TEST(FindAngleDialogTest, ShowsBothAnglesForATypedDrop)
{
    EngineState state; // stroke 46 mm, rod 100 mm, offset -0.5 mm, as after a display
    state.geometry = {.Stroke = 46, .RodLength = 100, .PinOffset = -0.5f, .OffsetNonZero = true};
    CalcGeometry(state.geometry, state.model);
    FindAngleDialog dialog(state);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find Crank Angle"));
    EXPECT_FALSE(dialog.isModal());
    // A rejected key empties the box; the keys after it are typed afresh.
    const std::array<const char*, 4> cases[] = {
        {"46.01", "46.01", "/", "The drop must be from 0 to the stroke, 46 mm."},
        {"0", "0", "0.00/0.00", ""}, // back inside the range the message goes
        {".", ".", "0.00/0.00", ""}, // reads as 0, like the value boxes
        {"46", "46", "179.86/180.14", ""},
        {"4a", "", "/", ""},
        {"1.2.", "", "/", ""},
        {"-2", "2", "", ""}};
    for (const auto& [keys, box, angles, message] : cases) {
        SCOPED_TRACE(keys);
        const auto shown = type(dialog, keys);
        EXPECT_EQ(shown[0], QLatin1String(box));
        EXPECT_TRUE(shown[1].startsWith(QLatin1String(angles))) << shown[1].toStdString();
        EXPECT_EQ(shown[2], QLatin1String(message));
    }
    // Halfway down the offset puts the two angles apart; each gives the drop back.
    const QStringList found = type(dialog, "23")[1].split('/');
    ASSERT_EQ(found.size(), 2);
    EXPECT_NE(found[0], found[1]);
    EXPECT_NEAR(CalcDisplacement(state.geometry, state.model, found[0].toFloat()), 23, 0.005);
    EXPECT_NEAR(CalcDisplacement(state.geometry, state.model, 360 - found[1].toFloat()), 23, 0.005);

    EngineState empty;
    FindAngleDialog early(empty);
    EXPECT_EQ(type(early, "5")[2], QStringLiteral("Display the tables first."));
}

} // namespace
} // namespace crank
