// The fish's own rules and its frame, without any drawing (FishDrawing.cpp) and without the
// body's deformation (FishBodyAnimation.cpp), so they run and are tested without a window.
#include "fish/Fish.h"

#include "fish/LineAngle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The new fish's random choices.
constexpr int kSizeChoices = 7;
constexpr int kInitialPitchChoices = 45;
constexpr int kInitialHeadingChoices = 180;
constexpr int kWanderTimerChoices = 200;

// The drawn pitch, and a nudged target pitch, move by whole degrees.
constexpr float kPitchStep = 1.0f;

// Wandering: an event at most every 401 frames picks a new speed and, with the heading settled,
// a new pitch and (in the rear band) a new heading. From the first event on, the tail beats half
// as fast again.
constexpr int kWanderInterval = 400;
constexpr int kWanderSpeedChoices = 4;
constexpr float kWanderSpeedStep = 0.05f;
constexpr float kWanderSpeedUnit = 0.1f;
constexpr float kSettledHeading = 0.01f;
constexpr float kWanderingTailBeat = 1.5f;

// Steering rules.
constexpr float kTurnUnderWay = 0.1f;
constexpr float kHalfTurn = 180.0f;
constexpr float kQuarterTurn = 90.0f;
constexpr int kRandomTurnChoices = 170;
constexpr int kSmallTurnChoices = 15;
constexpr int kBigTurnChoices = 10;
constexpr int kBigTurnBase = 10;
constexpr int kRandomPitchChoices = 15;
constexpr int kRandomPitchBase = 15;
constexpr float kPitchByLimit = 90.0f;

// Rear band of depths.
constexpr float kRearBandFront = -60.0f;
constexpr float kRearBandMiddle = -75.0f;
constexpr float kRearBandBack = -90.0f;

// Swimming box: the y bounds given to setBounds are moved by these.
constexpr float kTopMargin = 10.0f;
constexpr float kBottomMargin = 5.0f;

// Moving and walls.
constexpr float kHeadingWrap = 360.0f;
constexpr float kWrappedHeading = 180.0f;
constexpr float kWallTurnStandStill = 15.0f;
constexpr float kWallPushBack = 2.0f;
constexpr float kWallSlowZone = 2.0f;
constexpr float kWallSlowStep = 0.01f;
constexpr float kWallSlowSpeed = 0.1f;
constexpr float kSurfaceSpeedStep = 0.1f;

// Collision boxes, per unit of size.
constexpr float kLengthFactor = 1.0f;
constexpr float kDepthFactor = 0.36675f;
constexpr float kHeightFactor = 0.33189f;

// Whether a heading or target heading points toward low x, and toward high z.
bool pointsToLowX(float angle)
{
    return (angle >= 0 && angle <= 90) || (angle >= 270 && angle <= 360) ||
           (angle >= -90 && angle <= 0) || (angle >= -360 && angle <= -270);
}

bool pointsToHighZ(float angle)
{
    return (angle >= 0 && angle <= 180) || (angle >= -360 && angle <= -180);
}

}  // namespace

Fish::Fish()
    : lengthFactor(kLengthFactor),
      depthFactor(kDepthFactor),
      heightFactor(kHeightFactor)
{
    // The random draws come in the order of the record's fields.
    size = kMinSize + std::rand() % kSizeChoices;
    targetPitch = static_cast<float>(std::rand() % kInitialPitchChoices);
    targetHeading = static_cast<float>(std::rand() % kInitialHeadingChoices);
    wanderTimer = std::rand() % kWanderTimerChoices;
}

Fish::~Fish() = default;

void Fish::setBounds(float xLow, float xHigh, float top, float bottom, float zLow, float zHigh)
{
    swimBox.xMin = xLow;
    swimBox.xMax = xHigh;
    swimBox.yMax = top + kTopMargin;
    swimBox.yMin = bottom + kBottomMargin;
    swimBox.zMin = zLow;
    swimBox.zMax = zHigh;
    boxComputed = false;
    colliding = false;
}

float Fish::signedStep(float r, bool sense) const
{
    return sense != flags.facesLowX ? r : -r;
}

