// The screen ripple: its two tables, where a ripple pushes the grid, and how slots are reused.
#include "environment/RippleGrid.h"

#include "support/Feedback.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

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
    void SetUp() override { grid->setSize(1024, 768); }
    // Big enough that it belongs on the heap.
    std::unique_ptr<RippleGrid> grid = std::make_unique<RippleGrid>();
};

TEST_F(RippleGridTest, WithoutRipplesTheGridMapsThePictureUndistorted)
{
    grid->advance();
    for (int n = 0; n < RippleGrid::kGridPoints; n += 5)
        for (int c = 0; c < RippleGrid::kGridPoints; c += 5) {
            EXPECT_FLOAT_EQ(grid->pointS(n, c), n / 31.0f);
            EXPECT_FLOAT_EQ(grid->pointT(n, c), c / 31.0f);
        }
}

TEST_F(RippleGridTest, ARippleMovesOnlyThePointsItsWaveHasReachedAndNeverItsCentre)
{
    // Grid point (5, 5): 5 / 32 of the way across and up the picture.
    grid->addRipple(5 * 1024 / 32 + 1, 5 * 768 / 32 + 1);
    for (int frame = 0; frame < 40; ++frame)
        grid->advance();
    const int age = grid->rippleAge(0);
    for (int n = 0; n < RippleGrid::kGridPoints; ++n)
        for (int c = 0; c < RippleGrid::kGridPoints; ++c) {
            const int distance = RippleGrid::direction(std::abs(n - 5), std::abs(c - 5)).distance;
            const int phase = age - distance;
            const bool moved = std::fabs(grid->pointS(n, c) - n / 31.0f) > 1e-7f ||
                               std::fabs(grid->pointT(n, c) - c / 31.0f) > 1e-7f;
            if (phase <= 0 || phase >= 255 || (n == 5 && c == 5)) {
                EXPECT_FALSE(moved) << n << ", " << c;
            }
        }
    // The wave has travelled a unit from the centre and pushes that ring outward.
    EXPECT_GT(grid->pointS(6, 5), 6 / 31.0f);
    EXPECT_LT(grid->pointS(4, 5), 4 / 31.0f);
}

TEST_F(RippleGridTest, AHundredRipplesFillEverySlotAndTheNextClickWaitsForOneToEnd)
{
    for (int click = 0; click < RippleGrid::kRippleSlots; ++click)
        grid->addRipple(512, 384);
    for (int slot = 0; slot < RippleGrid::kRippleSlots; ++slot)
        ASSERT_EQ(grid->rippleAge(slot), 4) << "slot " << slot;
    // The centre's farthest corner is 22.6 grid units away: (1024 x 22.6 / 32 + 42) / 5 frames.
    const int life = grid->rippleLife(0);
    EXPECT_EQ(life, static_cast<int>(1024 * std::hypot(16.0, 16.0) / 32 + 42) / 5);
    grid->advance();
    grid->addRipple(100, 100);
    EXPECT_EQ(grid->rippleAge(0), 5) << "the 101st click finds no free slot";
    for (int frame = 1; frame < life; ++frame)
        grid->advance();
    grid->addRipple(100, 100);
    EXPECT_EQ(grid->rippleAge(0), 4) << "once its life is over, the first slot takes it";
    EXPECT_EQ(grid->rippleAge(1), life + 4);
}

TEST_F(RippleGridTest, OnlyTheCellsARippleHasReachedAreCopiedAndDrawnAgain)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    viewWorldRectangle(-2, 2, -2, 2);
    const auto drawnCells = [&] {
        return quadCorners(capturePolygons([&] { grid->draw(0, 1024, 1024, 1, 1); })).size();
    };
    EXPECT_EQ(drawnCells(), 0u) << "at rest the copy would be the picture itself";

    grid->addRipple(512, 384);
    for (int frame = 0; frame < 40; ++frame)
        grid->advance();
    const std::size_t drawn = drawnCells();
    EXPECT_GT(drawn, 0u);
    EXPECT_LT(drawn, 31u * 31u / 4) << "a young ripple moves the middle of the picture only";
}

}  // namespace
