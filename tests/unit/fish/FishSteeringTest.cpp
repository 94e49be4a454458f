// A fish's own steering rules: its starting record, the heading and pitch rules, speed, size and
// the rear band of depths.
#include "fish/Fish.h"

#include "FishTesting.h"

#include "support/RandomStream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {


// A settled fish facing low x (heading 0) or high x (heading 180), its direction flags current.
Fish facing(float heading)
{
    Fish fish;
    settle(fish, heading);
    fish.move();
    return fish;
}

}  // namespace

TEST(NewFish, DrawsSizeTargetPitchTargetHeadingAndWanderTimerInThatOrder)
{
    const std::vector<int> r = upcomingRandoms(7, 5);
    const Fish fish;
    EXPECT_EQ(2 + r[0] % 7, fish.size);
    EXPECT_EQ(static_cast<float>(r[1] % 45), fish.targetPitch);
    EXPECT_EQ(static_cast<float>(r[2] % 180), fish.targetHeading);
    // The fourth draw is the wander timer; nothing more is drawn.
    EXPECT_EQ(r[4], std::rand());
    EXPECT_EQ(0.0f, fish.heading);
    EXPECT_EQ(0.0f, fish.pitch);
    EXPECT_FLOAT_EQ(0.1f, fish.speed);
    EXPECT_FALSE(fish.hasBox());
}

TEST(FishBounds, KeepTheSidesAndMoveTheTopUpTenAndTheBottomUpFive)
{
    Fish fish;
    fish.colliding = true;
    fish.setBounds(-50, 50, 5, -19, -85, -55);
    EXPECT_EQ(-50.0f, fish.bounds().xMin);
    EXPECT_EQ(50.0f, fish.bounds().xMax);
    EXPECT_EQ(15.0f, fish.bounds().yMax);
    EXPECT_EQ(-14.0f, fish.bounds().yMin);
    EXPECT_EQ(-85.0f, fish.bounds().zMin);
    EXPECT_EQ(-55.0f, fish.bounds().zMax);
    EXPECT_FALSE(fish.colliding);
    EXPECT_FALSE(fish.hasBox());
}

TEST(SteerHeading, IsIgnoredWhileATurnIsUnderWay)
{
    Fish fish = facing(0);
    fish.heading = 0.2f;
    fish.steerHeading(0, false, HeadingRule::Reverse);
    EXPECT_EQ(0.0f, fish.targetHeading);
    fish.heading = 0.1f;  // close enough to count as arrived
    fish.steerHeading(0, false, HeadingRule::Reverse);
    EXPECT_EQ(180.0f, fish.targetHeading);
}

TEST(SteerHeading, ReverseTurnsDownFromAbove180AndUpOtherwise)
{
    Fish fish = facing(200);
    fish.steerHeading(0, false, HeadingRule::Reverse);
    EXPECT_EQ(20.0f, fish.targetHeading);
    fish.heading = 180;
    fish.targetHeading = 180;
    fish.steerHeading(0, false, HeadingRule::Reverse);
    EXPECT_EQ(360.0f, fish.targetHeading);
}

TEST(SteerHeading, SignedStepsTurnByTheWholeDegreesOfTheAmountAccordingToSenseAndFacing)
{
    // Facing low x, the clear sense turns up; facing high x it turns down; the set sense the
    // other way round.
    const struct {
        float heading;
        bool sense;
        float expected;
    } cases[] = {{0, false, 5}, {0, true, -5}, {180, false, 175}, {180, true, 185}};
    for (const auto& c : cases) {
        Fish fish = facing(c.heading);
        fish.steerHeading(-5.9f, c.sense, HeadingRule::TurnBy);
        EXPECT_EQ(c.expected, fish.targetHeading) << c.heading << " " << c.sense;
    }
}

TEST(SteerHeading, KeepsTheTargetWithin360)
{
    Fish fish = facing(0);
    fish.heading = fish.targetHeading = 355;
    fish.steerHeading(20, false, HeadingRule::TurnBy);
    EXPECT_EQ(360.0f, fish.targetHeading);
    fish.heading = fish.targetHeading = -355;
    fish.steerHeading(20, true, HeadingRule::TurnBy);
    EXPECT_EQ(-360.0f, fish.targetHeading);
}

TEST(SteerHeading, RandomTurnSpendsOneDrawAndTurnsByTheNext)
{
    Fish fish = facing(200);
    std::vector<int> r = upcomingRandoms(11, 2);
    fish.steerHeading(0, true, HeadingRule::RandomTurn);
    EXPECT_EQ(200.0f - r[1] % 170, fish.targetHeading);

    fish = facing(100);
    r = upcomingRandoms(12, 2);
    fish.steerHeading(0, true, HeadingRule::RandomTurn);
    EXPECT_EQ(100.0f + r[1] % 170, fish.targetHeading);
}

TEST(SteerHeading, SmallAndBigTurnsDrawTheirSteps)
{
    Fish fish = facing(0);
    std::vector<int> r = upcomingRandoms(21, 1);
    fish.steerHeading(0, false, HeadingRule::SmallTurn);
    EXPECT_EQ(static_cast<float>(r[0] % 15), fish.targetHeading);

    fish = facing(0);
    r = upcomingRandoms(22, 1);
    fish.steerHeading(0, true, HeadingRule::BigTurn);
    EXPECT_EQ(-static_cast<float>(r[0] % 10 + 10), fish.targetHeading);
}

