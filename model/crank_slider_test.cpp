#include "model/crank_slider.h"

#include <gtest/gtest.h>

#include "model/engine_test_support.h"

namespace crank {
namespace {

// Two-decimal figures: the value lies within half a hundredth.
TEST(CrankSliderTest, WorkedFiguresOfStroke46Rod100)
{
    // The offset moves BDC by asin(e / (L - r)) - asin(e / (L + r)), about
    // 0.5 / 77 - 0.5 / 123 rad = 0.139 degree, to the side of the offset.
    EXPECT_EQ(Engine(46, 100, 0.0f).geometry.BdcAngle, 180.0f);
    EXPECT_NEAR(Engine(46, 100, -0.5f).geometry.BdcAngle, 179.86, 0.005);
    EXPECT_NEAR(Engine(46, 100, 0.5f).geometry.BdcAngle, 180.14, 0.005);
    // At 90 degrees with zero offset: L + r - sqrt(L^2 - r^2) = 123 - 97.319.
    EXPECT_NEAR(Engine(46, 100, 0.0f).at(90), 25.68, 0.005);
    EXPECT_NEAR(Engine(46, 100, -0.5f).at(90), 25.71, 0.005);
    EXPECT_NEAR(Engine(46, 100, 0.5f).at(90), 25.66, 0.005);
}

// Stroke 15 to 1000 mm, offsets up to a fifth of the stroke either way.
const Engine kEngines[] = {{46, 100, 0.0f},  {46, 100, 0.5f},   {46, 100, 9.2f},
                           {46, 100, -9.2f}, {15, 22.5f, 3.0f}, {1000, 3000, -200.0f}};

TEST(CrankSliderTest, ExactDeadCentres)
{
    for (const Engine& engine : kEngines) {
        SCOPED_TRACE(engine.geometry.PinOffset);
        const float stroke = engine.geometry.Stroke;
        // TDC within 0.005 degree, and anything outside the turn.
        for (const float angle : {0.0f, 0.004f, 359.996f, 360.0f, -1.0f, 361.0f}) {
            EXPECT_EQ(engine.at(angle), 0.0f) << angle;
        }
        EXPECT_GT(engine.at(0.5f), 0.0f);
        EXPECT_GT(engine.at(359.5f), 0.0f);
        const float bdc = engine.geometry.BdcAngle;
        EXPECT_EQ(engine.at(bdc - 0.004f), stroke);
        EXPECT_EQ(engine.at(bdc + 0.004f), stroke);
        EXPECT_LT(engine.at(bdc - 0.1f), stroke);
        EXPECT_LT(engine.at(bdc + 0.1f), stroke);
    }
}

TEST(CrankSliderTest, RisesFromTdcToBdcAndFallsAfter)
{
    for (const Engine& engine : kEngines) {
        SCOPED_TRACE(engine.geometry.PinOffset);
        const float bdc = engine.geometry.BdcAngle;
        for (float angle = 1.0f; angle < 360.0f; angle += 1.0f) {
            const float before = angle - 1.0f;
            if (angle <= bdc) {
                EXPECT_GT(engine.at(angle), engine.at(before)) << angle;
            } else if (before >= bdc) {
                EXPECT_LT(engine.at(angle), engine.at(before)) << angle;
            } else {
                EXPECT_LT(engine.at(angle), engine.at(bdc)) << angle;
                EXPECT_LT(engine.at(before), engine.at(bdc)) << angle;
            }
        }
    }
}

TEST(CrankSliderTest, ZeroOffsetIsSymmetricAndANegativeOffsetMirrorsThePositive)
{
    const Engine zero(46, 100, 0.0f);
    const Engine plus(57.5f, 110, 3.1f);
    const Engine minus(57.5f, 110, -3.1f);
    // Quarter degrees, so that 360 - x is exact in float.
    for (float x = 0.25f; x < 360.0f; x += 7.25f) {
        EXPECT_EQ(zero.at(x), zero.atBtdc(x)) << x;
        EXPECT_EQ(minus.at(x), plus.atBtdc(x)) << x;
    }
}

} // namespace
} // namespace crank
