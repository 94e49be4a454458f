#include "fish/School.h"

#include "fish/LineAngle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Placement: x -50..49, y on the floor or up to 39 above it, z -80..-61, with rand() values
// spent before and after each fish.
constexpr int kDrawsBeforeFish = 4;
constexpr int kDrawsAfterFish = 3;
constexpr int kStartXChoices = 100;
constexpr int kStartXOffset = 50;
constexpr int kOnFloorOneIn = 3;
constexpr int kStartHeightChoices = 40;
constexpr float kFloorClearance = 6.0f;
constexpr int kStartDepthChoices = 20;
constexpr int kStartDepthOffset = 80;
constexpr float kFloorSpeed = 0.05f;
constexpr float kCruisingSpeed = 0.1f;
// Every fish's box: x -50..50, z -85..-55, y from the floor + 11 to the surface - 10.
constexpr float kSwimXMin = -50.0f;
constexpr float kSwimXMax = 50.0f;
constexpr float kSurfaceClearance = 20.0f;
constexpr float kSwimZMin = -85.0f;
constexpr float kSwimZMax = -55.0f;

// Collisions: lines more than this many degrees apart cross; otherwise the fish swim alike.
constexpr double kCrossingAngle = 50.0;
constexpr float kFollowSpeedStep = 0.1f;
constexpr float kFollowSpeedGap = 0.1f;

// Food: pellets within these distances of the head attract, slow, pull and are eaten.
constexpr float kAttractReach = 10.0f;
constexpr float kSlowReach = 3.0f;
constexpr float kAttractSpeedStep = 0.1f;
constexpr float kAttractSpeed = 0.1f;
constexpr float kNearFoodSpeed = 0.05f;
constexpr double kAimedAngle = 1.0;
constexpr float kHalfTurn = 180.0f;
constexpr float kPullReach = 5.0f;
constexpr float kPullDepthReach = 15.0f;
constexpr float kEatReach = 2.0f;
constexpr float kEatDepthReach = 5.0f;
constexpr float kPullShare = 0.005f;

// A pellet this close to an axis counts as lying on it when its pitch amount is taken.
constexpr float kOnAxis = 0.0001f;

void discardDraws(int count)
{
    for (int i = 0; i < count; ++i)
        std::rand();
}

bool overlap(const FishBox& a, const FishBox& b)
{
    // Boxes that only touch count as overlapping.
    return !(b.xMax < a.xMin || a.xMax < b.xMin || a.yMin > b.yMax || a.yMax < b.yMin ||
             a.zMin > b.zMax || a.zMax < b.zMin);
}

// The angle between the two fish's body axes (position to head), seen in the x-y plane when
// `vertical`, in the x-z plane otherwise.
double axisAngle(const Fish& a, const Fish& b, bool vertical)
{
    const auto rise = [vertical](const Fish& f) {
        return vertical ? f.headPoint().y - f.y : f.headPoint().z - f.z;
    };
    return angleBetweenLines(rise(a), a.headPoint().x - a.x, rise(b), b.headPoint().x - b.x);
}

// Two fish that overlap: each is pushed up or down away from the other, then they turn apart
// when they cross, the smaller (of two alike, j) turns around when they meet head-on, and
// otherwise the one behind slows and the one ahead speeds up.
void separate(Fish& c, Fish& j)
{
    c.colliding = true;
    j.colliding = true;
    const double vertical = axisAngle(c, j, true);
    const double horizontal = axisAngle(c, j, false);

    const bool cAbove = c.y > j.y;
    c.steerPitch(0, cAbove, PitchRule::Nudge);
    j.steerPitch(0, !cAbove, PitchRule::Nudge);

    if (vertical > kCrossingAngle || horizontal > kCrossingAngle) {
        const bool cInFront = c.z > j.z;
        c.steerHeading(0, cInFront, HeadingRule::BigTurn);
        j.steerHeading(0, !cInFront, HeadingRule::BigTurn);
        return;
    }
    const DirectionFlags& cd = c.directions();
    const DirectionFlags& jd = j.directions();
    const bool headOn = (cd.targetFacesLowX && jd.targetFacesHighX) ||
                        (cd.targetFacesHighX && jd.targetFacesLowX);
    if (headOn) {
        Fish& smaller = c.size >= j.size ? j : c;
        smaller.steerHeading(0, true, HeadingRule::TurnAround);
        return;
    }
    const bool cFollows = (cd.targetFacesLowX && c.x > j.x) || (cd.targetFacesHighX && c.x < j.x);
    Fish& ahead = cFollows ? j : c;
    Fish& behind = cFollows ? c : j;
    ahead.approachSpeed(kFollowSpeedStep, behind.speed + kFollowSpeedGap);
    behind.approachSpeed(kFollowSpeedStep, ahead.speed - kFollowSpeedGap);
}

}  // namespace