void Fish::steerHeading(float amount, bool sense, HeadingRule rule)
{
    if (std::fabs(heading - targetHeading) > kTurnUnderWay)
        return;
    float& t = targetHeading;
    switch (rule) {
    case HeadingRule::RandomTurn: {
        std::rand();  // one draw is spent before the turn is chosen
        const float r = static_cast<float>(std::rand() % kRandomTurnChoices);
        t = t > kHalfTurn ? t - r : t + r;
        break;
    }
    case HeadingRule::Reverse:
        t = t > kHalfTurn ? t - kHalfTurn : t + kHalfTurn;
        break;
    case HeadingRule::SmallTurn:
        t += signedStep(static_cast<float>(std::rand() % kSmallTurnChoices), sense);
        break;
    case HeadingRule::QuarterTurn:
        if (inRearBand()) {
            if (t > kHalfTurn || (t >= -kHalfTurn && t <= 0))
                t -= kQuarterTurn;
            else
                t += kQuarterTurn;
        }
        break;
    case HeadingRule::BigTurn:
        t += signedStep(static_cast<float>(std::rand() % kBigTurnChoices + kBigTurnBase), sense);
        break;
    case HeadingRule::TurnAround:
        t += sense == flags.facesLowX ? -kHalfTurn : kHalfTurn;
        break;
    case HeadingRule::TurnBy:
        t += signedStep(std::trunc(std::fabs(amount)), sense);
        break;
    }
    t = std::clamp(t, -kMaxTargetHeading, kMaxTargetHeading);
}

void Fish::steerPitch(float amount, bool sense, PitchRule rule)
{
    float& p = targetPitch;
    switch (rule) {
    case PitchRule::RandomPitch: {
        const float r = static_cast<float>(std::rand() % kRandomPitchChoices + kRandomPitchBase);
        p = p > 0 ? p - r : p + r;
        break;
    }
    case PitchRule::Invert:
        p = -p;
        break;
    case PitchRule::Nudge:
        p += sense ? kPitchStep : -kPitchStep;
        break;
    case PitchRule::PitchBy:
        if (p + amount > kPitchByLimit || p - amount < -kPitchByLimit)
            return;
        p += sense ? amount : -amount;
        break;
    }
    p = std::clamp(p, -kMaxTargetPitch, kMaxTargetPitch);
}

void Fish::approachSpeed(float step, float target)
{
    if (speed < target)
        speed += step;
    if (speed > target)
        speed -= step;
    speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
}

bool Fish::inRearBand() const
{
    return (z > kRearBandMiddle && z < kRearBandFront) || (z > kRearBandBack && z < kRearBandMiddle);
}

void Fish::resize(float step, bool grow)
{
    const int grown = static_cast<int>(grow ? size + step : size - step);
    size = std::clamp(grown, kMinSize, kMaxSize);
}

FishPose Fish::step()
{
    FishPose pose;
    pose.x = x;
    pose.y = y;
    pose.z = z;
    pose.size = size;
    poseBody(pose);
    stepPitch();
    pose.heading = heading;
    pose.pitch = pitch;
    wander();
    move();
    updateBox();
    return pose;
}

void Fish::stepPitch()
{
    // Both tests run, so a target between two whole degrees is held one degree short.
    if (pitch < targetPitch)
        pitch += kPitchStep;
    if (pitch > targetPitch)
        pitch -= kPitchStep;
}

void Fish::wander()
{
    if (colliding || attracted)
        return;
    if (wanderTimer++ <= kWanderInterval)
        return;
    wanderTimer = std::rand() % kWanderTimerChoices;
    const float pace = static_cast<float>(std::rand() % kWanderSpeedChoices + 1) * kWanderSpeedUnit;
    approachSpeed(kWanderSpeedStep, pace);
    if (std::fabs(heading - targetHeading) < kSettledHeading) {
        if (inRearBand())
            steerHeading(0, false, HeadingRule::RandomTurn);
        steerPitch(0, false, PitchRule::RandomPitch);
    }
    tailPhaseStep = kWanderingTailBeat * kRestingTailPhaseStep;
}

void Fish::updateDirectionFlags()
{
    flags.facesLowX = pointsToLowX(heading);
    flags.facesHighX = !flags.facesLowX;
    flags.facesHighZ = pointsToHighZ(heading);
    flags.facesLowZ = !flags.facesHighZ;
    flags.pitchUp = pitch > 0;
    flags.pitchDown = pitch < 0;
    flags.targetFacesLowX = pointsToLowX(targetHeading);
    flags.targetFacesHighX = !flags.targetFacesLowX;
    flags.targetFacesHighZ = pointsToHighZ(targetHeading);
    flags.targetFacesLowZ = !flags.targetFacesHighZ;
}

