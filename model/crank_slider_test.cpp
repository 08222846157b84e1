#include "model/crank_slider.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

#include "model/engine_test_support.h"
#include "tables/number_format.h"

namespace crank {
namespace {

std::string twoDecimals(float v) { return FormatNumber(v, NumberPattern::Two); }

TEST(CrankSliderTest, WorkedFiguresForStroke46Rod100)
{
    const Engine minus(46, 100, -0.5f);
    const Engine plus(46, 100, 0.5f);
    const Engine zero(46, 100, 0.0f);
    EXPECT_EQ(twoDecimals(minus.geometry.BdcAngle), "179.86");
    EXPECT_EQ(twoDecimals(plus.geometry.BdcAngle), "180.14");
    EXPECT_EQ(zero.geometry.BdcAngle, 180.0f);
    EXPECT_EQ(twoDecimals(zero.at(90)), "25.68");
    EXPECT_EQ(twoDecimals(minus.at(90)), "25.71");
    EXPECT_EQ(twoDecimals(plus.at(90)), "25.66");
}

TEST(CrankSliderTest, OneTableFrom77Rows)
{
    // Rows 0, 3 and 12 of a table from 77 degrees: angle, BTDC, ATDC.
    struct Row {
        float angle;
        const char* minusBtdc;
        const char* minusAtdc;
        const char* zero;
    };
    const Row rows[] = {{77.0f, "20.35", "20.39", "20.37"},
                        {77.0f + 0.25f, "20.45", "20.49", "20.47"},
                        {78.0f, "20.76", "20.80", "20.78"}};
    const Engine minus(46, 100, -0.5f);
    const Engine plus(46, 100, 0.5f);
    const Engine zero(46, 100, 0.0f);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.angle);
        const float btdc = static_cast<float>(360.0 - double{row.angle});
        EXPECT_EQ(twoDecimals(minus.at(btdc)), row.minusBtdc);
        EXPECT_EQ(twoDecimals(minus.at(row.angle)), row.minusAtdc);
        // A positive offset swaps the columns.
        EXPECT_EQ(twoDecimals(plus.at(btdc)), row.minusAtdc);
        EXPECT_EQ(twoDecimals(plus.at(row.angle)), row.minusBtdc);
        EXPECT_EQ(twoDecimals(zero.at(row.angle)), row.zero);
    }
}

TEST(CrankSliderTest, DeadCentresAreExact)
{
    for (float offset : {-0.5f, 0.0f, 0.5f, 9.2f, -9.2f}) {
        SCOPED_TRACE(offset);
        const Engine e(46, 100, offset);
        for (float tdc : {0.0f, 0.004f, 359.996f, 360.0f, -1.0f, 361.0f, -0.001f}) {
            SCOPED_TRACE(tdc);
            EXPECT_EQ(e.at(tdc), 0.0f);
        }
        const float bdc = e.geometry.BdcAngle;
        for (float near : {bdc, bdc + 0.004f, bdc - 0.004f}) {
            EXPECT_EQ(e.at(near), 46.0f);
        }
        // A degree away the model itself answers.
        EXPECT_LT(e.at(bdc + 1.0f), 46.0f);
        EXPECT_LT(e.at(bdc - 1.0f), 46.0f);
        EXPECT_GT(e.at(1.0f), 0.0f);
        EXPECT_GT(e.at(359.0f), 0.0f);
    }
}

TEST(CrankSliderTest, ZeroOffsetIsSymmetricAndNegativeOffsetMirrors)
{
    const Engine zero(46, 100, 0.0f);
    const Engine plus(57.5f, 110, 3.1f);
    const Engine minus(57.5f, 110, -3.1f);
    // Angles in quarter degrees, so that 360 - X is exact in float.
    for (float x = 0.25f; x < 360.0f; x += 7.25f) {
        SCOPED_TRACE(x);
        const float mirrored = static_cast<float>(360.0 - double{x});
        EXPECT_EQ(zero.at(x), zero.at(mirrored));
        EXPECT_EQ(minus.at(x), plus.at(mirrored));
    }
}

TEST(CrankSliderTest, ZeroOffsetIgnoresWhatAnOffsetGeometryLeft)
{
    Engine reused(80, 200, 12.0f);
    reused.geometry.PinOffset = 0.0f;
    reused.geometry.OffsetNonZero = false;
    CalcGeometry(reused.geometry, reused.model);
    const Engine fresh(80, 200, 0.0f);
    for (float x : {10.0f, 45.5f, 90.0f, 170.25f, 300.0f}) {
        EXPECT_EQ(reused.at(x), fresh.at(x));
    }
}

// An independent model in double precision: the pin line at signed lateral
// position e, the crank radius solved numerically so that the travel between
// the dead centres is the stroke, the dead centres found from the geometry.
struct ReferenceEngine {
    double L, e, r, tdcPhi, tdcHeight, bdcDegrees;

    ReferenceEngine(double stroke, double rod, double offset) : L(rod), e(offset)
    {
        const double a = std::fabs(offset);
        auto travel = [&](double radius) {
            return std::sqrt((L + radius) * (L + radius) - a * a) -
                   std::sqrt((L - radius) * (L - radius) - a * a);
        };
        double lo = stroke / 4, hi = stroke / 2;
        for (int i = 0; i < 200; ++i) {
            const double mid = (lo + hi) / 2;
            (travel(mid) < stroke ? lo : hi) = mid;
        }
        r = (lo + hi) / 2;
        tdcPhi = std::asin(e / (L + r));
        tdcHeight = height(tdcPhi);
        // BDC: where the pin height stops falling, between 90 and 270 degrees.
        double plo = std::acos(-1.0) / 2, phi = 3 * std::acos(-1.0) / 2;
        for (int i = 0; i < 200; ++i) {
            const double mid = (plo + phi) / 2;
            (slope(mid) < 0 ? plo : phi) = mid;
        }
        bdcDegrees = ((plo + phi) / 2 - tdcPhi) * 180 / std::acos(-1.0);
    }
    double height(double phi) const
    {
        const double dx = e - r * std::sin(phi);
        return r * std::cos(phi) + std::sqrt(L * L - dx * dx);
    }
    double slope(double phi) const
    {
        const double dx = e - r * std::sin(phi);
        return -r * std::sin(phi) + dx * r * std::cos(phi) / std::sqrt(L * L - dx * dx);
    }
    double displacement(double degrees) const
    {
        return tdcHeight - height(tdcPhi + degrees * std::acos(-1.0) / 180);
    }
};

TEST(CrankSliderTest, AgreesWithIndependentModelOverAdmissibleRange)
{
    std::mt19937 rng(20261206);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int n = 0; n < 300; ++n) {
        const float stroke = 15.0f + unit(rng) * 985.0f;
        const float rod = stroke * (1.5f + 1.5f * unit(rng));
        float offset = stroke / 5 * (2 * unit(rng) - 1);
        if (n % 10 == 0) {
            offset = 0.0f;
        }
        SCOPED_TRACE(testing::Message() << "stroke " << stroke << " rod " << rod << " offset "
                                        << offset);
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
