// Port windows and the integration of their open area, against areas worked
// out by hand and an integration of its own.
#include "ports/port_area.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "model/engine_test_support.h"

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

// Where a rounded corner or the floor is reached the area grows as the 3/2 power of the angle.
TEST(PortAreaTest, APieceIsIntegratedExactlyWithA3Over2PowerAtEitherEnd)
{
    // 40 mm² more each degree for 30 degrees; ∫ t^1.5 from 0 to 8 is 8^2.5 / 2.5.
    EXPECT_NEAR(IntegratePiece([](double a) { return 40 * a; }, 0, 30), 18000, 1e-9);
    const double power = std::pow(8.0, 2.5) / 2.5;
    EXPECT_NEAR(IntegratePiece([](double a) { return std::pow(a - 2, 1.5); }, 2, 10), power, 1e-7);
    EXPECT_NEAR(IntegratePiece([](double a) { return std::pow(10 - a, 1.5); }, 2, 10), power, 1e-7);
}

// The mechanism's drop from ReferenceEngine at every 1e-4 degree of a whole turn, the port's
// area at that drop (the hand-worked areas above), summed at the midpoints.
double referenceAngleArea(const ReferenceEngine& mechanism, const PortOpening& port)
{
    constexpr int kSteps = 3'600'000;
    double sum = 0.0;
    for (int i = 0; i < kSteps; ++i) {
        sum += OpenAreaAtDisplacement(port, mechanism.displacement((i + 0.5) * 360.0 / kSteps));
    }
    return sum * 360.0 / kSteps;
}

// Integrated piece by piece between the crank angles where the shape changes, a port's
// angle-area over its timing is exact to far below the figures shown (1 mm²·deg, four significant
// digits of STA): only a figure within a hair of a rounding boundary may go either way. Three
// engines: one with a pin offset and an inlet of unequal radii, one with the pin the other way
// and a floor below BDC, and ports of every size.
TEST(PortAreaTest, AngleAreasAreExact)
{
    constexpr auto kCrown = PortKind::CrownOpened;
    const struct {
        float stroke, rod, offset;
        PortOpening port; // the drop is the roof's, or an inlet's floor's
    } cases[] = {
        {54, 110, 0, {kCrown, 26, {40, 25, 4, 4}, 1}},
        {54, 110, 0, {kCrown, 33.5, {9, 6, 0, 0}, 1}},
        {54.5f, 110, 1, {kCrown, 26.8, {38, 24, 5, 3}, 1}},
        {54.5f, 110, 1, {PortKind::SkirtOpened, 20, {30, 16, 2, 5}, 1}},
        {46, 100, -4, {kCrown, 30, {6, 18, 3, 1}, 4}},
        {46, 100, -4, {kCrown, 0.4, {20, 6, 2, 2}, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << ", drop " << c.port.drop);
        const EngineSnapshot engine = Engine(c.stroke, c.rod, c.offset).shown();
        const auto drop = static_cast<float>(c.port.drop);
        const OpenSpan span = OpenSpanOf(c.port.kind, TimePort(engine, c.port.kind, drop));
        const double exact = referenceAngleArea(ReferenceEngine(c.stroke, c.rod, c.offset), c.port);
        EXPECT_NEAR(AngleArea(engine, c.port, span.from, span.to), exact, 1e-9 * exact);
    }
}

} // namespace
} // namespace crank
