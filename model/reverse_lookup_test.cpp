#include "model/reverse_lookup.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

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
    for (float s : {15.0f, 333.3f, 1000.0f}) {
        for (float k : {1.5f, 3.0f}) {
            for (float o : {0.0f, 0.01f, -0.2f}) {
                const Engine engine(s, s * k, s * o);
                const float bdc = engine.geometry.BdcAngle;
                for (double q : {0.0, 1e-5, 0.05, 0.5, 0.95, 0.99999, 1.0}) {
                    const auto drop = static_cast<float>(s * q);
                    SCOPED_TRACE(testing::Message() << s << ", " << k << ", " << o << ": " << drop);
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
                }
            }
        }
    }
    // Where the piston moves briskly both angles are pinned down to well
    // inside 0.005 degree; with an offset the two sides differ.
    const Engine e(46, 100, 0.5f);
    const DropAngles found = find(e, 20.37f);
    EXPECT_LT(e.at(found.atdc - 0.005f), 20.37f);
    EXPECT_GT(e.at(found.atdc + 0.005f), 20.37f);
    EXPECT_LT(e.atBtdc(found.btdc - 0.005f), 20.37f);
    EXPECT_GT(e.atBtdc(found.btdc + 0.005f), 20.37f);
    EXPECT_GT(std::fabs(found.atdc - found.btdc), 0.05f);
}

TEST(ReverseLookupTest, RefusesDropsItCannotPlace)
{
    const Engine engine(46, 100, -0.5f);
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, DropLookupStatus> cases[] = {
        {-0.0f, DropLookupStatus::Found}, // a drop of zero, not an error
        {-0.001f, DropLookupStatus::OutOfRange},
        {std::nextafter(46.0f, 47.0f), DropLookupStatus::OutOfRange},
        {std::numeric_limits<float>::quiet_NaN(), DropLookupStatus::NotANumber},
        {-inf, DropLookupStatus::NotANumber}};
    for (const auto& [drop, status] : cases) {
        SCOPED_TRACE(drop);
        const DropAngles found = find(engine, drop);
        EXPECT_EQ(found.status, status);
        EXPECT_EQ(std::pair(found.atdc, found.btdc), std::pair(0.0f, 0.0f));
    }
    // Before any display the model holds zeros.
    EXPECT_EQ(FindCrankAngles({}, {}, 1.0f).status, DropLookupStatus::NoGeometry);
}

} // namespace
} // namespace crank
