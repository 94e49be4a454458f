// The background wall's colours, read back from the frame buffer.
#include "environment/BackgroundWall.h"

#include "settings/AquariumSettings.h"
#include "settings/SharedSettings.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int kSide = 64;

// The wall of a 1024 x 768 screen, looked at straight on so that it fills the window.
class BackgroundWallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.ready());
        tank = {-49, 49, 25, -25, -50, 0};
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(2 * tank.xMin, 2 * tank.xMax, 3 * tank.yMin, 3 * tank.yMax, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        settings.backFixed = 0;
        settings.backGradient = 0;
        settings.backAutoGradient = 0;
    }

    std::array<int, 3> pixel(int x, int y)
    {
        unsigned char rgba[4];
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    std::array<int, 3> drawAndRead(int x, int y)
    {
        wall.draw(settings, tank, phases);
        glFinish();
        return pixel(x, y);
    }

    GlTestContext gl{kSide, kSide};
    TankBounds tank;
    AquariumSettings settings;
    ColorPhases phases;  // where the wall publishes its wash's phase
    BackgroundWall wall;
};

TEST_F(BackgroundWallTest, SolidQuadShowsItsColorAndRestoresWhiteAndTexturing)
{
    settings.backFixed = 1;
    settings.backColor = RGB(10, 200, 30);
    const auto centre = drawAndRead(kSide / 2, kSide / 2);
    EXPECT_EQ(centre, (std::array<int, 3>{10, 200, 30}));

    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[2], 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(BackgroundWallTest, GradientRunsFromTheFirstColorAtTheTopToTheSecondAtTheBottom)
{
    settings.backGradient = 1;
    settings.backColor1 = 65280;  // green
    settings.backColor2 = 0;
    wall.draw(settings, tank, phases);
    glFinish();
    const auto top = pixel(kSide / 2, kSide - 1);
    const auto middle = pixel(kSide / 2, kSide / 2);
    const auto bottom = pixel(kSide / 2, 0);
    EXPECT_EQ(top[0], 0);
    EXPECT_GE(top[1], 250);
    EXPECT_EQ(top[2], 0);
    EXPECT_NEAR(middle[1], 128, 6);
    EXPECT_LE(bottom[1], 5);
}

TEST_F(BackgroundWallTest, GradientTopOfGrey64IsGreyNotWhite)
{
    settings.backGradient = 1;
    settings.backColor1 = RGB(64, 64, 64);
    settings.backColor2 = RGB(64, 64, 64);
    EXPECT_EQ(drawAndRead(kSide / 2, kSide - 1), (std::array<int, 3>{64, 64, 64}));
}

TEST_F(BackgroundWallTest, NothingIsDrawnWhenEveryQuadIsOff)
{
    EXPECT_EQ(drawAndRead(kSide / 2, kSide / 2), (std::array<int, 3>{51, 102, 153}));
}

TEST_F(BackgroundWallTest, CyclingWashStartsFromTheSavedPhaseAndHoldsStillWhileLocked)
{
    settings.backAutoGradient = 1;
    settings.lockBack = 1;
    settings.lockBackRotation = 40;
    const auto first = drawAndRead(kSide / 2, 1);
    const auto again = drawAndRead(kSide / 2, 1);
    EXPECT_EQ(first, again);

    // At phase 40 the bottom edge is (1 − cos 4/3, 1 − sin 1.6, 1 − cos 2.353), the last
    // clamped to 1; one row up the top edge's colours barely show yet.
    EXPECT_NEAR(first[0], 195, 5);
    EXPECT_LE(first[1], 8);
    EXPECT_GE(first[2], 250);

    settings.lockBack = 0;
    drawAndRead(kSide / 2, 1);
    EXPECT_FLOAT_EQ(phases.back, 40.2f) << "unlocking resumes from the same phase";
}

TEST_F(BackgroundWallTest, CyclingPhaseWrapsToZeroAtTenThousand)
{
    settings.backAutoGradient = 1;
    settings.lockBack = 0;
    settings.lockBackRotation = 9999.9f;
    wall.draw(settings, tank, phases);
    EXPECT_FLOAT_EQ(phases.back, 0.0f);
    wall.draw(settings, tank, phases);
    EXPECT_FLOAT_EQ(phases.back, 0.2f);
}

TEST_F(BackgroundWallTest, HiddenWallDrawsNothingButLeavesTheSameStateAndPhase)
{
    settings.backFixed = 1;
    settings.backAutoGradient = 1;
    settings.lockBack = 0;
    settings.lockBackRotation = 40;
    settings.backColor = RGB(10, 200, 30);
    glColor3ub(1, 2, 3);
    glDisable(GL_TEXTURE_2D);
    wall.draw(settings, tank, phases, true);
    glFinish();
    EXPECT_EQ(pixel(kSide / 2, kSide / 2), (std::array<int, 3>{51, 102, 153})) << "the clear colour";
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[1], 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FLOAT_EQ(phases.back, 40.2f) << "the wash moves on while hidden";
}

}  // namespace
