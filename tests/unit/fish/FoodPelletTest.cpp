// Food pellets: where they drop, how long they sink, when their slot frees, and what they leave
// behind in OpenGL when a slot is used again and again.
#include "fish/FoodPellet.h"

#include "support/Feedback.h"
#include "support/GlTestContext.h"
#include "support/RandomStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr float kClickDepth = -70.0f;
// A pellet is drawn 0.2 below its height, which starts 1 above the drop point.
constexpr float kFirstDrawnHeight = 0.8f;

// A world rectangle around the drop points, one unit to one pixel.
constexpr float kViewLeft = -40.0f;
constexpr float kViewRight = 40.0f;
constexpr float kViewBottom = -40.0f;
constexpr float kViewTop = 20.0f;

class FoodPelletTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.ready());
        viewWorldRectangle(kViewLeft, kViewRight, kViewBottom, kViewTop);
    }

    // What one step of `pellet`, its pose drawn, hands to OpenGL.
    static std::vector<FeedbackPolygon> drawn(FoodPellet& pellet)
    {
        return capturePolygons([&] { FoodPellet::draw(pellet.step()); });
    }

    static void drop(FoodPellet& pellet, float x, float y)
    {
        pellet.spawn(x, y, kClickDepth);
        pellet.setActive(true);
    }

    GlTestContext gl;
};


template <typename Test>
int countNames(Test exists)
{
    int names = 0;
    for (GLuint name = 1; name < 2000; ++name)
        names += exists(name) ? 1 : 0;
    return names;
}

}  // namespace

TEST_F(FoodPelletTest, AnUneatenPelletSinksFor1158To2200Frames)
{
    int shortest = 1 << 30, longest = 0;
    FoodPellet pellet;
    for (int i = 0; i < 300; ++i) {
        drop(pellet, 0.0f, 0.0f);
        int frames = 0;
        for (pellet.advance(); pellet.isAlive(); pellet.advance())
            ++frames;
        shortest = std::min(shortest, frames);
        longest = std::max(longest, frames);
    }
    EXPECT_EQ(1158, shortest);
    EXPECT_EQ(2200, longest);
}

TEST_F(FoodPelletTest, ASunkOutPelletIsNotDrawnAndItsSlotFreesAtTheNextDraw)
{
    FoodPellet pellet;
    drop(pellet, 0.0f, 0.0f);
    while (pellet.isAlive())
        pellet.advance();
    EXPECT_TRUE(pellet.isActive());

    EXPECT_TRUE(drawn(pellet).empty());
    EXPECT_FALSE(pellet.isActive());
}

TEST_F(FoodPelletTest, AnEatenPelletIsNotDrawnAndItsSlotFreesInTheSameDraw)
{
    FoodPellet pellet;
    drop(pellet, 5.0f, -3.0f);
    EXPECT_FALSE(drawn(pellet).empty());
    const std::vector<float> lastSeen(pellet.currentPosition(), pellet.currentPosition() + 3);

    pellet.eat();
    EXPECT_FALSE(pellet.isAlive());
    EXPECT_TRUE(drawn(pellet).empty());
    EXPECT_FALSE(pellet.isActive());
    EXPECT_EQ(lastSeen, std::vector<float>(pellet.currentPosition(), pellet.currentPosition() + 3));
}

