#include "model/port_timing.h"

#include <gtest/gtest.h>

#include "model/engine_test_support.h"

namespace crank {
namespace {

constexpr auto kCrown = PortKind::CrownOpened;
constexpr auto kSkirt = PortKind::SkirtOpened;
constexpr auto kMm = LengthUnit::Millimetre;

TEST(PortTimingTest, NoOffsetOpensAndClosesSymmetricallyAboutTdc)
{
    const Engine engine(46, 100, 0);
    // Drop at 90 degrees: L + r - sqrt(L^2 - r^2) = 123 - sqrt(9471) = 25.681 mm.
    const PortTiming quarter = TimePort(engine.geometry, engine.model, kCrown, 25.681f, 0, kMm);
    ASSERT_TRUE(quarter.ok);
    EXPECT_EQ(FormatAngle(quarter.opens), "90.0");
    EXPECT_EQ(FormatAngle(quarter.closes), "90.0");
    EXPECT_EQ(FormatAngle(quarter.duration), "180.0");
    for (const float height : {1.0f, 45.9f}) {
        SCOPED_TRACE(height);
        const PortTiming t = TimePort(engine.geometry, engine.model, kCrown, height, 0, kMm);
        EXPECT_NEAR(t.opens, t.closes, 0.001);
        EXPECT_NEAR(t.duration, 2 * (180 - t.opens), 0.001);
    }
}

// The mechanism worked out independently has dropped by the port's height at the angles found.
TEST(PortTimingTest, OffsetTimingMatchesTheMechanismDrawnOut)
{
    for (const float offset : {9.0f, -2.0f}) {
        const Engine engine(46, 100, offset);
        const ReferenceEngine drawn(46, 100, offset);
        for (const float drop : {3.0f, 40.0f}) {
            SCOPED_TRACE(testing::Message() << "offset " << offset << ", drop " << drop);
            const PortTiming t = TimePort(engine.geometry, engine.model, kCrown, drop, 0, kMm);
            EXPECT_NEAR(drawn.displacement(t.opens), drop, 0.002);
            EXPECT_NEAR(drawn.displacement(-t.closes), drop, 0.002);
            // An offset with the rotation reaches the edge later ATDC than BTDC.
            EXPECT_EQ(t.opens > t.closes, offset > 0);
        }
    }
}

TEST(PortTimingTest, SkirtPortIsOpenExactlyWhileTheCrownPortIsShut)
{
    const Engine engine(54.5f, 110, -0.5f);
    for (const float height : {4.0f, 50.0f}) {
        SCOPED_TRACE(height);
        const PortTiming skirt = TimePort(engine.geometry, engine.model, kSkirt, height, 1, kMm);
        const PortTiming crown = TimePort(engine.geometry, engine.model, kCrown, height, 1, kMm);
        EXPECT_NEAR(skirt.duration, skirt.opens + skirt.closes, 0.0001);
        EXPECT_FLOAT_EQ(skirt.opens, crown.closes);
        EXPECT_NEAR(skirt.duration + crown.duration, 360, 0.0001);
    }
}

// The height found for a target, timed again: the target within 0.05 degree.
void expectRoundTrip(const Engine& engine, PortKind kind, TimingTarget target, float degrees)
{
    const float deck = engine.geometry.Stroke / 50;
    const PortHeight found =
        FindPortHeight(engine.geometry, engine.model, kind, target, degrees, deck, kMm);
    ASSERT_TRUE(found.ok) << found.message;
    const PortTiming t = TimePort(engine.geometry, engine.model, kind, found.height, deck, kMm);
    EXPECT_NEAR(target == TimingTarget::Opening ? t.opens : t.duration, degrees, 0.05);
}

TEST(PortTimingTest, TargetGivesAHeightThatTimesBackToIt)
{
    // The corners of the admissible geometries: stroke, rod/stroke, offset/stroke.
    for (const float S : {15.0f, 54.5f, 1000.0f}) {
        for (const float rodRatio : {1.5f, 3.0f}) {
            for (const float offsetRatio : {-0.2f, 0.0f, 0.2f}) {
                const Engine engine(S, S * rodRatio, S * offsetRatio);
                SCOPED_TRACE(testing::Message() << S << " " << rodRatio << " " << offsetRatio);
                for (const PortKind kind : {kCrown, kSkirt}) {
                    // BDC may come as early as 174 degrees on one side.
                    for (const float opening : {3.0f, 45.0f, 90.0f, 150.0f}) {
                        expectRoundTrip(engine, kind, TimingTarget::Opening, opening);
                    }
                    for (const float duration : {3.0f, 90.0f, 175.0f, 190.0f, 300.0f, 357.0f}) {
                        expectRoundTrip(engine, kind, TimingTarget::Duration, duration);
                    }
                }
            }
        }
    }
}

TEST(PortTimingTest, InchesAndMillimetresAgree)
{
    const Engine engine(54.5f, 110, 0.5f);
    const PortTiming inch =
        TimePort(engine.geometry, engine.model, kCrown, 1, 0.05f, LengthUnit::Inch);
    const PortTiming mm = TimePort(engine.geometry, engine.model, kCrown, 25.4f, 1.27f, kMm);
    EXPECT_NEAR(inch.drop * 25.4, mm.drop, 0.0001);
    EXPECT_NEAR(inch.opens, mm.opens, 0.001);
    EXPECT_NEAR(inch.closes, mm.closes, 0.001);
    const auto height = [&](LengthUnit unit, float deck) {
        return FindPortHeight(engine.geometry, engine.model, kSkirt, TimingTarget::Duration, 150,
                              deck, unit)
            .height;
    };
    EXPECT_NEAR(height(LengthUnit::Inch, -0.1f) * 25.4, height(kMm, -2.54f), 0.0005);
}

TEST(PortTimingTest, UnreachableTargetsAndStrayHeightsAreExplained)
{
    const Engine engine(46, 100, 0);
    const auto timed = [&](float height, float deck, LengthUnit unit) {
        return TimePort(engine.geometry, engine.model, kCrown, height, deck, unit).message;
    };
    EXPECT_EQ(timed(47, 0.5f, kMm),
              "Beyond the stroke: the drop is 46.50 mm, the stroke 46.00 mm.");
    EXPECT_EQ(timed(2, 0, LengthUnit::Inch),
              "Beyond the stroke: the drop is 2.000 in, the stroke 1.811 in.");
    EXPECT_EQ(timed(0.3f, 0.5f, kMm), "Above the crown at TDC: the drop is -0.20 mm.");
    EXPECT_EQ(timed(46.5f, 0.5f, kMm), ""); // the edge at BDC
    EXPECT_EQ(timed(0.5f, 0.5f, kMm), "");  // and at TDC

    const auto target = [&](PortKind kind, TimingTarget what, float degrees, float deck) {
        return FindPortHeight(engine.geometry, engine.model, kind, what, degrees, deck, kMm)
            .message;
    };
    const std::string crownDuration =
        "No height gives that: a crown-opened port is open from 0.0 to 360.0 degrees.";
    EXPECT_EQ(target(kCrown, TimingTarget::Duration, 360.5f, 0), crownDuration);
    EXPECT_EQ(target(kCrown, TimingTarget::Duration, -1, 0), crownDuration);
    EXPECT_EQ(target(kCrown, TimingTarget::Duration, 0, 0), "");
    // The crown 25.681 mm proud: no edge can open before 90 degrees.
    EXPECT_EQ(target(kCrown, TimingTarget::Opening, 60, -25.681f),
              "No height gives that: a crown-opened port opens from 90.0 to 180.0 degrees ATDC.");
    EXPECT_EQ(target(kSkirt, TimingTarget::Opening, 181, 0),
              "No height gives that: a skirt-opened port opens from 0.0 to 180.0 degrees BTDC.");

    // BDC of the worked example: 180.14 degrees with +0.5 mm, later on the way down.
    EXPECT_EQ(AsymmetryNote(Engine(46, 100, 0.5f).geometry),
              "Pin offset +0.50 mm: the piston passes each edge later ATDC than BTDC, so opening "
              "and closing differ (BDC at 180.14 degrees ATDC).");

    const EngineState none;
    EXPECT_EQ(TimePort(none.geometry, none.model, kCrown, 10, 0, kMm).message,
              "Display the tables first.");
}

} // namespace
} // namespace crank
