#include "model/reverse_lookup.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "model/crank_slider.h"
#include "model/engine_test_support.h"

namespace crank {
namespace {

DropAngles find(const Engine& e, float drop)
{
    return FindCrankAngles(e.geometry, e.model, drop);
}

// Stroke 15..1000 mm, rod 1.5..3 strokes, |offset| up to a fifth of the
// stroke; drops from TDC (0) to BDC (the stroke).
TEST(ReverseLookupTest, FoundAnglesGiveBackTheDrop)
{
    const double dropPerStroke[] = {0, 1e-5, 0.01, 0.05, 0.5, 0.95, 0.999, 0.99999, 1};
    for (float s : {15.0f, 46.0f, 333.3f, 1000.0f}) {
        for (float k : {1.5f, 2.17f, 3.0f}) {
            for (float o : {0.0f, 0.01f, -0.01f, 0.2f, -0.2f}) {
                const Engine engine(s, s * k, s * o);
                const float bdc = engine.geometry.BdcAngle;
                for (double q : dropPerStroke) {
                    const float drop = static_cast<float>(s * q);
                    SCOPED_TRACE(::testing::Message()
                                 << s << ", " << s * k << ", " << s * o << ": drop " << drop);
                    const DropAngles found = find(engine, drop);
                    ASSERT_EQ(found.status, DropLookupStatus::Found);
                    if (q == 0 || q == 1) { // the dead centres exactly
                        EXPECT_EQ(found.atdc, q == 0 ? 0.0f : bdc);
                        EXPECT_FLOAT_EQ(found.btdc, q == 0 ? 0.0f : 360.0f - bdc);
                        continue;
                    }
                    EXPECT_GE(found.atdc, 0.0f);
                    EXPECT_LE(found.atdc, bdc);
                    EXPECT_GE(found.btdc, 0.0f);
                    EXPECT_LE(found.btdc, 360.0f - bdc + 1e-4f);
                    EXPECT_NEAR(engine.at(found.atdc), drop, 0.001);
                    EXPECT_NEAR(engine.atBtdc(found.btdc), drop, 0.001);
                    if (q >= 0.05 && q <= 0.95) {
                        // Where the piston moves briskly the angle is pinned
                        // down to well inside 0.005 degree on both sides.
                        EXPECT_LT(engine.at(found.atdc - 0.005f), drop);
                        EXPECT_GT(engine.at(found.atdc + 0.005f), drop);
                        EXPECT_LT(engine.atBtdc(found.btdc - 0.005f), drop);
                        EXPECT_GT(engine.atBtdc(found.btdc + 0.005f), drop);
                    }
                }
            }
        }
    }
}

TEST(ReverseLookupTest, OffsetSplitsAndMirrorsTheTwoAngles)
{
    const Engine plus(46, 100, 0.5f), minus(46, 100, -0.5f), zero(46, 100, 0.0f);
    for (float drop : {0.5f, 20.37f, 40.0f}) {
        SCOPED_TRACE(drop);
        const DropAngles p = find(plus, drop), m = find(minus, drop), z = find(zero, drop);
        EXPECT_NEAR(z.atdc, z.btdc, 0.001);
        if (drop > 10.0f) { // near TDC the two sides lie within 0.01 degree
            EXPECT_GT(std::fabs(p.atdc - p.btdc), 0.05f);
        }
        // Offset -e at X is offset +e at 360 - X: the sides swap.
        EXPECT_NEAR(p.atdc, m.btdc, 0.001);
        EXPECT_NEAR(p.btdc, m.atdc, 0.001);
    }
}

TEST(ReverseLookupTest, RefusesDropsItCannotPlace)
{
    const Engine engine(46, 100, -0.5f);
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float drop;
        DropLookupStatus status;
    } cases[] = {
        {-0.0f, DropLookupStatus::Found}, // a drop of zero, not an error
        {-0.001f, DropLookupStatus::OutOfRange},
        {std::nextafter(46.0f, 47.0f), DropLookupStatus::OutOfRange},
        {1e30f, DropLookupStatus::OutOfRange},
        {std::numeric_limits<float>::quiet_NaN(), DropLookupStatus::NotANumber},
        {inf, DropLookupStatus::NotANumber},
        {-inf, DropLookupStatus::NotANumber},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drop);
        const DropAngles found = find(engine, c.drop);
        EXPECT_EQ(found.status, c.status);
        EXPECT_EQ(found.atdc, 0.0f);
        EXPECT_EQ(found.btdc, 0.0f);
    }
    // Before any display the model holds zeros.
    EXPECT_EQ(FindCrankAngles(EngineGeometry{}, CrankModel{}, 1.0f).status,
              DropLookupStatus::NoGeometry);
}

} // namespace
} // namespace crank
