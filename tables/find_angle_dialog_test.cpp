#include "tables/find_angle_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "model/crank_slider.h"
#include "model/engine_state.h"

namespace crank {
namespace {

// The dialog for stroke 46 mm, rod 100 mm, offset -0.5 mm, as after a display.
class FindAngleDialogTest : public ::testing::Test {
protected:
    FindAngleDialogTest()
    {
        state.geometry = {.Stroke = 46, .RodLength = 100, .PinOffset = -0.5f};
        state.geometry.OffsetNonZero = true;
        CalcGeometry(state.geometry, state.model);
    }
    // Types over the whole drop box.
    void type(FindAngleDialog& dialog, const char* keys) const
    {
        dialog.show();
        auto* drop = dialog.findChild<QLineEdit*>(QStringLiteral("dropTxt"));
        drop->clear();
        QTest::keyClicks(drop, QString::fromLatin1(keys));
    }
    static QString shown(const FindAngleDialog& dialog, const char* name)
    {
        const auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
        return label->isHidden() ? QString() : label->text();
    }

    EngineState state;
};

TEST_F(FindAngleDialogTest, TheFullStrokeIsReachedAtBdcOnBothSides)
{
    FindAngleDialog dialog(state);
    type(dialog, "46");
    EXPECT_EQ(shown(dialog, "atdcLab"), QStringLiteral("179.86"));
    EXPECT_EQ(shown(dialog, "btdcLab"), QStringLiteral("180.14"));
}

TEST_F(FindAngleDialogTest, ADropBeyondTheStrokeIsExplained)
{
    FindAngleDialog dialog(state);
    type(dialog, "46.01");
    EXPECT_EQ(shown(dialog, "atdcLab"), QString());
    EXPECT_EQ(shown(dialog, "messageLab"),
              QStringLiteral("The drop must be from 0 to the stroke, 46 mm."));
    type(dialog, "0");
    EXPECT_EQ(shown(dialog, "messageLab"), QString());
}

TEST_F(FindAngleDialogTest, BeforeAnyDisplayItAsksForTheTables)
{
    EngineState empty;
    FindAngleDialog dialog(empty);
    type(dialog, "5");
    EXPECT_EQ(shown(dialog, "messageLab"), QStringLiteral("Display the tables first."));
}

} // namespace
} // namespace crank
