// The body's deformation for one frame: the columns turning through a turn and settling after
// it, the tail wave and the edge flap. None of it draws; drawing applies the pose.
#include "fish/Fish.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kColumns = FishBodyMesh::kColumns;

// Turning: a new target restarts the turn unless it is this close to the one being turned to;
// the heading moves one step every third frame.
constexpr float kTurnRestartThreshold = 0.01f;
constexpr float kHeadingStep = 2.0f;
constexpr int kFramesPerHeadingStep = 3;
// The body spreads the difference to the target over its columns, at most a degree apart.
constexpr float kMaxColumnSpread = 1.0f;
// A settling column moves by 1.00..1.89 degrees (truncated) per frame.
constexpr int kSettleJitterChoices = 90;
constexpr float kSettleJitter = 0.01f;
constexpr float kSettleBase = 1.0f;

// Tail wave and edge flap: phases advance every fifth and every seventh frame and start again
// at 0 after a full turn.
constexpr double kFullTurn = 6.283185;
constexpr int kTailFramesPerStep = 5;
constexpr int kFirstBendingColumn = 7;
constexpr double kBendPerColumn = 0.005;
constexpr int kFlapFramesPerStep = 7;
constexpr float kFlapPhaseStep = 0.5235987f;
constexpr double kFlapPerSize = 0.02;

// Adds `step` to `phase` on every `framesPerStep`-th call and starts it again at 0 past a full turn.
void advancePhase(float& phase, int& frame, int framesPerStep, float step)
{
    if (frame++ == framesPerStep - 1) {
        frame = 0;
        phase += step;
    }
    if (phase > kFullTurn)
        phase = 0;
}

}  // namespace

void Fish::poseBody(FishPose& pose)
{
    turnColumns(pose.columnAngle);
    bendTail(pose.columnBend);
    pose.flap = flapEdges();
}

void Fish::turnColumns(float angles[kColumns])
{
    const float target = targetHeading;
    if (std::fabs(turnTarget - target) > kTurnRestartThreshold) {
        turnDone = false;
        columnsSettled = false;
        turnTarget = target;
    }
    // Arrival is checked only on the stepping frames, right after the step; with targets in whole
    // degrees that is the same as checking on every frame.
    if (turnFrame++ == kFramesPerHeadingStep - 1) {
        turnFrame = 0;
        if (!turnDone) {
            if (heading < target)
                heading = std::min(heading + kHeadingStep, target);
            else
                heading = std::max(heading - kHeadingStep, target);
        }
        if (static_cast<int>(heading - target) == 0)
            turnDone = true;
    }
    if (turnDone)
        settleColumns(angles);
    else
        bendThroughTurn(angles);
}

void Fish::bendThroughTurn(float angles[kColumns])
{
    const float target = targetHeading;
    const float spread =
        std::min(std::fabs(heading - turnTarget) / (kColumns - 1), kMaxColumnSpread);
    // The snout points along the heading; the columns behind it trail toward where it came from.
    for (int i = 0; i < kColumns; ++i) {
        float angle = heading;
        if (heading < target)
            angle = heading - i * spread;
        else if (heading > target)
            angle = heading + i * spread;
        angles[i] = angle;
        columnYaw[i] = static_cast<int>(angle);
    }
    // Against a side wall the fish turns on the spot: the body snaps straight onto the target.
    if (wallHit == WallContact::LowX || wallHit == WallContact::HighX) {
        for (int i = 0; i < kColumns; ++i) {
            angles[i] = target;
            columnYaw[i] = static_cast<int>(target);
        }
        heading = target;
    }
}

void Fish::settleColumns(float angles[kColumns])
{
    const float target = targetHeading;
    if (!columnsSettled) {
        const float step =
            static_cast<float>(std::rand() % kSettleJitterChoices) * kSettleJitter + kSettleBase;
        const int settled = static_cast<int>(target);
        bool moved = false;
        for (int& yaw : columnYaw) {
            const int before = yaw;
            if (yaw < target) {
                yaw = static_cast<int>(yaw + step);
                if (yaw > target)
                    yaw = settled;
            } else if (yaw > target) {
                yaw = static_cast<int>(yaw - step);
                if (yaw < target)
                    yaw = settled;
            }
            moved = moved || yaw != before;
        }
        // A column held short of a fractional target counts as settled too.
        if (!moved)
            columnsSettled = true;
    }
    for (int i = 0; i < kColumns; ++i)
        angles[i] = static_cast<float>(columnYaw[i]);
}

void Fish::bendTail(float bends[kColumns])
{
    advancePhase(tailPhase, tailFrame, kTailFramesPerStep, tailPhaseStep);
    // The amplitude grows from nothing at column 7 to 0.03 x size / 2 at the tail.
    for (int i = kFirstBendingColumn; i < kColumns; ++i)
        bends[i] = static_cast<float>((i - kFirstBendingColumn) * kBendPerColumn *
                                      std::sin(i * tailSpatialStep + tailPhase) * size * 0.5);
}

float Fish::flapEdges()
{
    advancePhase(flapPhase, flapFrame, kFlapFramesPerStep, kFlapPhaseStep);
    return static_cast<float>(std::sin(flapPhase) * size * kFlapPerSize);
}
