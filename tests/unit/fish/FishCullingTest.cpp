// The tank culls the fish's back faces. That may hide nothing: a fish drawn with culling must
// cover exactly the pixels it covers without, from every side, however its body is bent.
#include "fish/Fish.h"

#include "FishTesting.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An orthographic view of the cube -kView..kView, which holds a fish of size 8 at the origin,
// at about 16 pixels a unit.
constexpr float kView = 5.0f;
constexpr int kSide = 160;

// The red channel of the pose drawn white on black, seen turned by `pitch` and then `yaw`.
std::vector<unsigned char> coverage(const FishPose& pose, float pitch, float yaw, bool cull)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(pitch, 1.0f, 0.0f, 0.0f);
    glRotatef(yaw, 0.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    if (cull)
        glEnable(GL_CULL_FACE);
    Fish::draw(pose);
    glDisable(GL_CULL_FACE);
    std::vector<unsigned char> red(kSide * kSide);
    glReadPixels(0, 0, kSide, kSide, GL_RED, GL_UNSIGNED_BYTE, red.data());
    return red;
}

}  // namespace

TEST(FishCulling, CullingTheBackFacesLeavesNoHoleFromAnySide)
{
    GlTestContext context{kSide, kSide};
    ASSERT_TRUE(context.ready());
    glMatrixMode(GL_PROJECTION);
    glOrtho(-kView, kView, -kView, kView, -2 * kView, 2 * kView);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    // The largest fish in the middle of a turn: its columns trail each other, the tail waves and
    // the edges flap, so the caps must turn and bend with their columns to stay closed.
    Fish fish;
    settle(fish, 0);
    makeSize(fish, 8);
    fish.targetHeading = 60;
    for (int frame = 0; frame < 20; ++frame)
        fish.step();
    FishPose pose = fish.step();
    pose.x = pose.y = pose.z = 0;

    for (float pitch = -90; pitch <= 90; pitch += 30)
        for (float yaw = 0; yaw < 360; yaw += 45) {
            const std::vector<unsigned char> whole = coverage(pose, pitch, yaw, false);
            const std::vector<unsigned char> culled = coverage(pose, pitch, yaw, true);
            int fishPixels = 0, holes = 0;
            for (size_t i = 0; i < whole.size(); ++i) {
                fishPixels += whole[i] != 0;
                holes += whole[i] != 0 && culled[i] == 0;
            }
            ASSERT_GT(fishPixels, 0) << "pitch " << pitch << " yaw " << yaw;
            EXPECT_EQ(0, holes) << "of " << fishPixels << " pixels, pitch " << pitch << " yaw "
                                << yaw;
        }
}
