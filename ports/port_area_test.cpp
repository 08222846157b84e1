// Port windows, their open area against crank angle and the time-area
// figures, against areas and figures worked out by hand.
#include "ports/port_area.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "model/engine_test_support.h"
#include "ports/port_sheet.h"

namespace crank {
namespace {

TEST(PortAreaTest, RoundedWindowsHaveTheirHandWorkedAreas)
{
    const WindowShape rounded{40, 30, 5, 5};
    EXPECT_NEAR(WindowArea(rounded), 1178.54, 0.005);
    // The top 5 mm: 40 x 5 less two corners of (1 - π/4)·25.
    EXPECT_NEAR(UncoveredArea(rounded, 5), 189.27, 0.005);
    EXPECT_NEAR(UncoveredArea(rounded, 50), 1178.54, 0.005); // held at the floor
    EXPECT_NEAR(UncoveredArea({40, 30, 0, 0}, 12.5), 500.0, 1e-9);
    for (const double r : {0.0, 2.0, 7.5, 15.0}) {
        SCOPED_TRACE(r);
        EXPECT_NEAR(WindowArea({40, 30, r, r}), 40 * 30 - (4 - std::numbers::pi) * r * r, 1e-9);
        // Equal radii: the last y millimetres are the first turned over.
        EXPECT_NEAR(WindowArea({40, 30, r, r}) - UncoveredArea({40, 30, r, r}, 30 - 4),
                    UncoveredArea({40, 30, r, r}, 4), 1e-9);
    }
    // A 2 mm top radius and a 6 mm bottom one: each pair of corners takes its own share.
    EXPECT_NEAR(WindowArea({40, 30, 2, 6}), 1200 - (1 - std::numbers::pi / 4) * 2 * (4 + 36), 1e-9);
}

TEST(PortAreaTest, AnArcAlongTheWallBecomesItsChord)
{
    EXPECT_NEAR(ChordOfArc(40, 54), 36.44, 0.005);
}

TEST(PortAreaTest, FiguresFollowFromTheAngleAreaBySpeedAndVolume)
{
    // 40 mm² more each degree for 30 degrees.
    EXPECT_NEAR(IntegrateOverAngle([](double a) { return 40 * a; }, 0, 30), 18000, 1e-6);
    const double timeArea = TimeAreaOf(600000, 10000);
    EXPECT_NEAR(timeArea, 10, 1e-12);
    EXPECT_NEAR(StaOf(timeArea, 100), 0.1, 1e-12);
    // A 50 mm bore and a 50.93 mm stroke sweep 100 cm³.
    EXPECT_NEAR(SweptVolume(50, 50.93), 100.0, 0.001);
}

// A 40 x 25 mm exhaust window with 4 mm corners, its roof 25 mm down.
PortOpening exhaust(const EngineSnapshot& engine, float drop = 25)
{
    const PortTiming timing = TimePort(engine, PortKind::CrownOpened, drop);
    EXPECT_EQ(timing.status, TimingStatus::Timed);
    return {PortKind::CrownOpened, drop, {40, 25, 4, 4}, 1};
}

TEST(PortAreaTest, WithoutAnOffsetTheAreaIsSymmetricAboutBdc)
{
    const EngineSnapshot engine = Engine(54, 110, 0).shown();
    const PortOpening port = exhaust(engine);
    for (const double a : {95.0, 120.0, 150.0, 179.0}) {
        EXPECT_NEAR(OpenAreaAt(engine, port, a), OpenAreaAt(engine, port, 360 - a), 0.01) << a;
    }
}

TEST(PortAreaTest, WithAnOffsetTheAreaOpensAndClosesAtTheTiming)
{
    for (const float offset : {3.0f, -3.0f}) {
        const EngineSnapshot engine = Engine(54, 110, offset).shown();
        const PortOpening port = exhaust(engine);
        const PortTiming t = TimePort(engine, PortKind::CrownOpened, port.drop);
        SCOPED_TRACE(offset);
        EXPECT_EQ(OpenAreaAt(engine, port, t.opens - 0.05), 0.0);
        EXPECT_GT(OpenAreaAt(engine, port, t.opens + 0.05), 0.0);
        EXPECT_GT(OpenAreaAt(engine, port, 360 - t.closes - 0.05), 0.0);
        EXPECT_EQ(OpenAreaAt(engine, port, 360 - t.closes + 0.05), 0.0);
        // An inlet's floor: open around TDC, by the skirt's timing.
        const PortOpening inlet{PortKind::SkirtOpened, 20, {30, 20, 3, 3}, 1};
        const PortTiming i = TimePort(engine, PortKind::SkirtOpened, 20);
        EXPECT_EQ(OpenAreaAt(engine, inlet, 360 - i.opens - 0.05), 0.0);
        EXPECT_GT(OpenAreaAt(engine, inlet, 360 - i.opens + 0.05), 0.0);
        EXPECT_NEAR(OpenAreaAt(engine, inlet, 0), WindowArea(inlet.window), 1e-9);
        EXPECT_EQ(OpenAreaAt(engine, inlet, i.closes + 0.05), 0.0);
    }
}

TEST(PortAreaTest, AFinerStepChangesNoFigureShown)
{
    const EngineSnapshot engine = Engine(54, 110, 1).shown();
    const PortOpening port = exhaust(engine, 26.3f);
    const OpenSpan span =
        OpenSpanOf(PortKind::CrownOpened, TimePort(engine, PortKind::CrownOpened, port.drop));
    const double fine = AngleArea(engine, port, span.from, span.to);
    const double finer = AngleArea(engine, port, span.from, span.to, kAreaStep / 8);
    // Shown to 1 mm²·deg, and STA to 3 figures.
    EXPECT_NEAR(fine, finer, 0.05);
    EXPECT_NEAR(fine / finer, 1, 1e-6);
}

} // namespace
} // namespace crank
