// The click marker: how it glides toward its target, and the spinning cone it is drawn as.
#include "fish/Marker.h"

#include "support/Feedback.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float kStep = 1.5f;

// One world unit to one pixel around the tank's click depth.
constexpr float kViewLeft = -20.0f;
constexpr float kViewRight = 40.0f;
constexpr float kViewBottom = -20.0f;
constexpr float kViewTop = 20.0f;

class MarkerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.ready());
        viewWorldRectangle(kViewLeft, kViewRight, kViewBottom, kViewTop);
    }

    void expectAt(float x, float y, float z) const
    {
        EXPECT_FLOAT_EQ(x, marker.currentPosition()[0]);
        EXPECT_FLOAT_EQ(y, marker.currentPosition()[1]);
        EXPECT_FLOAT_EQ(z, marker.currentPosition()[2]);
    }

    // The middle of what one frame's pose draws, in world x and y.
    std::pair<float, float> drawnCentre()
    {
        const std::vector<FeedbackPolygon> polygons =
            capturePolygons([&] { marker.draw(marker.step()); });
        float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
        for (const FeedbackPolygon& polygon : polygons)
            for (const FeedbackVertex& v : polygon) {
                left = std::min(left, v.x);
                right = std::max(right, v.x);
                bottom = std::min(bottom, v.y);
                top = std::max(top, v.y);
            }
        return {(left + right) / 2 + kViewLeft, (bottom + top) / 2 + kViewBottom};
    }

    GlTestContext gl;
    Marker marker;
};

}  // namespace

TEST_F(MarkerTest, GlidesAStepAFrameAndStopsWithinAStepOfTheTarget)
{
    marker.place(0.0f, 0.0f, -70.0f);
    marker.setTarget(10.0f, -7.2f, -66.0f);
    marker.step();
    expectAt(kStep, -kStep, -70.0f + kStep);
    for (int frame = 0; frame < 30; ++frame)
        marker.step();
    // 9 is 1 short of 10, -6 is 1.2 short of -7.2, -67 is 1 short of -66.
    expectAt(9.0f, -6.0f, -67.0f);
}

TEST_F(MarkerTest, NeverReachesATargetAStepOrLessAway)
{
    marker.place(2.0f, 3.0f, -70.0f);
    marker.setTarget(2.0f + kStep, 3.0f - 1.0f, -70.0f + 0.25f);
    for (int frame = 0; frame < 20; ++frame)
        marker.step();
    expectAt(2.0f, 3.0f, -70.0f);
}

TEST_F(MarkerTest, PlacingForgetsTheOldTarget)
{
    marker.place(0.0f, 0.0f, -70.0f);
    marker.setTarget(20.0f, 0.0f, -70.0f);
    marker.step();
    marker.place(-5.0f, 5.0f, -60.0f);
    marker.step();
    expectAt(-5.0f, 5.0f, -60.0f);
}

TEST_F(MarkerTest, IsDrawnWhereItStoodBeforeTheFramesGlide)
{
    marker.place(0.0f, 0.0f, -70.0f);
    marker.setTarget(30.0f, 0.0f, -70.0f);
    const auto [firstX, firstY] = drawnCentre();
    EXPECT_NEAR(0.0f, firstX, 0.5f);
    EXPECT_NEAR(0.0f, firstY, 0.5f);
    const auto [secondX, secondY] = drawnCentre();
    EXPECT_NEAR(kStep, secondX, 0.5f);
    EXPECT_NEAR(0.0f, secondY, 0.5f);
}

TEST_F(MarkerTest, IsAConeOfRadiusThreeAndHeightOneCompiledOnce)
{
    marker.place(0.0f, 0.0f, 0.0f);
    const std::vector<FeedbackPolygon> polygons =
        capturePolygons([&] { marker.draw(marker.step()); });
    ASSERT_FALSE(polygons.empty());
    float widest = 0.0f, lowest = 1e9f, highest = -1e9f;
    for (const FeedbackPolygon& polygon : polygons)
        for (const FeedbackVertex& v : polygon) {
            widest = std::max(widest, std::hypot(v.x + kViewLeft, v.y + kViewBottom));
            // Window depth 0.5 is world z 0; the depth range spans 2000 units.
            const float z = (0.5f - v.z) * 2000.0f;
            lowest = std::min(lowest, z);
            highest = std::max(highest, z);
        }
    EXPECT_NEAR(3.0f, widest, 1e-3);
    EXPECT_NEAR(0.0f, lowest, 1e-2);
    EXPECT_NEAR(1.0f, highest, 1e-2);

    auto listCount = [] {
        int lists = 0;
        for (GLuint name = 1; name < 1000; ++name)
            lists += glIsList(name) ? 1 : 0;
        return lists;
    };
    for (int frame = 0; frame < 10; ++frame)
        marker.draw(marker.step());
    EXPECT_EQ(1, listCount());
}

TEST_F(MarkerTest, SpinWrapsFromJustAbove360ToExactlyZero)
{
    marker.place(0.0f, 0.0f, -70.0f);
    // At most one full turn of 0.1-degree draws, and a few for rounding.
    float before = marker.step().spin;
    for (int draw = 0; draw < 3610; ++draw) {
        const float after = marker.step().spin;
        if (after < before) {
            EXPECT_GT(before + 0.1f, 360.0f);
            EXPECT_EQ(0.0f, after);
            return;
        }
        EXPECT_NEAR(before + 0.1f, after, 1e-3);
        before = after;
    }
    FAIL() << "the spin never wrapped";
}