TEST_F(FoodPelletTest, APelletIsAPaleYellowDisc)
{
    FoodPellet pellet;
    drop(pellet, 0.0f, 0.0f);
    const std::vector<FeedbackPolygon> polygons = drawn(pellet);
    // A fan of 500 rim vertices.
    EXPECT_EQ(498u, polygons.size());
    for (const FeedbackPolygon& polygon : polygons)
        for (const FeedbackVertex& v : polygon) {
            EXPECT_NEAR(243 / 255.0, v.red, 1e-3);
            EXPECT_NEAR(225 / 255.0, v.green, 1e-3);
            EXPECT_NEAR(159 / 255.0, v.blue, 1e-3);
        }
    // What is drawn after it is white and textured again.
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(1.0f, colour[0]);
    EXPECT_EQ(1.0f, colour[2]);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(FoodPelletTest, ItsPositionIsTheOriginUntilItsFirstDraw)
{
    FoodPellet pellet;
    drop(pellet, 12.0f, 5.0f);
    EXPECT_EQ(0.0f, pellet.currentPosition()[0]);
    EXPECT_EQ(0.0f, pellet.currentPosition()[1]);
    EXPECT_EQ(0.0f, pellet.currentPosition()[2]);
    drawn(pellet);
    EXPECT_NEAR(5.0f + kFirstDrawnHeight, pellet.currentPosition()[1], 1e-4);
}

// A pellet made with the view drops at a random point until a click places it; preparing it
// draws its drift, tumble and spin, then its sink rate, in that order.
TEST_F(FoodPelletTest, DropPointAndMotionTakeTheirRandomNumbersInOrder)
{
    const std::vector<int> place = upcomingRandoms(77, 2);
    FoodPellet pellet;
    const std::vector<int> r = upcomingRandoms(2024, 11);
    // The sink rate must not also be what the fifth or ninth draw would give.
    ASSERT_NE(r[4] % 10, r[10] % 10);
    ASSERT_NE(r[8] % 10, r[10] % 10);
    pellet.prepare();
    pellet.setActive(true);

    drawn(pellet);
    const float x = static_cast<float>(place[0] % 60 - 30) + (r[0] - r[1]) * 0.000042115542f;
    const float y = static_cast<float>(place[1] % 30 - 15) + kFirstDrawnHeight;
    const float z = kClickDepth + (r[2] - r[3]) * 0.000011597033f;
    EXPECT_NEAR(x, pellet.currentPosition()[0], 1e-4);
    EXPECT_NEAR(y, pellet.currentPosition()[1], 1e-4);
    EXPECT_NEAR(z, pellet.currentPosition()[2], 1e-4);

    drawn(pellet);
    const float sinkRate = (r[10] % 10) * 0.0005f + 0.005f;
    EXPECT_NEAR(y - sinkRate, pellet.currentPosition()[1], 1e-5);
}

TEST_F(FoodPelletTest, ANudgeMovesThePelletBySoMuch)
{
    FoodPellet pellet;
    drop(pellet, 0.0f, 0.0f);
    drawn(pellet);
    const float* at = pellet.currentPosition();
    const float first[3] = {at[0], at[1], at[2]};
    drawn(pellet);
    const float second[3] = {at[0], at[1], at[2]};

    pellet.nudge(1.0f, 2.0f, 3.0f);
    drawn(pellet);
    // Beside the nudge, one more frame of the same sinking and a drift of at most 0.002.
    const float nudge[3] = {1.0f, 2.0f, 3.0f};
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(second[axis] - first[axis] + nudge[axis], at[axis] - second[axis], 0.005)
            << "axis " << axis;
}

TEST_F(FoodPelletTest, PreparingASlotAgainReplacesItsListAndKeepsItsTexture)
{
    FoodPellet pellet;
    const int listsBefore = countNames(glIsList);
    const int texturesBefore = countNames(glIsTexture);
    pellet.prepare();
    EXPECT_EQ(listsBefore + 1, countNames(glIsList));
    EXPECT_EQ(texturesBefore + 1, countNames(glIsTexture));

    for (int i = 0; i < 50; ++i)
        drop(pellet, 0.0f, 0.0f);

    EXPECT_EQ(listsBefore + 1, countNames(glIsList)) << "each new list replaces the one before";
    EXPECT_EQ(texturesBefore + 1, countNames(glIsTexture));
}

// The fish rules run pellets in tests without any rendering context.
TEST(FoodPelletWithoutOpenGL, SinksAndIsEatenAsUsual)
{
    ASSERT_EQ(nullptr, wglGetCurrentContext());
    FoodPellet pellet;
    pellet.spawn(0.0f, 0.0f, kClickDepth);
    pellet.setActive(true);
    pellet.step();
    const float firstHeight = pellet.currentPosition()[1];
    EXPECT_NEAR(kFirstDrawnHeight, firstHeight, 1e-4);
    pellet.step();
    EXPECT_LT(pellet.currentPosition()[1], firstHeight);

    pellet.eat();
    pellet.step();
    EXPECT_FALSE(pellet.isActive());
}
