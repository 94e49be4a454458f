// The school's rules: which kind each fish is, where the fish start, and what happens when two
// fish meet.
#include "fish/School.h"

#include "fish/LineAngle.h"

#include "FishTesting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// A settled fish of size 4 at (x, y, z) with its flags and box up to date. Facing along x, its
// outer box reaches 4 units ahead of and behind its position.
void putAt(Fish& fish, float heading, float x, float y, float z)
{
    settle(fish, heading);
    makeSize(fish, 4);
    fish.move();
    fish.x = x;
    fish.y = y;
    fish.z = z;
    fish.updateBox();
}

// Fish c (index 0) against fish j (index 1); the other fish of the tank have no box.
struct Pair {
    Fish fish[kMaxFishCount];
    Fish& c() { return fish[0]; }
    Fish& j() { return fish[1]; }
};

}  // namespace

TEST(KindRanges, TakeConsecutiveIndicesKindByKindWithoutGapsForEmptyKinds)
{
    const int counts[kFishKinds] = {3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const FishKindRanges kinds(counts);
    EXPECT_EQ(6, kinds.total);
    EXPECT_EQ(6, kinds.shownCount());
    const int expected[] = {0, 0, 0, 2, 2, 14, -1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(expected[i], kinds.kindOf(i)) << i;
    EXPECT_EQ(kinds.start[1], kinds.end[1]);
}

TEST(KindRanges, ShowAtMost50FishTakingKindsInOrder)
{
    int counts[kFishKinds];
    for (int& c : counts) c = 10;
    const FishKindRanges kinds(counts);
    EXPECT_EQ(150, kinds.total);
    EXPECT_EQ(50, kinds.shownCount());
    EXPECT_EQ(4, kinds.kindOf(49));
    EXPECT_EQ(0, kinds.kindOf(9));
    EXPECT_EQ(1, kinds.kindOf(10));
}

TEST(KindRanges, LoweringACountReskinsTheFishAfterItWithoutMovingThem)
{
    int counts[kFishKinds] = {4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, FishKindRanges(counts).kindOf(3));
    counts[0] = 3;
    const FishKindRanges lowered(counts);
    EXPECT_EQ(1, lowered.kindOf(3));
    EXPECT_EQ(-1, lowered.kindOf(6));
    EXPECT_EQ(6, lowered.shownCount());
}

TEST(KindRanges, TheRampLetsInTwoFishOnTheFirstFrameAndAllFromFrame49)
{
    int counts[kFishKinds] = {};
    counts[0] = 30;
    counts[1] = 30;
    const FishKindRanges full(counts);
    EXPECT_EQ(full.swimmingCount(1), 2);
    EXPECT_EQ(full.swimmingCount(48), 49);
    EXPECT_EQ(full.swimmingCount(49), 50);
    EXPECT_EQ(full.swimmingCount(50), 50);

    int few[kFishKinds] = {};
    few[3] = 5;
    EXPECT_EQ(FishKindRanges(few).swimmingCount(1), 2);
    EXPECT_EQ(FishKindRanges(few).swimmingCount(50), 5);
    const int none[kFishKinds] = {};
    EXPECT_EQ(FishKindRanges(none).swimmingCount(50), 0);
}

TEST(KindRanges, AllCountsZeroShowNoFish)
{
    const int counts[kFishKinds] = {};
    const FishKindRanges kinds(counts);
    EXPECT_EQ(0, kinds.shownCount());
    EXPECT_EQ(-1, kinds.kindOf(0));
}

TEST(Placement, FollowsItsSequenceOfRandomDrawsFishByFish)
{
    // The record of a placement as the stream of draws dictates it: four spent, x, the floor
    // choice, a height unless on the floor, z, three spent.
    std::srand(1);
    std::vector<int> r(50 * 11);
    for (int& v : r) v = std::rand();

    TankBounds tank;
    tank.xMin = -60;
    tank.xMax = 60;
    tank.yMin = -25;
    tank.yMax = 25;
    Fish fish[kMaxFishCount];
    std::srand(1);
    placeFish(fish, tank);

    std::size_t next = 0;
    int onFloor = 0;
    for (int i = 0; i < kMaxFishCount; ++i) {
        next += 4;
        const float x = static_cast<float>(r[next++] % 100 - 50);
        float y = -19, speed = 0.05f;
        if (r[next++] % 3 != 0) {
            y = static_cast<float>(r[next++] % 40) - 19;
            speed = 0.1f;
        } else {
            ++onFloor;
        }
        const float z = static_cast<float>(r[next++] % 20 - 80);
        next += 3;
        EXPECT_EQ(x, fish[i].x) << i;
        EXPECT_EQ(y, fish[i].y) << i;
        EXPECT_EQ(z, fish[i].z) << i;
        EXPECT_EQ(speed, fish[i].speed) << i;
        EXPECT_EQ(-50.0f, fish[i].bounds().xMin);
        EXPECT_EQ(50.0f, fish[i].bounds().xMax);
        EXPECT_EQ(15.0f, fish[i].bounds().yMax);
        EXPECT_EQ(-14.0f, fish[i].bounds().yMin);
        EXPECT_EQ(-85.0f, fish[i].bounds().zMin);
        EXPECT_EQ(-55.0f, fish[i].bounds().zMax);
    }
    EXPECT_EQ(r[next], std::rand());  // nothing more was drawn
    EXPECT_GT(onFloor, 0);
}

TEST(Placement, LiftsTheFishStartingOnTheFloorIntoTheirBoxOnTheirFirstMove)
{
    TankBounds tank;
    tank.yMin = -25;
    tank.yMax = 25;
    Fish fish[kMaxFishCount];
    std::srand(2);
    placeFish(fish, tank);
    for (Fish& f : fish) {
        f.move();
        EXPECT_GE(f.y, -14.0f);
        EXPECT_LE(f.y, 15.0f);
    }
}

TEST(Collisions, TouchingOuterBoxesOverlapAndMarkBothFish)
{
    Pair pair;
    putAt(pair.c(), 0, 0, 0, -70);
    putAt(pair.j(), 0, 8, 0, -70);
    ASSERT_EQ(pair.c().outerCollisionBox().xMax, pair.j().outerCollisionBox().xMin);
    resolveCollisions(pair.fish, 0);
    EXPECT_TRUE(pair.c().colliding);
    EXPECT_TRUE(pair.j().colliding);

    pair.j().x += 0.01f;
    pair.j().updateBox();
    pair.j().colliding = false;
    resolveCollisions(pair.fish, 0);
    EXPECT_FALSE(pair.c().colliding);
    EXPECT_FALSE(pair.j().colliding);
}

TEST(Collisions, AFishWithoutABoxIsNoObstacle)
{
    Pair pair;
    putAt(pair.c(), 0, 0, 0, -70);
    putAt(pair.j(), 0, 0, 0, -70);
    giveTankBox(pair.j());  // a new swimming box forgets the collision box
    resolveCollisions(pair.fish, 0);
    EXPECT_FALSE(pair.c().colliding);
    EXPECT_FALSE(pair.j().colliding);

    // A record never moved has an empty box at the origin; it is no obstacle there either.
    putAt(pair.c(), 0, 0, 0, 0);
    resolveCollisions(pair.fish, 0);
    EXPECT_FALSE(pair.c().colliding);
}

TEST(Collisions, PushTheUpperFishUpAndTheLowerDown)
{
    Pair pair;
    putAt(pair.c(), 0, 0, 0.5f, -70);
    putAt(pair.j(), 0, 1, 0, -70);
    resolveCollisions(pair.fish, 0);
    EXPECT_EQ(1.0f, pair.c().targetPitch);
    EXPECT_EQ(-1.0f, pair.j().targetPitch);
}

TEST(Collisions, CrossingFishTurnApartByTenTo19Degrees)
{
    Pair pair;
    putAt(pair.c(), 0, 0, 0, -69);
    putAt(pair.j(), 90, 0, 0, -70);
    resolveCollisions(pair.fish, 0);
    // c is in front, faces low x and turns with the sense set: down. j turns the other way: up.
    EXPECT_GE(-pair.c().targetHeading, 10.0f);
    EXPECT_LE(-pair.c().targetHeading, 19.0f);
    EXPECT_GE(pair.j().targetHeading - 90, 10.0f);
    EXPECT_LE(pair.j().targetHeading - 90, 19.0f);
}

TEST(Collisions, HeadOnTheSmallerFishTurnsAroundAndOfEqualOnesTheSecond)
{
    const struct {
        int cSize, jSize;
        bool cTurns;
    } cases[] = {{5, 3, false}, {3, 5, true}, {4, 4, false}};
    for (const auto& k : cases) {
        Pair pair;
        putAt(pair.c(), 0, 1, 0, -70);
        putAt(pair.j(), 180, 0, 0, -70);
        makeSize(pair.c(), k.cSize);
        makeSize(pair.j(), k.jSize);
        pair.c().updateBox();
        pair.j().updateBox();
        resolveCollisions(pair.fish, 0);
        EXPECT_EQ(k.cTurns ? -180.0f : 0.0f, pair.c().targetHeading) << k.cSize << k.jSize;
        EXPECT_EQ(k.cTurns ? 180.0f : 360.0f, pair.j().targetHeading) << k.cSize << k.jSize;
    }
}

TEST(Collisions, AFollowerSlowsAndTheFishAheadSpeedsUp)
{
    for (bool cBehind : {true, false}) {
        Pair pair;
        // Both swim toward low x; the one with the larger x is behind.
        putAt(pair.c(), 0, cBehind ? 1.0f : 0.0f, 0, -70);
        putAt(pair.j(), 0, cBehind ? 0.0f : 1.0f, 0, -70);
        resolveCollisions(pair.fish, 0);
        const Fish& behind = cBehind ? pair.c() : pair.j();
        const Fish& ahead = cBehind ? pair.j() : pair.c();
        EXPECT_FLOAT_EQ(0.05f, behind.speed) << cBehind;
        EXPECT_FLOAT_EQ(0.15f, ahead.speed) << cBehind;
    }
}

TEST(LineAngle, MeasuresTheAcuteAngleBetweenTwoLines)
{
    EXPECT_NEAR(0.0, angleBetweenLines(1, 2, 2, 4), 1e-9);
    EXPECT_NEAR(45.0, angleBetweenLines(0, 1, 1, 1), 1e-5);
    EXPECT_NEAR(45.0, angleBetweenLines(0, 1, -1, 1), 1e-5);
    EXPECT_NEAR(45.0, angleBetweenLines(0, -3, 2, 2), 1e-5);
}

TEST(LineAngle, TreatsUprightLinesAndRightAnglesAsSteepWithoutDividingByZero)
{
    // An upright line has slope rise x 10000: against a level line nearly 90 degrees.
    EXPECT_NEAR(89.994, angleBetweenLines(1, 0, 0, 1), 1e-3);
    // Slopes 1 and -1 multiply to -1: the tangent is taken as 2 x 10000.
    EXPECT_NEAR(89.997, angleBetweenLines(1, 1, -1, 1), 1e-3);
    // Two upright lines are parallel.
    EXPECT_NEAR(0.0, angleBetweenLines(1, 0, 1, 0.00005), 1e-9);
}

TEST(FoodPitchAmount, IsTheWholeDegreeAngleOfThePelletFromTheOriginOnItsQuadrant)
{
    EXPECT_EQ(45, foodPitchAmount(1, 1));
    EXPECT_EQ(63, foodPitchAmount(1, 2));  // 63.4 degrees
    EXPECT_EQ(27, foodPitchAmount(-1, 2));
    EXPECT_EQ(27, foodPitchAmount(-1, -2));
    EXPECT_EQ(27, foodPitchAmount(1, -2));
}

TEST(FoodPitchAmount, GivesQuarterTurnsOnTheAxesAndZeroAtTheOrigin)
{
    EXPECT_EQ(0, foodPitchAmount(0, 0));
    EXPECT_EQ(90, foodPitchAmount(0, 5));
    EXPECT_EQ(270, foodPitchAmount(0.00005f, -5));
    EXPECT_EQ(0, foodPitchAmount(5, 0));
    EXPECT_EQ(180, foodPitchAmount(-5, 0.00005f));
}
