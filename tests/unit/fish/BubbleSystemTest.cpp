// Bubbles: how one starts, rises and starts again; how the emitter draws them and how the drawn
// count limits them.
#include "fish/Bubble.h"
#include "fish/BubbleSystem.h"

#include "settings/SettingsStore.h"
#include "support/Feedback.h"
#include "support/GlTestContext.h"
#include "support/RandomStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <set>
#include <vector>

namespace {

constexpr int kBubbles = 110;
constexpr float kFullLife = 200.0f;
// Bubbles start on rows from y = -1 to y = -0.96.
constexpr float kStartLineLow = -1.0f;
constexpr float kStartLineHigh = -0.96f;
constexpr float kLargestJitter = 0.19f;

// A world rectangle that holds every bubble from its start line to where it leaves the water.
constexpr float kViewLeft = -120.0f;
constexpr float kViewRight = 120.0f;
constexpr float kViewBottom = -30.0f;
constexpr float kViewTop = 140.0f;

class BubbleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.ready());
        viewWorldRectangle(kViewLeft, kViewRight, kViewBottom, kViewTop);
    }

    // The quads that one step of `count` bubbles, drawn, produces.
    std::vector<FeedbackPolygon> drawnQuads(int count)
    {
        return quadCorners(capturePolygons([&] {
            bubbles.step(count);
            bubbles.draw();
        }));
    }
    // The texture the bubbles are drawn with.
    unsigned drawnTexture()
    {
        drawnQuads(1);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        return static_cast<unsigned>(bound);
    }

    GlTestContext gl;
    BubbleSystem bubbles;
};


bool fileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(Bubble, AFirstBubbleTakesItsRandomNumbersInOrder)
{
    const std::vector<int> r = upcomingRandoms(1234, 10);
    Particle p{};
    initialiseBubble(p);
    EXPECT_FLOAT_EQ(static_cast<float>(r[0] % 200 - 100), p.x);
    EXPECT_FLOAT_EQ((r[1] % 9) * 0.005f - 1.0f, p.y);
    EXPECT_FLOAT_EQ((r[2] % 6) * 0.005f, p.z);
    EXPECT_FLOAT_EQ((r[3] % 9000 - r[4] % 9000) * 0.000007f, p.vx);
    EXPECT_FLOAT_EQ((r[5] % 9000) * 0.000042f / 3.0f, p.vy);
    EXPECT_FLOAT_EQ((r[6] % 9000) * 0.000001f, p.vz);
    EXPECT_FLOAT_EQ((r[7] % 20 + 2) * 0.1f, p.halfSize);
    EXPECT_FLOAT_EQ((r[8] % 50) * 0.05f, p.fade);
    EXPECT_FLOAT_EQ(kFullLife, p.life);
    EXPECT_FLOAT_EQ(0.00083333330f, p.ay);
    EXPECT_EQ(0.0f, p.ax);
    EXPECT_EQ(0.0f, p.az);
    // Nothing else was drawn for it.
    EXPECT_EQ(r[9], std::rand());
}

TEST(Bubble, ARenewedBubbleTakesItsRandomNumbersInOrderAndKeepsItsSize)
{
    Particle p{};
    p.life = 1.0f;
    p.fade = 1.0f;
    p.halfSize = 1.3f;

    const std::vector<int> r = upcomingRandoms(99, 9);
    advanceBubble(p);
    EXPECT_FLOAT_EQ(static_cast<float>(r[0] % 200 - 100), p.x);
    EXPECT_FLOAT_EQ((r[1] % 9) * 0.005f - 1.0f, p.y);
    EXPECT_FLOAT_EQ((r[2] % 9000) * 0.000001f, p.z);
    EXPECT_FLOAT_EQ((r[3] % 9000 - r[4] % 9000) * 0.000007f, p.vx);
    // Three times the range of the first bubbles' rise.
    EXPECT_FLOAT_EQ((r[5] % 9000) * 0.000042f, p.vy);
    EXPECT_FLOAT_EQ((r[6] % 90000) * 0.000001f, p.vz);
    EXPECT_FLOAT_EQ((r[7] % 50) * 0.05f, p.fade);
    EXPECT_FLOAT_EQ(kFullLife, p.life);
    EXPECT_EQ(1.3f, p.halfSize);
    EXPECT_EQ(r[8], std::rand());
}

