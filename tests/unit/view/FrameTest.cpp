// What scene set-up leaves in OpenGL and on disk, and what every frame sets and draws, on a real
// view: the fixed state, the textures, the light, and the passes in their order, read back in
// feedback mode.
#include "ViewFixture.h"
#include "settings/SettingsStore.h"
#include "support/Feedback.h"
#include "view/SceneLight.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using FrameTest = ViewFixture;

std::array<float, 4> glFloats(GLenum name)
{
    std::array<float, 4> values{};
    glGetFloatv(name, values.data());
    return values;
}

std::array<float, 4> lightValues(GLenum name)
{
    std::array<float, 4> values{};
    glGetLightfv(GL_LIGHT1, name, values.data());
    return values;
}

GLint glInteger(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

using Rgba = std::array<float, 4>;

TEST_F(FrameTest, SetUpLeavesTheFixedStateWithABlackClearColor)
{
    EXPECT_EQ(glFloats(GL_COLOR_CLEAR_VALUE), (Rgba{0, 0, 0, 0.5f}));
    EXPECT_FLOAT_EQ(glFloats(GL_DEPTH_CLEAR_VALUE)[0], 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glInteger(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(glInteger(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "each frame switches lighting on and off";
    EXPECT_EQ(lightValues(GL_AMBIENT), (Rgba{1, 1, 1, 1}));
    EXPECT_EQ(lightValues(GL_DIFFUSE), (Rgba{1, 1, 1, 1}));
    EXPECT_EQ(lightValues(GL_POSITION), (Rgba{1000, -1000, 1000, 1}));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(glFloats(GL_CURRENT_COLOR), (Rgba{1, 1, 1, 1}));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glInteger(GL_BLEND_SRC), GL_ONE) << "blending starts with the initial function";
    EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ZERO);

    EXPECT_FALSE(glIsEnabled(GL_FOG)) << "no haze until a frame asks for one";
}

// The average colour of what the last frame showed in the view's window.
Rgba shownColor(AquariumView& view)
{
    RECT client{};
    view.GetClientRect(&client);
    std::vector<unsigned char> pixels(static_cast<size_t>(client.right) * client.bottom * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, client.right, client.bottom, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    Rgba sum{};
    for (size_t i = 0; i < pixels.size(); i += 4)
        for (int c = 0; c < 3; ++c)
            sum[c] += pixels[i + c] / 255.0f;
    const float count = static_cast<float>(pixels.size() / 4);
    return {sum[0] / count, sum[1] / count, sum[2] / count, 1};
}

TEST_F(FrameTest, ACoveringBackdropLeavesNothingOfWhatTheBuffersHeldBefore)
{
    hideOverlay();
    view.renderFrame();
    // Red everywhere, and every depth nearer than anything the frame draws: a frame that relied
    // on a clear, or depth-tested its backdrop against the buffer, would leave red behind.
    glClearColor(1, 0, 0, 1);
    glClearDepth(0.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0, 0, 0, 0.5f);
    glClearDepth(1.0);
    view.renderFrame();

    RECT client{};
    view.GetClientRect(&client);
    std::vector<unsigned char> pixels(static_cast<size_t>(client.right) * client.bottom * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, client.right, client.bottom, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int red = 0;
    for (size_t i = 0; i < pixels.size(); i += 4)
        red += pixels[i] == 255 && pixels[i + 1] == 0 && pixels[i + 2] == 0 ? 1 : 0;
    EXPECT_EQ(red, 0);
}

TEST_F(FrameTest, FogFollowsItsSettingFromTheFirstFrameOnAndNeverTurnsTheTankWhite)
{
    hideOverlay();
    shared.settings.fogDensity = 0;
    view.renderFrame();
    const Rgba clear = shownColor(view);
    EXPECT_GT(clear[0] + clear[1] + clear[2], 0.2f) << "the frame read back is a picture";
    EXPECT_LT(clear[0] + clear[1] + clear[2], 1.5f) << "the first frame is the tank, not white";

    shared.settings.fogDensity = kFogDensityMax;
    view.renderFrame();
    EXPECT_EQ(glInteger(GL_FOG_MODE), GL_EXP2);
    EXPECT_FLOAT_EQ(glFloats(GL_FOG_DENSITY)[0], fogDensityFor(kFogDensityMax));
    const Rgb haze = fogColorFor(lightColor(shared.settings, 0));
    const Rgba fogColor = glFloats(GL_FOG_COLOR);
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(fogColor[c], haze[c], 1e-6) << "channel " << c;
    const Rgba hazy = shownColor(view);
    EXPECT_LT(hazy[0] + hazy[1] + hazy[2], 1.5f);
    // The haze draws the picture toward the water's colour: less of the reef's contrast, more of
    // the water's blue-green than red.
    EXPECT_GT(hazy[2] - hazy[0], clear[2] - clear[0]);
}

TEST_F(FrameTest, TheLightTakesTheColorOfTheColorGroupAndItsPhaseIsShared)
{
    shared.settings.lightIntensity = 0;
    shared.settings.frontFixed = 1;
    shared.settings.frontAutoGradient = 0;
    shared.settings.frontColor = 0x00FF80;  // a spring green: red 128, green 255, blue 0
    view.renderFrame();
    const Rgba green{128 / 255.0f, 1, 0, 1};
    EXPECT_EQ(lightValues(GL_AMBIENT), green);
    EXPECT_EQ(lightValues(GL_DIFFUSE), green);

    shared.settings.frontFixed = 0;
    shared.settings.frontAutoGradient = 1;
    shared.settings.lockFore = 0;
    view.renderFrame();
    const float phase = shared.phases.front;
    view.renderFrame();
    EXPECT_FLOAT_EQ(shared.phases.front, std::fmod(phase + 1, kLightColorPeriod))
        << "each frame moves the cycle on and tells the settings dialog where it is";
    shared.settings.lockFore = 1;
    shared.phases.front = -1;
    view.renderFrame();
    view.renderFrame();
    EXPECT_EQ(shared.phases.front, -1) << "locked, the light keeps its colour";
    const Rgb held = lightTint(shared.settings, std::fmod(phase + 1, kLightColorPeriod));
    EXPECT_NEAR(lightValues(GL_DIFFUSE)[0], held[0], 1e-6);
}

TEST_F(FrameTest, SetUpLeavesNoUnpackedFileBehind)
{
    const std::string directory = settingsPath();
    for (const char* pattern : {"*.ad", "BackGround0.*", "fish*.bmp", "Particle1.*", "Music.*"}) {
        WIN32_FIND_DATAA found;
        const HANDLE search = ::FindFirstFileA((directory + pattern).c_str(), &found);
        EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
        if (search != INVALID_HANDLE_VALUE)
            ::FindClose(search);
    }
}

TEST_F(FrameTest, SetUpLoadsSeventeenSkinNamesOfWhichTheLastTwoHaveNoImage)
{
    SceneTextures textures;  // a second set, loaded as the view's set-up loads its own
    textures.loadPictures(1024, 768);
    std::set<unsigned> names;
    for (int i = 0; i < SceneTextures::kFishTextureCount; ++i) {
        const unsigned name = textures.fishTextures[i];
        EXPECT_TRUE(glIsTexture(name)) << "skin " << i;
        names.insert(name);
        glBindTexture(GL_TEXTURE_2D, name);
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        EXPECT_EQ(width > 0, i < kFishKinds) << "skin " << i << " is " << width << " wide";
    }
    EXPECT_EQ(names.size(), 17u) << "every skin has a name of its own";
}

TEST_F(FrameTest, BubbleEmittersStandBelowAndBehindTheTankAfterWarmingUp)
{
    const TankBounds& bounds = tank.bounds();
    const float depthsBehind[] = {100, 200, 50};
    for (int e = 0; e < TankScene::kBubbleEmitters; ++e) {
        SCOPED_TRACE("emitter " + std::to_string(e));
        EXPECT_FLOAT_EQ(tank.emitterPositions[e][0], 0);
        EXPECT_FLOAT_EQ(tank.emitterPositions[e][1], bounds.yMin - 5);
        EXPECT_FLOAT_EQ(tank.emitterPositions[e][2], bounds.zMin - depthsBehind[e]);
        // The warm-up drew as many bubbles as the setting asks for; the emitter holds 110.
        BubbleSystem& emitter = tank.bubbleEmitters[e];
        viewWorldRectangle(-120, 120, -30, 140);
        const auto drawnBubbles = [&] {
            return static_cast<int>(quadCorners(capturePolygons([&] { emitter.draw(); })).size());
        };
        EXPECT_EQ(drawnBubbles(), kBubbleSettingMax - shared.settings.bubbleCount);
        emitter.step(1000);
        EXPECT_EQ(drawnBubbles(), 110);
    }
}

TEST_F(FrameTest, LightFollowsTheLightIntensitySetting)
{
    const struct {
        int intensity;
        float level;
    } cases[] = {{0, 1.0f}, {30, 0.7f}, {100, 0.0f}};
    for (const auto& c : cases) {
        shared.settings.lightIntensity = c.intensity;
        view.renderFrame();
        const Rgba expected{c.level, c.level, c.level, 1};
        EXPECT_EQ(lightValues(GL_AMBIENT), expected) << "intensity " << c.intensity;
        EXPECT_EQ(lightValues(GL_DIFFUSE), expected) << "intensity " << c.intensity;
    }
}

TEST_F(FrameTest, EveryFrameEndsWithFogBlendingAndLightingOffAndAdditiveBlending)
{
    for (int frame = 1; frame <= 2; ++frame) {
        view.renderFrame();
        EXPECT_FALSE(glIsEnabled(GL_FOG)) << "frame " << frame;
        EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "frame " << frame;
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "frame " << frame;
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << "frame " << frame;
        EXPECT_EQ(glInteger(GL_BLEND_SRC), GL_SRC_ALPHA) << "frame " << frame;
        EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ONE) << "frame " << frame;
    }
}

// Which pass drew a primitive, told apart by how far in front of the eye it lies and by the
// food's own unlit colour.
enum class Pass { Wall, Fish, Backdrop, Bubbles, Food, Other };

const char* passName(Pass pass)
{
    static const char* const names[] = {"wall", "fish", "backdrop", "bubbles", "food", "other"};
    return names[static_cast<int>(pass)];
}

// Distance from the eye of a point that the frame's projection (near 1, far 1000) put at window
// depth z.
double eyeDistance(float windowZ)
{
    constexpr double n = 1.0, f = 1000.0;
    const double ndc = 2.0 * windowZ - 1.0;
    return 2.0 * f * n / ((f + n) - ndc * (f - n));
}

Pass classify(const FeedbackPrimitive& primitive)
{
    const FeedbackVertex& v = primitive.vertices.front();
    const bool foodColor = std::fabs(v.red - 243 / 255.0f) < 1e-3f &&
                            std::fabs(v.green - 225 / 255.0f) < 1e-3f &&
                            std::fabs(v.blue - 159 / 255.0f) < 1e-3f;
    if (foodColor)
        return Pass::Food;
    const double distance = eyeDistance(v.z);
    if (std::fabs(distance - 143) < 1)  // the wall stands at z = -150
        return Pass::Wall;
    if (distance > 148)  // the bubble sheets stand 153 to 303 units away
        return Pass::Bubbles;
    if (std::fabs(distance - 83) < 1)  // the backdrop at z = -90
        return Pass::Backdrop;
    if (distance > 40 && distance < 82)  // fish swim from z = -85 to -55
        return Pass::Fish;
    return Pass::Other;
}

// The passes of one frame in the order they drew, each run of primitives counted once.
std::vector<std::string> passesOfOneFrame(AquariumView& view)
{
    std::vector<std::string> passes;
    for (const FeedbackPrimitive& primitive : capturePrimitives([&] { view.renderFrame(); })) {
        const std::string name = passName(classify(primitive));
        if (passes.empty() || passes.back() != name)
            passes.push_back(name);
    }
    return passes;
}

TEST_F(FrameTest, PassesDrawACoveringBackdropOrTheWallFirstThenFishBubblesAndLastTheFoodUnlit)
{
    hideOverlay();
    shared.settings.backFixed = 1;
    shared.settings.backgroundMode = 0;
    shared.settings.bubbleCount = 0;
    // In the dark, lit food would keep only a fifth of its colour.
    shared.settings.lightIntensity = 100;
    view.renderFrame();
    tank.dropFood(-20.0f, 24.0f);  // in sight, but above every fish: none can eat it

    // Where the backdrop covers the whole screen, as it does here, it comes first, in place of
    // the wall and of clearing the screen; without the backdrop the wall comes first.
    shared.settings.showTerra = 1;
    EXPECT_EQ(passesOfOneFrame(view),
              (std::vector<std::string>{"backdrop", "fish", "bubbles", "food"}));
    shared.settings.showTerra = 0;
    EXPECT_EQ(passesOfOneFrame(view),
              (std::vector<std::string>{"wall", "fish", "bubbles", "food"}));
}

TEST_F(FrameTest, BackdropIsDrawnOnlyInBackgroundModeZeroWithTheTerrainShown)
{
    hideOverlay();
    const struct {
        int backgroundMode, showTerra;
        bool drawn;
    } cases[] = {{0, 1, true}, {1, 1, false}, {2, 1, false}, {0, 0, false}};
    for (const auto& c : cases) {
        shared.settings.backgroundMode = c.backgroundMode;
        shared.settings.showTerra = c.showTerra;
        const std::vector<std::string> passes = passesOfOneFrame(view);
        const bool drawn = std::find(passes.begin(), passes.end(), "backdrop") != passes.end();
        EXPECT_EQ(drawn, c.drawn) << "mode " << c.backgroundMode << ", terrain " << c.showTerra;
    }
}

}  // namespace
