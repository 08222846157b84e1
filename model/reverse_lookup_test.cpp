#include "model/reverse_lookup.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "model/engine_test_support.h"

namespace crank {
namespace {

// Stroke 15 to 1000 mm, rod 1.5 to 3 strokes, offset up to a fifth of the
// stroke either way, and drops from TDC through the ones just past it and
// just short of BDC to BDC itself. With a large positive offset BDC lies
// several degrees past 180.
TEST(ReverseLookupTest, FoundAnglesGiveBackTheDrop)
{
    for (const float stroke : {15.0f, 333.3f, 1000.0f}) {
        for (const float ratio : {1.5f, 3.0f}) {
            for (const float share : {-0.2f, -0.01f, 0.0f, 0.01f, 0.2f}) {
                const Engine engine(stroke, stroke * ratio, stroke * share);
                const float bdc = engine.geometry.BdcAngle;
                for (const double part : {0.0, 1e-5, 0.05, 0.5, 0.95, 0.999, 0.99999, 1.0}) {
                    const auto drop = static_cast<float>(stroke * part);
                    SCOPED_TRACE(::testing::Message()
                                 << stroke << " / " << ratio << " / " << share << ": " << drop);
                    const DropAngles found = FindCrankAngles(engine.geometry, engine.model, drop);
                    ASSERT_EQ(found.status, DropLookupStatus::Found);
                    EXPECT_GE(found.atdc, 0.0f);
                    EXPECT_LE(found.atdc, bdc);
                    EXPECT_GE(found.btdc, 0.0f);
                    EXPECT_LE(found.btdc, 360.0f - bdc + 1e-4f);
                    EXPECT_NEAR(engine.at(found.atdc), drop, 1e-3);
                    EXPECT_NEAR(engine.atBtdc(found.btdc), drop, 1e-3);
                }
            }
        }
    }
}

TEST(ReverseLookupTest, RefusesDropsItCannotPlace)
{
    const Engine engine(46, 100, -0.5f);
    const std::pair<float, DropLookupStatus> cases[] = {
        {-0.001f, DropLookupStatus::OutOfRange},
        {std::nextafter(46.0f, 47.0f), DropLookupStatus::OutOfRange},
        {std::numeric_limits<float>::quiet_NaN(), DropLookupStatus::NotANumber},
        {-std::numeric_limits<float>::infinity(), DropLookupStatus::NotANumber},
    };
    for (const auto& [drop, status] : cases) {
        SCOPED_TRACE(drop);
        EXPECT_EQ(FindCrankAngles(engine.geometry, engine.model, drop).status, status);
    }
}

TEST(ReverseLookupTest, NeedsAGeometryAndItsModel)
{
    const Engine engine(46, 100, -0.5f);
    EngineGeometry noStroke = engine.geometry;
    noStroke.Stroke = 0.0f;
    EXPECT_EQ(FindCrankAngles(noStroke, engine.model, 1.0f).status, DropLookupStatus::NoGeometry);
    EXPECT_EQ(FindCrankAngles(engine.geometry, {}, 1.0f).status, DropLookupStatus::NoGeometry);
    // Before any display everything holds zeros.
    EXPECT_EQ(FindCrankAngles({}, {}, 1.0f).status, DropLookupStatus::NoGeometry);
}

} // namespace
} // namespace crank
