// How fish react to food pellets: attraction, turning and pitching toward them, slowing near them,
// pulling them toward the mouth and eating them.
#include "fish/School.h"

#include "FishTesting.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    float x, y, z;
};

class FoodResponse : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.ready());
        settle(fish, 0);  // facing low x
        makeSize(fish, 4);
        fish.move();
    }

    // Drops pellet `slot` near (x, y, -70) and draws it once, which fixes the position the fish
    // react to; returns that position.
    Point drop(int slot, float x, float y)
    {
        FoodPellet& pellet = food[slot];
        pellet.spawn(x, y, -70);
        pellet.setActive(true);
        return drawAgain(slot);
    }

    Point drawAgain(int slot)
    {
        food[slot].step();
        const float* p = food[slot].currentPosition();
        return {p[0], p[1], p[2]};
    }

    // Places the fish's head at the pellet position plus (dx, dy, dz).
    void headAt(const Point& pellet, float dx, float dy, float dz)
    {
        putHeadAt(fish, pellet.x + dx, pellet.y + dy, pellet.z + dz);
    }

    GlTestContext context;
    FoodPellet food[kFoodSlots];
    Fish fish;
};

}  // namespace

TEST_F(FoodResponse, FoodWithin10SidewaysAndVerticallyAttractsWhateverItsDepth)
{
    const Point p = drop(0, 10, 5);
    headAt(p, 9.9f, -9.9f, 40);
    respondToFood(fish, food);
    EXPECT_TRUE(fish.attracted);

    headAt(p, 10.1f, 0, 0);
    respondToFood(fish, food);
    EXPECT_FALSE(fish.attracted);
}

TEST_F(FoodResponse, TheMarkStaysThroughFramesWithoutFoodRulesAndHoldsOffWandering)
{
    const Point p = drop(0, 10, 5);
    headAt(p, 5, 0, 0);
    respondToFood(fish, food);
    ASSERT_TRUE(fish.attracted);
    // Out of feed mode the view does not call the food rules: the mark stays however far the
    // fish swims, and with it the fish never wanders.
    food[0].setActive(false);
    for (int i = 0; i < 1000; ++i)
        fish.step();
    EXPECT_TRUE(fish.attracted);
    // The tail still beats at its resting pace, which the first wander event would have raised:
    // like that of a fish that has never been free to wander.
    Fish neverWandered;
    makeSize(neverWandered, fish.size);
    neverWandered.attracted = true;
    for (int i = 0; i < 1000; ++i)
        neverWandered.step();
    for (int i = 0; i < 45; ++i)
        EXPECT_EQ(neverWandered.step().columnBend[13], fish.step().columnBend[13]) << i;
    respondToFood(fish, food);
    EXPECT_FALSE(fish.attracted);
}

TEST_F(FoodResponse, InactiveSlotsAreNotFood)
{
    const Point p = drop(3, 10, 5);
    food[3].setActive(false);
    fish.attracted = true;
    headAt(p, 1, 1, 0);
    respondToFood(fish, food);
    EXPECT_FALSE(fish.attracted);
    EXPECT_FLOAT_EQ(0.1f, fish.speed);
    EXPECT_EQ(0.0f, fish.targetHeading);
}

TEST_F(FoodResponse, TheFishTurnsTowardAPelletAheadOfIt)
{
    const Point p = drop(0, 10, 5);
    // Ahead in x and 2 units further back in z: seen from the fish's middle, 2 units off over 7,
    // 15.9 degrees off its axis.
    headAt(p, 5, 0, 2);
    respondToFood(fish, food);
    EXPECT_EQ(-15.0f, fish.targetHeading);
}

TEST_F(FoodResponse, TheFishTurnsBackToAPelletBehindItsHead)
{
    const Point p = drop(0, 10, 5);
    // 3 units behind the fish's middle in x and 2 back in z: 33.7 degrees off the axis, so the
    // fish turns by 180 - 33.7 toward low z.
    headAt(p, -5, 0, 2);
    respondToFood(fish, food);
    EXPECT_EQ(-146.0f, fish.targetHeading);
}

TEST_F(FoodResponse, AFishAimedAtAPelletPitchesByTheAngleOfThePelletsPosition)
{
    const Point p = drop(0, 10, 5);
    headAt(p, 5, -3, 0);
    respondToFood(fish, food);
    EXPECT_EQ(0.0f, fish.targetHeading);
    const int amount = foodPitchAmount(p.x, p.y);
    ASSERT_GT(amount, 0);
    EXPECT_EQ(static_cast<float>(amount), fish.targetPitch);
}

TEST_F(FoodResponse, AFishSlowsDownWithin3OfAPellet)
{
    const Point p = drop(0, 10, 5);
    headAt(p, 3.5f, 0, 30);
    respondToFood(fish, food);
    EXPECT_FLOAT_EQ(0.1f, fish.speed);
    headAt(p, 2.9f, -2.9f, 30);
    respondToFood(fish, food);
    EXPECT_FLOAT_EQ(0.05f, fish.speed);
}

TEST_F(FoodResponse, APelletIsEatenWithin2Sideways2VerticallyAnd5InDepth)
{
    const struct {
        float dx, dy, dz;
        bool eaten;
    } cases[] = {{1.9f, -1.9f, 4.9f, true}, {2.1f, 0, 0, false}, {0, 2.1f, 0, false},
                 {0, 0, -5.1f, false},      {-1.9f, 1.9f, -4.9f, true}};
    for (const auto& c : cases) {
        const Point p = drop(0, 10, 5);
        headAt(p, c.dx, c.dy, c.dz);
        pullFood(fish, food);
        EXPECT_EQ(!c.eaten, food[0].isAlive()) << c.dx << " " << c.dy << " " << c.dz;
    }
}

TEST_F(FoodResponse, APelletWithin5Sideways5VerticallyAnd15InDepthIsPulledSidewaysAndVertically)
{
    // Pellet 0 is pulled from 4 units off in x and y; pellet 1 lies as far off but just too deep.
    // A pull moves a pellet by half a percent of the way to the mouth; the random drift of one
    // frame is far smaller.
    const Point p0 = drop(0, -10, 0);
    const Point p1 = drop(1, 20, 0);
    headAt(p0, 4, 4, 14.9f);
    pullFood(fish, food);
    headAt(p1, 4, 4, 15.1f);
    pullFood(fish, food);
    const Point q0 = drawAgain(0);
    const Point q1 = drawAgain(1);
    EXPECT_NEAR(0.02f, q0.x - p0.x, 0.005f);
    EXPECT_NEAR(0.0f, q0.z - p0.z, 0.005f);
    EXPECT_NEAR(0.0f, q1.x - p1.x, 0.005f);
    // Vertically the pull lifts pellet 0 against its sinking (at most 0.0095 a frame).
    EXPECT_GT(q0.y - p0.y, q1.y - p1.y + 0.01f);
    EXPECT_TRUE(food[0].isAlive());
}