// Bubbles that sink to the floor, rise out of the water or fade out start again, each checked at
// its limit and just short of it.
TEST(Bubble, StartsAgainExactlyAtItsLimits)
{
    struct Case {
        const char* what;
        float y, vy, life, fade;
        bool startsAgain;
    };
    const Case cases[] = {
        {"sinks to the floor", -24.5f, -0.5f, 100.0f, 0.0f, true},
        {"sinks short of the floor", -24.5f, -0.25f, 100.0f, 0.0f, false},
        {"rises to the surface", 129.5f, 0.5f, 100.0f, 0.0f, true},
        {"rises short of the surface", 129.0f, 0.5f, 100.0f, 0.0f, false},
        {"fades out", 10.0f, 0.0f, 2.0f, 2.0f, true},
        {"fades short of the end", 10.0f, 0.0f, 2.0f, 1.5f, false},
    };
    constexpr float kOddSize = 7.5f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Particle p{};
        p.y = c.y;
        p.vy = c.vy;
        p.life = c.life;
        p.fade = c.fade;
        p.halfSize = kOddSize;
        advanceBubble(p);
        EXPECT_EQ(kOddSize, p.halfSize);
        if (c.startsAgain) {
            EXPECT_EQ(kFullLife, p.life);
            EXPECT_GE(p.y, kStartLineLow);
            EXPECT_LE(p.y, kStartLineHigh);
            EXPECT_GE(p.vy, 0.0f);
        } else {
            EXPECT_EQ(c.y + c.vy, p.y);
            EXPECT_EQ(c.life - c.fade, p.life);
        }
    }
}

// Frames with a count of zero change nothing: the bubbles go on from where they were, like those
// of an emitter that never stopped; and bubbles beyond the count are neither drawn nor moved.
TEST_F(BubbleTest, BubblesOutsideTheCountAreFrozenAndResumeWhereTheyWere)
{
    // The quads of all the bubbles after frames of `counts`, from the same random numbers.
    const auto drawnAfter = [&](const std::vector<int>& counts) {
        std::srand(77);
        EXPECT_TRUE(bubbles.reset(kBubbles));
        for (int count : counts)
            bubbles.step(count);
        return drawnQuads(kBubbles);
    };
    const auto heights = [](const FeedbackPolygon& quad) {
        std::vector<float> y;
        for (const FeedbackVertex& v : quad)
            y.push_back(v.y);
        return y;
    };
    const auto corners = [&](const FeedbackPolygon& quad) {
        std::vector<float> xy = heights(quad);
        for (const FeedbackVertex& v : quad)
            xy.push_back(v.x);
        return xy;
    };

    EXPECT_TRUE(drawnQuads(0).empty());
    std::vector<int> running, stopping;
    for (int frame = 0; frame < 20; ++frame) {
        running.push_back(kBubbles);
        stopping.insert(stopping.end(), {kBubbles, 0, 0, 0});
    }
    const std::vector<FeedbackPolygon> ran = drawnAfter(running);
    const std::vector<FeedbackPolygon> stopped = drawnAfter(stopping);
    ASSERT_EQ(static_cast<std::size_t>(kBubbles), ran.size());
    ASSERT_EQ(ran.size(), stopped.size());
    for (int i = 0; i < kBubbles; ++i)
        EXPECT_EQ(corners(ran[i]), corners(stopped[i])) << "bubble " << i;

    constexpr int kDrawn = 40;
    const std::vector<FeedbackPolygon> atStart = drawnAfter({});
    const std::vector<FeedbackPolygon> afterSome = drawnAfter({kDrawn});
    ASSERT_EQ(atStart.size(), afterSome.size());
    for (int i = 0; i < kBubbles; ++i) {
        if (i < kDrawn)
            EXPECT_NE(heights(atStart[i]), heights(afterSome[i])) << "bubble " << i;
        else
            EXPECT_EQ(heights(atStart[i]), heights(afterSome[i])) << "bubble " << i;
    }
}

TEST_F(BubbleTest, ACountOutsideTheBubblesIsHeldToThem)
{
    ASSERT_TRUE(bubbles.reset(kBubbles));
    EXPECT_EQ(static_cast<std::size_t>(kBubbles), drawnQuads(kBubbles + 500).size());
    EXPECT_TRUE(drawnQuads(-5).empty());
}