TEST(SteerHeading, QuarterTurnsTowardTheMiddleOnlyInTheRearBand)
{
    const struct {
        float target, expected;
    } cases[] = {{100, 190}, {180, 270}, {200, 110}, {0, -90}, {-100, -190}, {-180, -270},
                 {-200, -110}};
    for (const auto& c : cases) {
        Fish fish = facing(c.target);
        fish.steerHeading(0, false, HeadingRule::QuarterTurn);
        EXPECT_EQ(c.expected, fish.targetHeading) << c.target;
    }
    Fish front = facing(100);
    front.z = -75;
    front.steerHeading(0, false, HeadingRule::QuarterTurn);
    EXPECT_EQ(100.0f, front.targetHeading);
}

TEST(SteerHeading, TurnAroundFollowsSenseAndFacing)
{
    Fish fish = facing(0);
    fish.steerHeading(0, true, HeadingRule::TurnAround);
    EXPECT_EQ(-180.0f, fish.targetHeading);
    fish = facing(0);
    fish.steerHeading(0, false, HeadingRule::TurnAround);
    EXPECT_EQ(180.0f, fish.targetHeading);
    fish = facing(180);
    fish.steerHeading(0, true, HeadingRule::TurnAround);
    EXPECT_EQ(360.0f, fish.targetHeading);
}

TEST(SteerPitch, RandomPitchTurnsTowardLevelAndBeyond)
{
    Fish fish = facing(0);
    fish.targetPitch = 20;
    std::vector<int> r = upcomingRandoms(31, 1);
    fish.steerPitch(0, true, PitchRule::RandomPitch);
    EXPECT_EQ(20.0f - (r[0] % 15 + 15), fish.targetPitch);

    fish.targetPitch = 0;
    r = upcomingRandoms(32, 1);
    fish.steerPitch(0, true, PitchRule::RandomPitch);
    EXPECT_EQ(static_cast<float>(r[0] % 15 + 15), fish.targetPitch);
}

TEST(SteerPitch, InvertAndNudgeStayWithin45)
{
    Fish fish = facing(0);
    fish.targetPitch = 30;
    fish.steerPitch(0, false, PitchRule::Invert);
    EXPECT_EQ(-30.0f, fish.targetPitch);
    fish.targetPitch = 45;
    fish.steerPitch(0, true, PitchRule::Nudge);
    EXPECT_EQ(45.0f, fish.targetPitch);
    fish.steerPitch(0, false, PitchRule::Nudge);
    EXPECT_EQ(44.0f, fish.targetPitch);
}

TEST(SteerPitch, PitchByIsRefusedOutrightWhenEitherWayWouldPass90)
{
    Fish fish = facing(0);
    fish.targetPitch = 10;
    fish.steerPitch(85, false, PitchRule::PitchBy);  // 10 - 85 would do, 10 + 85 would not
    EXPECT_EQ(10.0f, fish.targetPitch);
    // A refused change does not clamp a value that is already out of range either.
    fish.targetPitch = 60;
    fish.steerPitch(40, false, PitchRule::PitchBy);
    EXPECT_EQ(60.0f, fish.targetPitch);
}

TEST(SteerPitch, PitchByWithinRangeIsClampedTo45)
{
    Fish fish = facing(0);
    fish.targetPitch = 10;
    fish.steerPitch(80, true, PitchRule::PitchBy);
    EXPECT_EQ(45.0f, fish.targetPitch);
    fish.targetPitch = 40;
    fish.steerPitch(50, false, PitchRule::PitchBy);
    EXPECT_EQ(-10.0f, fish.targetPitch);
}

TEST(ApproachSpeed, UndoesAStepThatOvershoots)
{
    Fish fish;
    fish.speed = 0.05f;
    fish.approachSpeed(0.1f, 0.1f);
    EXPECT_FLOAT_EQ(0.05f, fish.speed);
    fish.speed = 0.15f;
    fish.approachSpeed(0.1f, 0.1f);
    EXPECT_FLOAT_EQ(0.05f, fish.speed);
    fish.speed = 0.1f;
    fish.approachSpeed(0.05f, 0.4f);
    EXPECT_FLOAT_EQ(0.15f, fish.speed);
}

TEST(ApproachSpeed, TheTouchReactionChangesNoSpeed)
{
    for (float speed : {0.05f, 0.1f, 0.15f}) {
        Fish fish;
        fish.speed = speed;
        fish.approachSpeed(0.4f, 0.15f);
        EXPECT_FLOAT_EQ(speed, fish.speed);
    }
}

TEST(ApproachSpeed, KeepsTheSpeedWithinItsRange)
{
    Fish fish;
    fish.speed = 0.15f;
    fish.approachSpeed(0.05f, 0.4f);
    EXPECT_FLOAT_EQ(0.15f, fish.speed);
    fish.speed = 0.05f;
    fish.approachSpeed(0.1f, 0.0f);
    EXPECT_FLOAT_EQ(0.05f, fish.speed);
}

TEST(RearBand, LiesBetweenMinus90AndMinus60WithoutMinus75)
{
    Fish fish;
    const struct {
        float z;
        bool inBand;
    } cases[] = {{-60, false}, {-60.01f, true}, {-74.99f, true}, {-75, false},
                 {-75.01f, true}, {-89.99f, true}, {-90, false},   {-55, false}};
    for (const auto& c : cases) {
        fish.z = c.z;
        EXPECT_EQ(c.inBand, fish.inRearBand()) << c.z;
    }
}

TEST(Resize, TruncatesToWholeSizesWithin2To8)
{
    Fish fish;
    makeSize(fish, 5);
    EXPECT_EQ(5, fish.size);
    fish.resize(2.0f, true);
    EXPECT_EQ(7, fish.size);
    fish.resize(2.0f, true);
    EXPECT_EQ(8, fish.size);
    fish.resize(2.5f, false);
    EXPECT_EQ(5, fish.size);
    fish.resize(5.0f, false);
    EXPECT_EQ(2, fish.size);
}
