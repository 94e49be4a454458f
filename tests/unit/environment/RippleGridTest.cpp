// The screen ripple: its two tables, where a ripple pushes the grid, and how slots are reused.
#include "environment/RippleGrid.h"

#include "support/Feedback.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <utility>

namespace {

TEST(RippleTables, DirectionsAreUnitStepsWithTheirDistanceInWaveUnits)
{
    const auto& none = RippleGrid::direction(0, 0);
    EXPECT_EQ(none.unitN, 0);
    EXPECT_EQ(none.unitC, 0);
    EXPECT_EQ(none.distance, 0);
    EXPECT_EQ(RippleGrid::direction(1, 0).distance, 25) << "one grid unit";
    EXPECT_DOUBLE_EQ(RippleGrid::direction(1, 0).unitN, 1.0);
    EXPECT_EQ(RippleGrid::direction(31, 31).distance, 1131) << "the far corner";
    const auto& slanted = RippleGrid::direction(3, 4);
    EXPECT_DOUBLE_EQ(slanted.unitN, 0.6);
    EXPECT_DOUBLE_EQ(slanted.unitC, 0.8);
}

TEST(RippleTables, TheWaveRisesToTwoCrestsAndDiesAway)
{
    EXPECT_EQ(RippleGrid::wave(0), 0.0);
    EXPECT_NEAR(RippleGrid::wave(55), 0.1, 0.001);
    EXPECT_NEAR(RippleGrid::wave(56), 0.1, 0.001);
    EXPECT_LT(RippleGrid::wave(113), 0.0005);
    EXPECT_LT(RippleGrid::wave(114), 0.0005);
    EXPECT_NEAR(RippleGrid::wave(168), 0.0625, 0.002);
    EXPECT_NEAR(RippleGrid::wave(169), 0.0625, 0.002);
    EXPECT_LT(RippleGrid::wave(228), 0.0005);
    EXPECT_NEAR(RippleGrid::wave(254), 0.01856, 1e-6);
    EXPECT_EQ(RippleGrid::wave(255), 0.0);
    double highest = 0;
    for (int phase = 0; phase < RippleGrid::kWavePhases; ++phase)
        highest = std::max(highest, RippleGrid::wave(phase));
    EXPECT_NEAR(highest, 0.1, 0.001);
}

class RippleGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.ready());
        // The grid's square -1..1 lies at window x and y 1..3.
        viewWorldRectangle(-2, 2, -2, 2);
        grid->setSize(kWidth, kHeight);
    }

    // The texture coordinate of each grid point (n, c) that the next draw shows pushed from its
    // rest place (n / 31, c / 31); drawing also moves the ripples a frame on.
    std::map<std::pair<int, int>, FeedbackVertex> pushedPoints()
    {
        std::map<std::pair<int, int>, FeedbackVertex> pushed;
        for (const FeedbackPolygon& cell :
             capturePolygons([&] { grid->draw(0, kWidth, kHeight, 1, 1); }))
            for (const FeedbackVertex& v : cell) {
                const int n = static_cast<int>(std::lround((v.x - 1) * 31 / 2));
                const int c = static_cast<int>(std::lround((v.y - 1) * 31 / 2));
                if (std::fabs(v.s - n / 31.0f) > 1e-7f || std::fabs(v.t - c / 31.0f) > 1e-7f)
                    pushed[{n, c}] = v;
            }
        return pushed;
    }
    // Whether a point of the grid's lower left quarter is pushed in the next drawing.
    bool lowerLeftPushed()
    {
        for (const auto& [point, vertex] : pushedPoints())
            if (point.first < 8 && point.second < 8)
                return true;
        return false;
    }

    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;
    GlTestContext gl;
    // Big enough that it belongs on the heap.
    std::unique_ptr<RippleGrid> grid = std::make_unique<RippleGrid>();
};

TEST_F(RippleGridTest, ARippleMovesOnlyThePointsItsWaveHasReachedAndNeverItsCentre)
{
    // Grid point (5, 5): 5 / 32 of the way across and up the picture.
    grid->addRipple(5 * 1024 / 32 + 1, 5 * 768 / 32 + 1);
    constexpr int kFrames = 40;
    for (int frame = 0; frame < kFrames; ++frame)
        grid->advance();
    const int age = 4 + kFrames;  // a ripple starts at age 4
    const auto pushed = pushedPoints();
    for (int n = 0; n < RippleGrid::kGridPoints; ++n)
        for (int c = 0; c < RippleGrid::kGridPoints; ++c) {
            const int distance = RippleGrid::direction(std::abs(n - 5), std::abs(c - 5)).distance;
            const int phase = age - distance;
            if (phase <= 0 || phase >= 255 || (n == 5 && c == 5)) {
                EXPECT_EQ(0u, pushed.count({n, c})) << n << ", " << c;
            }
        }
    // The wave has travelled a unit from the centre and pushes that ring outward.
    ASSERT_EQ(1u, pushed.count({6, 5}));
    ASSERT_EQ(1u, pushed.count({4, 5}));
    EXPECT_GT(pushed.at({6, 5}).s, 6 / 31.0f);
    EXPECT_LT(pushed.at({4, 5}).s, 4 / 31.0f);
}

TEST_F(RippleGridTest, AHundredRipplesFillEverySlotAndTheNextClickWaitsForOneToEnd)
{
    // The clicks in the middle never reach the lower left quarter; one near its corner, at grid
    // point (3, 4), pushes it within 40 frames if it finds a slot.
    const auto cornerRippleShows = [&] {
        grid->addRipple(100, 100);
        for (int frame = 0; frame < 40; ++frame)
            grid->advance();
        return lowerLeftPushed();
    };
    for (int click = 0; click < RippleGrid::kRippleSlots - 1; ++click)
        grid->addRipple(512, 384);
    EXPECT_TRUE(cornerRippleShows()) << "the hundredth click finds a slot";

    grid->setSize(kWidth, kHeight);
    for (int click = 0; click < RippleGrid::kRippleSlots; ++click)
        grid->addRipple(512, 384);
    EXPECT_FALSE(cornerRippleShows()) << "the 101st click finds none";
    // The centre's farthest corner is 22.6 grid units away: (1024 x 22.6 / 32 + 42) / 5 frames.
    const int life = static_cast<int>(1024 * std::hypot(16.0, 16.0) / 32 + 42) / 5;
    for (int frame = 40; frame < life; ++frame)
        grid->advance();
    EXPECT_TRUE(cornerRippleShows()) << "once their life is over, a slot takes it";
}

TEST_F(RippleGridTest, OnlyTheCellsARippleHasReachedAreCopiedAndDrawnAgain)
{
    const auto drawnCells = [&] {
        return quadCorners(capturePolygons([&] { grid->draw(0, 1024, 1024, 1, 1); })).size();
    };
    grid->advance();
    EXPECT_EQ(drawnCells(), 0u) << "at rest the copy would be the picture itself";

    grid->addRipple(512, 384);
    for (int frame = 0; frame < 40; ++frame)
        grid->advance();
    const std::size_t drawn = drawnCells();
    EXPECT_GT(drawn, 0u);
    EXPECT_LT(drawn, 31u * 31u / 4) << "a young ripple moves the middle of the picture only";
}

}  // namespace
