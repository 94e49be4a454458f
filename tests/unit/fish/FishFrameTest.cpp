// A fish's frame without drawing: turning, pitching, the tail and flap phases, wandering, the
// walls of its box and its collision box.
#include "fish/Fish.h"

#include "FishTesting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

void runFrames(Fish& fish, int frames)
{
    for (int i = 0; i < frames; ++i)
        fish.step();
}

// Whether rand() has been drawn since it was seeded with `seed`; reseeds it.
bool drewSince(unsigned seed)
{
    const int next = std::rand();
    std::srand(seed);
    const bool drew = next != std::rand();
    std::srand(seed);
    return drew;
}

}  // namespace

TEST(Turning, TheHeadingStepsTwoDegreesOnEveryThirdFrameAndStopsOnTheTarget)
{
    Fish fish;
    settle(fish, 0);
    fish.targetHeading = 9;
    runFrames(fish, 2);
    EXPECT_EQ(0.0f, fish.heading);
    runFrames(fish, 1);
    EXPECT_EQ(2.0f, fish.heading);
    runFrames(fish, 9);
    EXPECT_EQ(8.0f, fish.heading);
    runFrames(fish, 3);
    EXPECT_EQ(9.0f, fish.heading);
    runFrames(fish, 30);
    EXPECT_EQ(9.0f, fish.heading);
}

TEST(Turning, ATargetMovedBy001OrLessDoesNotRestartTheTurn)
{
    Fish fish;
    settle(fish, 40);
    runFrames(fish, 3);  // the turn to 40 is done
    fish.targetHeading = 40.005f;
    runFrames(fish, 6);
    EXPECT_EQ(40.0f, fish.heading);
    fish.targetHeading = 40.02f;
    runFrames(fish, 3);
    EXPECT_EQ(40.02f, fish.heading);
}

TEST(Pitch, MovesInWholeDegreesAndHoldsShortOfAFractionalTarget)
{
    Fish fish;
    settle(fish, 0);
    fish.targetPitch = 10.5f;
    runFrames(fish, 5);
    EXPECT_EQ(5.0f, fish.pitch);
    for (int i = 0; i < 30; ++i) {
        fish.step();
        if (i >= 25) {
            EXPECT_EQ(10.0f, fish.pitch) << i;  // held, not rocking between 10 and 11
        }
    }
    fish.targetPitch = -3;
    runFrames(fish, 20);
    EXPECT_EQ(-3.0f, fish.pitch);
}

namespace {

// What a pose shows of each phase: the bend of the tail's last column and the lift of the edges.
double tailBend(double phase, int size)
{
    return 6 * 0.005 * std::sin(13 * 0.2617994 + phase) * size * 0.5;
}
double edgeLift(double phase, int size) { return std::sin(phase) * size * 0.02; }

}  // namespace

TEST(BodyWave, TheTailAndFlapPhasesStepOnTheirFramesOnlyAndStartAgainAtExactlyZero)
{
    const struct {
        const char* phase;
        int framesPerStep;
        float step;
        int frames;
        float (*shown)(const FishPose&);
        double (*expected)(double phase, int size);
    } cases[] = {
        {"tail", 5, 0.7853981f, 120, [](const FishPose& p) { return p.columnBend[13]; }, tailBend},
        {"flap", 7, 0.5235987f, 200, [](const FishPose& p) { return p.flap; }, edgeLift},
    };
    for (const auto& c : cases) {
        Fish fish;
        settle(fish, 0);
        float phase = 0;
        int resets = 0;
        for (int frame = 1; frame <= c.frames; ++frame) {
            const FishPose pose = fish.step();
            if (frame % c.framesPerStep == 0) {
                resets += phase + c.step > 6.283185 ? 1 : 0;
                phase = phase + c.step > 6.283185 ? 0 : phase + c.step;
            }
            EXPECT_NEAR(c.expected(phase, fish.size), c.shown(pose), 1e-6)
                << c.phase << " frame " << frame;
        }
        EXPECT_GE(resets, 2) << c.phase;
    }
}

TEST(Wander, TheFirstEventComesWhenTheTimerHasPassed400AndSpeedsUpTheTail)
{
    std::srand(51);
    std::rand();
    std::rand();
    std::rand();
    const int timer = std::rand() % 200;  // the new fish's fourth draw
    std::srand(51);
    Fish fish;
    settle(fish, 0);

    std::srand(52);
    for (int i = 0; i < 401 - timer; ++i)
        fish.wander();
    EXPECT_FALSE(drewSince(52));
    fish.wander();
    EXPECT_TRUE(drewSince(52));

    runFrames(fish, 4);
    EXPECT_NEAR(tailBend(1.1780972, fish.size), fish.step().columnBend[13], 1e-6);
}

TEST(Wander, NeverHappensToAFishThatIsAttractedOrColliding)
{
    for (bool attracted : {true, false}) {
        Fish fish;
        settle(fish, 0);
        fish.attracted = attracted;
        fish.colliding = !attracted;
        std::srand(53);
        for (int i = 0; i < 1000; ++i)
            fish.wander();
        EXPECT_FALSE(drewSince(53)) << attracted;
        EXPECT_FLOAT_EQ(0.1f, fish.speed);
    }
}

