// Fifty fish and a tank full of food for 100,000 frames: every swimming rule, the food and the
// collisions run together, the way the frame runs them, and the school must stay well behaved.
#include "fish/School.h"

#include "support/GlTestContext.h"

#include <GL/glu.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kFrames = 100000;
// The fish are drawn on every 1000th frame; on the others they take the same steps undrawn.
constexpr int kDrawEvery = 1000;
// A pellet's position is refreshed only when it is drawn; drawing the pellets every 100th frame
// keeps the position the fish see within about a unit of the pellet, at a fifth of the cost of
// drawing them every 20th.
constexpr int kPelletDrawEvery = 100;
// The swimming rules let a fish run past a side wall only while it turns back toward the inside:
// at most half a turn, 270 frames at 2 degrees per 3 frames, at no more than 0.15 per frame.
constexpr float kOvershootAllowance = 270 * Fish::kMaxSpeed;
// Names probed when counting display lists and textures: far more than the run can ever create.
constexpr GLuint kProbedNames = 1 << 16;

template <typename IsName>
int liveNames(IsName isName)
{
    int count = 0;
    for (GLuint name = 1; name < kProbedNames; ++name)
        count += isName(name) ? 1 : 0;
    return count;
}

void aimCamera()
{
    glViewport(0, 0, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.4, 0.4, -0.4, 0.4, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, -7.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
}

void drawPellet(FoodPellet& pellet)
{
    FoodPellet::draw(pellet.step());
}

// Drops the pellet at a random point of the fish's swimming range, as a click in feed mode does.
void dropPellet(FoodPellet& pellet)
{
    const float x = static_cast<float>(std::rand() % 80 - 40);
    const float y = static_cast<float>(std::rand() % 28 - 14);
    pellet.spawn(x, y, -70.0f);
    pellet.setActive(true);
    drawPellet(pellet);
}

bool isWellFormed(const Fish& f, const FishPose& pose)
{
    const FishBox& box = f.outerCollisionBox();
    const Point3& head = f.headPoint();
    for (float v : {f.x, f.y, f.z, f.heading, f.pitch, f.targetHeading, f.targetPitch, f.speed,
                    head.x, head.y, head.z, box.xMin, box.xMax, box.yMin, box.yMax, box.zMin,
                    box.zMax, pose.flap})
        if (!std::isfinite(v))
            return false;
    for (int column = 0; column < FishBodyMesh::kColumns; ++column)
        if (!std::isfinite(pose.columnAngle[column]) || !std::isfinite(pose.columnBend[column]))
            return false;
    return true;
}

// How far a value lies outside low..high, 0 inside.
float beyond(float v, float low, float high) { return std::max({low - v, v - high, 0.0f}); }

struct Findings {
    int malformed = 0;
    int speedOutOfRange = 0;
    int sizeOutOfRange = 0;
    int pitchOutOfRange = 0;
    int headingOutOfRange = 0;
    float overshootX = 0, overshootY = 0, overshootZ = 0;
    long attractedSteps = 0;
    long collidingSteps = 0;
    int pelletsDropped = 0;

    void check(const Fish& f, const FishPose& pose)
    {
        malformed += isWellFormed(f, pose) ? 0 : 1;
        speedOutOfRange += f.speed >= Fish::kMinSpeed && f.speed <= Fish::kMaxSpeed ? 0 : 1;
        sizeOutOfRange += f.size >= Fish::kMinSize && f.size <= Fish::kMaxSize ? 0 : 1;
        pitchOutOfRange += std::fabs(f.targetPitch) <= Fish::kMaxTargetPitch ? 0 : 1;
        headingOutOfRange += std::fabs(f.targetHeading) <= Fish::kMaxTargetHeading ? 0 : 1;
        const TankBounds& b = f.bounds();
        overshootX = std::max(overshootX, beyond(f.x, b.xMin, b.xMax));
        overshootY = std::max(overshootY, beyond(f.y, b.yMin, b.yMax));
        overshootZ = std::max(overshootZ, beyond(f.z, b.zMin, b.zMax));
        attractedSteps += f.attracted ? 1 : 0;
        collidingSteps += f.colliding ? 1 : 0;
    }
};

}  // namespace

TEST(Soak, FiftyFishWithFoodStayInTheirBoxesAndWithinTheirRangesFor100000Frames)
{
    GlTestContext context(64, 64);
    ASSERT_TRUE(context.ready());
    aimCamera();

    TankBounds tank;  // the default tank: only its floor and surface matter to the fish
    tank.yMin = -25;
    tank.yMax = 25;
    Fish fish[kMaxFishCount];
    placeFish(fish, tank);
    FoodPellet food[kFoodSlots];
    Findings found;
    for (FoodPellet& pellet : food) {
        dropPellet(pellet);
        ++found.pelletsDropped;
    }
    const int listsBefore = liveNames(glIsList);
    const int texturesBefore = liveNames(glIsTexture);

    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kFrames; ++frame) {
        const bool drawn = frame % kDrawEvery == 0;
        for (int i = 0; i < kMaxFishCount; ++i) {
            Fish& f = fish[i];
            const FishPose pose = f.step();
            if (drawn)
                Fish::draw(pose);
            // The frame's fish pass reacts to food once inside the fish's matrix and once after.
            respondToFood(f, food);
            pullFood(f, food);
            respondToFood(f, food);
            pullFood(f, food);
            resolveCollisions(fish, i);
            found.check(f, pose);
        }
        for (FoodPellet& pellet : food) {
            if (!pellet.isAlive()) {
                dropPellet(pellet);
                ++found.pelletsDropped;
            } else if (frame % kPelletDrawEvery == 0) {
                drawPellet(pellet);
            } else {
                pellet.advance();
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("soak: %.2f s; largest overshoot x %.4f, y %.4f, z %.4f; pellets dropped %d; "
                "attracted fish-frames %ld, colliding fish-frames %ld\n",
                seconds, found.overshootX, found.overshootY, found.overshootZ,
                found.pelletsDropped, found.attractedSteps, found.collidingSteps);
    RecordProperty("seconds", std::to_string(seconds));
    RecordProperty("overshootX", std::to_string(found.overshootX));
    RecordProperty("overshootY", std::to_string(found.overshootY));
    RecordProperty("overshootZ", std::to_string(found.overshootZ));

    EXPECT_EQ(0, found.malformed);
    EXPECT_EQ(0, found.speedOutOfRange);
    EXPECT_EQ(0, found.sizeOutOfRange);
    EXPECT_EQ(0, found.pitchOutOfRange);
    EXPECT_EQ(0, found.headingOutOfRange);
    EXPECT_LE(found.overshootX, kOvershootAllowance);
    EXPECT_LE(found.overshootZ, kOvershootAllowance);
    // The surface and the floor always put the fish back on them.
    EXPECT_EQ(0.0f, found.overshootY);
    // The run has exercised the food and the collisions, not just free swimming.
    EXPECT_GT(found.attractedSteps, 0);
    EXPECT_GT(found.collidingSteps, 0);
    EXPECT_GT(found.pelletsDropped, kFoodSlots);

    EXPECT_EQ(listsBefore, liveNames(glIsList));
    EXPECT_EQ(texturesBefore, liveNames(glIsTexture));
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}