FishKindRanges::FishKindRanges(const int (&counts)[kFishKinds])
{
    int next = 0;
    for (int k = 0; k < kFishKinds; ++k) {
        start[k] = next;
        next += counts[k];
        end[k] = next;
    }
    total = next;
}

int FishKindRanges::kindOf(int index) const
{
    for (int k = 0; k < kFishKinds; ++k)
        if (start[k] <= index && index < end[k])
            return k;
    return -1;
}

int FishKindRanges::shownCount() const { return std::min(total, kMaxFishCount); }

int FishKindRanges::swimmingCount(int fishRamp) const
{
    return std::max(0, std::min(fishRamp + 1, shownCount()));
}

void placeFish(Fish (&fish)[kMaxFishCount], const TankBounds& tank)
{
    const float floor = tank.yMin + kFloorClearance;
    for (Fish& f : fish) {
        discardDraws(kDrawsBeforeFish);
        f.x = static_cast<float>(std::rand() % kStartXChoices - kStartXOffset);
        if (std::rand() % kOnFloorOneIn == 0) {
            f.y = floor;
            f.speed = kFloorSpeed;
        } else {
            f.y = static_cast<float>(std::rand() % kStartHeightChoices) + floor;
            f.speed = kCruisingSpeed;
        }
        f.z = static_cast<float>(std::rand() % kStartDepthChoices - kStartDepthOffset);
        discardDraws(kDrawsAfterFish);
        f.setBounds(kSwimXMin, kSwimXMax, tank.yMax - kSurfaceClearance, floor, kSwimZMin,
                    kSwimZMax);
    }
}

void resolveCollisions(Fish (&fish)[kMaxFishCount], int c)
{
    fish[c].colliding = false;
    for (int j = 0; j < kMaxFishCount; ++j)
        if (j != c && fish[j].hasBox() &&
            overlap(fish[c].outerCollisionBox(), fish[j].outerCollisionBox()))
            separate(fish[c], fish[j]);
}

int foodPitchAmount(float x, float y)
{
    const bool onYAxis = std::fabs(x) < kOnAxis;
    const bool onXAxis = std::fabs(y) < kOnAxis;
    // The origin counts with the same tolerance as the axes.
    if (onYAxis && onXAxis)
        return 0;
    if (onYAxis)
        return y > 0 ? 90 : 270;
    if (onXAxis)
        return x > 0 ? 0 : 180;
    const int a = static_cast<int>(std::atan(std::fabs(y / x)) / kRadiansPerDegree);
    return x > 0 && y > 0 ? a : 90 - a;
}

void respondToFood(Fish& fish, const FoodPellet (&food)[kFoodSlots])
{
    fish.attracted = false;
    for (const FoodPellet& pellet : food) {
        if (!pellet.isActive())
            continue;
        const float* p = pellet.currentPosition();
        const Point3& head = fish.headPoint();
        const float dx = std::fabs(head.x - p[0]);
        const float dy = std::fabs(head.y - p[1]);
        if (dx < kAttractReach && dy < kAttractReach) {
            fish.attracted = true;
            fish.approachSpeed(kAttractSpeedStep, kAttractSpeed);
            // How far the fish's axis is from the line between the pellet and the fish, seen
            // from above.
            const double off = angleBetweenLines(head.z - fish.z, head.x - fish.x,
                                                 fish.z - p[2], fish.x - p[0]);
            const DirectionFlags& d = fish.directions();
            if (off >= kAimedAngle) {
                if ((d.facesLowX && head.x > p[0]) || (d.facesHighX && head.x < p[0]))
                    fish.steerHeading(static_cast<float>(off), head.z > p[2], HeadingRule::TurnBy);
                if ((d.facesLowX && head.x < p[0]) || (d.facesHighX && head.x > p[0]))
                    fish.steerHeading(static_cast<float>(kHalfTurn - off), true,
                                      HeadingRule::TurnBy);
            } else {
                fish.steerPitch(static_cast<float>(foodPitchAmount(p[0], p[1])), head.y <= p[1],
                                PitchRule::PitchBy);
            }
        }
        if (dx < kSlowReach && dy < kSlowReach)
            fish.approachSpeed(kAttractSpeedStep, kNearFoodSpeed);
    }
}

void pullFood(Fish& fish, FoodPellet (&food)[kFoodSlots])
{
    for (FoodPellet& pellet : food) {
        if (!pellet.isActive())
            continue;
        const float* p = pellet.currentPosition();
        const Point3& head = fish.headPoint();
        const float dx = head.x - p[0];
        const float dy = head.y - p[1];
        const float dz = head.z - p[2];
        if (std::fabs(dx) < kPullReach && std::fabs(dy) < kPullReach &&
            std::fabs(dz) < kPullDepthReach) {
            pellet.nudge(dx * kPullShare, dy * kPullShare, 0.0f);
            if (std::fabs(dx) < kEatReach && std::fabs(dy) < kEatReach &&
                std::fabs(dz) < kEatDepthReach && pellet.isAlive())
                pellet.eat();
        }
    }
}
