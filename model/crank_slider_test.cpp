#include "model/crank_slider.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

#include "model/engine_test_support.h"
#include "tables/number_format.h"

namespace crank {
namespace {

std::string twoDecimals(float v)
{
    return FormatNumber(v, NumberPattern::Two);
}

TEST(CrankSliderTest, WorkedFiguresForStroke46Rod100)
{
    const Engine minus(46, 100, -0.5f), plus(46, 100, 0.5f), zero(46, 100, 0.0f);
    EXPECT_EQ(twoDecimals(minus.geometry.BdcAngle), "179.86");
    EXPECT_EQ(twoDecimals(plus.geometry.BdcAngle), "180.14");
    EXPECT_EQ(zero.geometry.BdcAngle, 180.0f);
    EXPECT_EQ(twoDecimals(zero.at(90)), "25.68");
    EXPECT_EQ(twoDecimals(minus.at(90)), "25.71");
    EXPECT_EQ(twoDecimals(plus.at(90)), "25.66");
    // Rows 0, 3 and 12 of a table from 77 degrees: offset -0.5 BTDC and
    // ATDC, which a positive offset swaps, and zero offset.
    const std::array<const char*, 4> rows[] = {{"77", "20.35", "20.39", "20.37"},
                                               {"77.25", "20.45", "20.49", "20.47"},
                                               {"78", "20.76", "20.80", "20.78"}};
    for (const auto& [angleText, btdc, atdc, zeroText] : rows) {
        SCOPED_TRACE(angleText);
        const auto angle = static_cast<float>(std::atof(angleText));
        EXPECT_EQ(twoDecimals(minus.atBtdc(angle)), btdc);
        EXPECT_EQ(twoDecimals(minus.at(angle)), atdc);
        EXPECT_EQ(twoDecimals(plus.atBtdc(angle)), atdc);
        EXPECT_EQ(twoDecimals(plus.at(angle)), btdc);
        EXPECT_EQ(twoDecimals(zero.at(angle)), zeroText);
    }
}

TEST(CrankSliderTest, DeadCentresSymmetryAndMirror)
{
    for (float offset : {-0.5f, 0.0f, 9.2f}) {
        SCOPED_TRACE(offset);
        const Engine e(46, 100, offset);
        const float bdc = e.geometry.BdcAngle;
        // Within 0.005 degree of a dead centre, and outside 0..360, the
        // dead centre itself; a degree away the model answers.
        for (float tdc : {0.004f, 359.996f, -1.0f, 361.0f, -0.001f}) {
            EXPECT_EQ(e.at(tdc), 0.0f) << tdc;
        }
        EXPECT_EQ(e.at(bdc + 0.004f), 46.0f);
        EXPECT_EQ(e.at(bdc - 0.004f), 46.0f);
        EXPECT_LT(e.at(bdc + 1.0f), 46.0f);
        EXPECT_GT(e.at(359.0f), 0.0f);
    }
    const Engine zero(46, 100, 0.0f), plus(57.5f, 110, 3.1f), minus(57.5f, 110, -3.1f);
    // A zero-offset geometry left over from an offset one answers alike.
    Engine reused(57.5f, 110, 3.1f);
    reused.geometry.PinOffset = 0.0f;
    reused.geometry.OffsetNonZero = false;
    CalcGeometry(reused.geometry, reused.model);
    const Engine fresh(57.5f, 110, 0.0f);
    // Quarter degrees, so that 360 - X is exact in float.
    for (float x = 0.25f; x < 360.0f; x += 7.25f) {
        SCOPED_TRACE(x);
        EXPECT_EQ(zero.at(x), zero.atBtdc(x));
        EXPECT_EQ(minus.at(x), plus.atBtdc(x));
        EXPECT_EQ(reused.at(x), fresh.at(x));
    }
}

// An independent model in double precision: the pin on a line at signed
// lateral distance e (mm), the crank radius bisected until the travel between
// the dead centres is the stroke, BDC where the pin height stops falling.
struct ReferenceEngine {
    double L, e, r = 0, tdcPhi = 0, bdcDegrees = 0;

    ReferenceEngine(double stroke, double rod, double offset) : L(rod), e(offset)
    {
        const auto travel = [&](double rr) {
            return std::sqrt((L + rr) * (L + rr) - e * e) - std::sqrt((L - rr) * (L - rr) - e * e);
        };
        const auto slope = [&](double phi) {
            const double dx = e - r * std::sin(phi);
            return -r * std::sin(phi) + dx * r * std::cos(phi) / std::sqrt(L * L - dx * dx);
        };
        r = bisect(stroke / 4, stroke / 2, [&](double rr) { return travel(rr) < stroke; });
        tdcPhi = std::asin(e / (L + r));
        const double bdc = bisect(kPi / 2, 3 * kPi / 2, [&](double p) { return slope(p) < 0; });
        bdcDegrees = (bdc - tdcPhi) * 180 / kPi;
    }
    static constexpr double kPi = std::numbers::pi;
    static double bisect(double lo, double hi, auto below)
    {
        for (int i = 0; i < 200; ++i) {
            const double mid = (lo + hi) / 2;
            (below(mid) ? lo : hi) = mid;
        }
        return (lo + hi) / 2;
    }
    double height(double phi) const
    {
        const double dx = e - r * std::sin(phi);
        return r * std::cos(phi) + std::sqrt(L * L - dx * dx);
    }
    double displacement(double degrees) const
    {
        return height(tdcPhi) - height(tdcPhi + degrees * kPi / 180);
    }
};

TEST(CrankSliderTest, AgreesWithIndependentModelOverAdmissibleRange)
{
    std::mt19937 rng(20261206);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int n = 0; n < 300; ++n) {
        const float stroke = 15.0f + unit(rng) * 985.0f;
        const float rod = stroke * (1.5f + 1.5f * unit(rng));
        const float offset = n % 10 == 0 ? 0.0f : stroke / 5 * (2 * unit(rng) - 1);
        SCOPED_TRACE(testing::Message() << stroke << " / " << rod << " / " << offset);
        const Engine model(stroke, rod, offset);
        const ReferenceEngine ref(stroke, rod, offset);
        EXPECT_NEAR(model.geometry.BdcAngle, ref.bdcDegrees, 1e-4);
        for (float angle = 0.0f; angle <= 360.0f; angle += 0.75f) {
            ASSERT_NEAR(model.at(angle), ref.displacement(angle), 1e-3) << "at " << angle;
        }
    }
}

} // namespace
} // namespace crank