void Fish::move()
{
    if (heading > kHeadingWrap)
        heading = kWrappedHeading;
    else if (heading < -kHeadingWrap)
        heading = -kWrappedHeading;
    updateDirectionFlags();

    // Turning away from a side wall, the fish waits until it faces nearly the new way.
    const bool atSideWall = wallHit == WallContact::LowX || wallHit == WallContact::HighX;
    if (std::fabs(heading - targetHeading) > kWallTurnStandStill && atSideWall)
        return;

    // The vertical motion follows the target pitch, not the drawn one.
    const double h = heading * kRadiansPerDegree;
    const double p = targetPitch * kRadiansPerDegree;
    const auto along = [this](double f) { return static_cast<float>(std::fabs(f * speed)); };
    if (flags.facesLowX) {
        if (wallHit != WallContact::LowX)
            x -= along(std::cos(h));
    } else if (wallHit != WallContact::HighX) {
        x += along(std::cos(h));
    }
    if (flags.facesHighZ) {
        if (wallHit != WallContact::HighZ)
            z += along(std::sin(h));
    } else if (wallHit != WallContact::LowZ) {
        z -= along(std::sin(h));
    }
    y += static_cast<float>(std::sin(p) * speed);
    keepInBounds();
}

void Fish::keepInBounds()
{
    wallHit = WallContact::None;
    // A fish whose target already points back inside is left to swim back on its own.
    if (x < swimBox.xMin && flags.targetFacesLowX) {
        steerHeading(0, false, HeadingRule::Reverse);
        x = swimBox.xMin + kWallPushBack;
        wallHit = WallContact::LowX;
    }
    if (x > swimBox.xMax && flags.targetFacesHighX) {
        steerHeading(0, false, HeadingRule::Reverse);
        x = swimBox.xMax - kWallPushBack;
        wallHit = WallContact::HighX;
    }
    if (z < swimBox.zMin + kWallSlowZone)
        approachSpeed(kWallSlowStep, kWallSlowSpeed);
    if (z < swimBox.zMin && flags.targetFacesLowZ) {
        steerHeading(0, false, HeadingRule::SmallTurn);
        z = swimBox.zMin;
        wallHit = WallContact::LowZ;
    }
    if (z > swimBox.zMax - kWallSlowZone)
        approachSpeed(kWallSlowStep, kWallSlowSpeed);
    if (z > swimBox.zMax && flags.targetFacesHighZ) {
        steerHeading(0, true, HeadingRule::SmallTurn);
        z = swimBox.zMax;
        wallHit = WallContact::HighZ;
    }
    if (y >= swimBox.yMax) {
        steerPitch(0, false, PitchRule::Invert);
        y = swimBox.yMax;
        wallHit = WallContact::Top;
        approachSpeed(kSurfaceSpeedStep, kMinSpeed);
    }
    if (y <= swimBox.yMin) {
        steerPitch(0, true, PitchRule::Invert);
        y = swimBox.yMin;
        wallHit = WallContact::Bottom;
        approachSpeed(kSurfaceSpeedStep, kMinSpeed);
    }
}

void Fish::updateBox()
{
    const double length = size * lengthFactor;
    const double depth = size * depthFactor;
    const double height = size * heightFactor;
    const double a = targetHeading * kRadiansPerDegree;
    const double b = targetPitch * kRadiansPerDegree;

    const double half = length * 0.5;
    const auto f = [](double v) { return static_cast<float>(v); };
    const float hx = f(std::fabs(std::cos(a) * std::cos(b)) * half);
    const float hy = f(std::fabs(std::sin(b)) * half);
    const float hz = f(std::fabs(std::sin(a)) * half);
    const float ty = f(std::fabs(std::cos(b)) * height * 0.5);
    const float tz = f(std::fabs(std::cos(a)) * depth * 0.5);

    head.x = flags.facesLowX ? x - hx : x + hx;
    head.y = flags.pitchUp ? y + hy : y - hy;
    head.z = flags.facesLowZ ? z - hz : z + hz;

    const float halfHeight = hy > ty ? hy : ty;
    const float halfDepth = hz > tz ? hz : tz;
    // The body's own extent, grown below into the box that other fish keep out of.
    const FishBox body = {x + hx, x - hx, y + halfHeight, y - halfHeight, z + halfDepth,
                          z - halfDepth};

    const float grownLength = f(half);
    const float grownHeight = f(height * 0.25);
    const float grownDepth = f(depth * 0.25);
    outerBox = {body.xMax + grownLength, body.xMin - grownLength,
                body.yMax + grownHeight, body.yMin - grownHeight,
                body.zMax + grownDepth,  body.zMin - grownDepth};
    boxComputed = true;
}