TEST_F(BubbleTest, EachBubbleIsDrawnAsASquareAroundItWithThePictureRunningUp)
{
    // The emitter's bubbles are the first bubbles the same random numbers make.
    std::srand(4321);
    std::vector<Particle> made(kBubbles);
    for (Particle& p : made)
        initialiseBubble(p);
    std::srand(4321);
    ASSERT_TRUE(bubbles.reset(kBubbles));

    const std::vector<FeedbackPolygon> quads = drawnQuads(kBubbles);
    ASSERT_EQ(static_cast<std::size_t>(kBubbles), quads.size());

    std::set<float> sidewaysJitters;
    for (int i = 0; i < kBubbles; ++i) {
        SCOPED_TRACE(::testing::Message() << "bubble " << i);
        const FeedbackPolygon& quad = quads[i];
        float left = quad[0].x, right = quad[0].x, bottom = quad[0].y, top = quad[0].y;
        for (const FeedbackVertex& v : quad) {
            left = std::min(left, v.x);
            right = std::max(right, v.x);
            bottom = std::min(bottom, v.y);
            top = std::max(top, v.y);
        }
        const float size = made[i].halfSize;
        EXPECT_NEAR(2 * size, right - left, 1e-3);
        EXPECT_NEAR(2 * size, top - bottom, 1e-3);
        EXPECT_NEAR(made[i].y, (bottom + top) / 2 + kViewBottom, 1e-3);
        const float jitter = (left + right) / 2 + kViewLeft - made[i].x;
        EXPECT_GE(jitter, -1e-3f);
        EXPECT_LE(jitter, kLargestJitter + 1e-3f);
        sidewaysJitters.insert(std::round(jitter * 100));

        for (const FeedbackVertex& v : quad) {
            const bool isRight = v.x > (left + right) / 2;
            const bool isTop = v.y > (bottom + top) / 2;
            EXPECT_EQ(isTop ? 1.0f : 0.0f, v.s) << "at " << v.x << ", " << v.y;
            EXPECT_EQ(isRight ? 1.0f : 0.0f, v.t) << "at " << v.x << ", " << v.y;
        }
    }
    // The jitter is drawn afresh for every bubble.
    EXPECT_GT(sidewaysJitters.size(), 5u);
}

TEST_F(BubbleTest, WarmingUpDrawsTheGivenCountForAHundredAndTenFrames)
{
    ASSERT_TRUE(bubbles.reset(kBubbles));
    EXPECT_EQ(static_cast<std::size_t>(10 * 110),
              quadCorners(capturePolygons([&] { bubbles.warmUp(10); })).size());
}

TEST_F(BubbleTest, TheBubblePictureIsLoadedOnceAndItsFilesAreRemoved)
{
    ASSERT_TRUE(bubbles.reset(kBubbles));
    const unsigned texture = drawnTexture();
    ASSERT_TRUE(glIsTexture(texture));
    EXPECT_FALSE(fileExists(settingsPath() + "Particle1.ad"));
    EXPECT_FALSE(fileExists(settingsPath() + "Particle1.bmp"));

    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    EXPECT_GT(*std::max_element(rgba.begin(), rgba.end()), 64) << "the picture is black";

    ASSERT_TRUE(bubbles.reset(kBubbles));
    EXPECT_EQ(texture, drawnTexture());
}

TEST_F(BubbleTest, AnEmitterWhoseBubblesCannotBeMadeDrawsNothing)
{
    // More than a 32-bit process can address at all, and more than it can find in one piece; a
    // 64-bit process can address any count, so there only a negative count cannot be made.
    constexpr int kBeyondAddressing = 40'000'000;
    constexpr int kBeyondMemory = 30'000'000;
    const std::vector<int> cannotBeMade = sizeof(void*) == 4
                                              ? std::vector<int>{kBeyondAddressing, kBeyondMemory, -1}
                                              : std::vector<int>{-1};
    for (int tooMany : cannotBeMade) {
        SCOPED_TRACE(tooMany);
        ASSERT_TRUE(bubbles.reset(kBubbles));
        EXPECT_FALSE(bubbles.reset(tooMany));
        EXPECT_TRUE(drawnQuads(kBubbles).empty());
    }

    BubbleSystem neverMade;
    GLint texturesBefore = 0;
    for (GLuint name = 1; name < 256; ++name)
        texturesBefore += glIsTexture(name);
    EXPECT_FALSE(neverMade.reset(cannotBeMade.front()));
    GLint texturesAfter = 0;
    for (GLuint name = 1; name < 256; ++name)
        texturesAfter += glIsTexture(name);
    EXPECT_EQ(texturesBefore, texturesAfter) << "no picture is loaded for bubbles never made";
}