TEST(SideWalls, ASideWallSnapsATurningBodyStraightOntoTheTarget)
{
    const struct {
        float heading, target, x, pushedTo;
    } cases[] = {{30, 0, -51, -48}, {150, 180, 51, 48}};
    for (const auto& c : cases) {
        Fish fish;
        settle(fish, c.heading);
        fish.targetHeading = c.target;
        fish.x = c.x;
        fish.move();
        // Still turning, so the wall cannot reverse the target; it only pushes the fish back.
        EXPECT_EQ(c.pushedTo, fish.x);
        EXPECT_EQ(c.target, fish.targetHeading);
        fish.step();
        EXPECT_EQ(c.target, fish.heading) << c.heading;
    }
}

TEST(SideWalls, ReverseTheFishWhichStandsStillUntilItHasTurned)
{
    Fish fish;
    settle(fish, 0);
    fish.x = -50.05f;
    fish.move();
    EXPECT_EQ(180.0f, fish.targetHeading);
    EXPECT_EQ(-48.0f, fish.x);
    fish.move();
    EXPECT_EQ(-48.0f, fish.x);
    fish.step();
    EXPECT_EQ(180.0f, fish.heading);
    EXPECT_GT(fish.x, -48.0f);
}

TEST(SideWalls, LeaveAFishWhoseTargetAlreadyPointsBackInside)
{
    Fish fish;
    settle(fish, 0);
    fish.targetHeading = 180;
    fish.x = -49.95f;
    fish.move();
    EXPECT_LT(fish.x, -50.0f);
    EXPECT_EQ(180.0f, fish.targetHeading);
    const float outside = fish.x;  // no wall holds it while it turns
    fish.move();
    EXPECT_LT(fish.x, outside);
}

TEST(DepthWalls, HoldTheFishOnTheWallAndTurnItALittle)
{
    const struct {
        float heading, z, wallZ;
        int turnSign;
    } cases[] = {{270, -84.95f, -85, 1}, {90, -55.05f, -55, -1}};
    for (const auto& c : cases) {
        Fish fish;
        settle(fish, c.heading);
        fish.z = c.z;
        fish.move();
        EXPECT_EQ(c.wallZ, fish.z);
        const float turn = (fish.targetHeading - c.heading) * c.turnSign;
        EXPECT_GE(turn, 0.0f);
        EXPECT_LE(turn, 14.0f);
    }
}

TEST(SurfaceAndFloor, ALevelFishAtTheTopStaysOnTheSurfaceAndSlowsDown)
{
    Fish fish;
    settle(fish, 0);
    fish.y = 15;
    for (int i = 0; i < 50; ++i) {
        fish.step();
        EXPECT_EQ(15.0f, fish.y);
    }
    EXPECT_FLOAT_EQ(0.05f, fish.speed);
}

TEST(SurfaceAndFloor, InvertTheTargetPitchAtTopAndBottom)
{
    Fish fish;
    settle(fish, 0);
    fish.targetPitch = 20;
    fish.y = 14.99f;
    fish.move();
    EXPECT_EQ(15.0f, fish.y);
    EXPECT_EQ(-20.0f, fish.targetPitch);

    fish.targetPitch = -10;
    fish.y = -13.999f;
    fish.move();
    EXPECT_EQ(-14.0f, fish.y);
    EXPECT_EQ(10.0f, fish.targetPitch);
}

TEST(CollisionBox, LiesAlongTheTargetHeadingWithTheHeadInFront)
{
    Fish fish;
    settle(fish, 0);
    makeSize(fish, 4);
    fish.move();
    fish.x = 1;
    fish.y = 2;
    fish.z = -70;
    fish.updateBox();
    EXPECT_TRUE(fish.hasBox());
    EXPECT_FLOAT_EQ(-1.0f, fish.headPoint().x);
    // The body spans x -1..3, grown by half its length, a quarter of its height and of its depth.
    const FishBox& outer = fish.outerCollisionBox();
    EXPECT_FLOAT_EQ(5.0f, outer.xMax);
    EXPECT_FLOAT_EQ(-3.0f, outer.xMin);
    EXPECT_NEAR(2.0f - 4 * 0.33189f / 2 - 4 * 0.33189f / 4, outer.yMin, 1e-5);
    EXPECT_NEAR(-70.0f + 4 * 0.36675f / 2 + 4 * 0.36675f / 4, outer.zMax, 1e-5);
}

TEST(CollisionBox, TurnsAndTiltsWithTheTargets)
{
    Fish fish;
    settle(fish, 90);
    makeSize(fish, 4);
    fish.pitch = 30;
    fish.targetPitch = 30;
    fish.move();
    fish.x = 0;
    fish.y = 0;
    fish.z = -70;
    fish.updateBox();
    // Facing +z and climbing: the head is in front and above.
    EXPECT_NEAR(-68.0f, fish.headPoint().z, 1e-5);  // half the length of 4 ahead
    EXPECT_NEAR(1.0f, fish.headPoint().y, 1e-5);    // 2 x sin 30 up
    EXPECT_NEAR(0.0f, fish.headPoint().x, 1e-5);
    // The body reaches 1 up and 72 deep; the collision box a quarter of height and depth further.
    EXPECT_NEAR(1.0f + 4 * 0.33189f / 4, fish.outerCollisionBox().yMax, 1e-5);
    EXPECT_NEAR(-72.0f - 4 * 0.36675f / 4, fish.outerCollisionBox().zMin, 1e-5);
}
