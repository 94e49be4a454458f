// The interaction modes on a real view: the picking bars' sweep, clicks picked at known points of the screen, food dropped where clicked, and the
// fish pick with its reactions.
#include "view/TankPicking.h"

#include "ViewFixture.h"
#include "support/GlTestContext.h"
#include "view/SceneCamera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The screen's point (x, y) (pixels down from the top) on the bars' plane, 62 units in front of
// the eye of the 1024 x 768 test screen: half the screen's height is 0.4 x 62 units there.
constexpr double kUnitsPerPixel = 0.4 * 62 / 384;
double worldX(int x) { return (x - 512) * kUnitsPerPixel; }
double worldY(int y) { return (384 - y) * kUnitsPerPixel; }

struct Eye {
    double x, z;
};
// Where the last frame's camera stood: the modelview matrix it leaves, [R | t], turned back
// (-R^T t).
Eye frameEye()
{
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const double t[3] = {m[12], m[13], m[14]};
    return {-(m[0] * t[0] + m[1] * t[1] + m[2] * t[2]), -(m[8] * t[0] + m[9] * t[1] + m[10] * t[2])};
}

class PickingTest : public ViewFixture {
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1024);
        ASSERT_EQ(::GetSystemMetrics(SM_CYSCREEN), 768);
        hideOverlay();
    }

    void chooseMode(int mode) { view.SendMessage(WM_COMMAND, static_cast<WPARAM>(mode)); }
    // Presses the button, lets a frame see it, then releases it: in the modes whose release
    // consumes a click, a click released before any frame has seen it is lost.
    void holdClickForAFrame(int x, int y)
    {
        view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        view.renderFrame();
        view.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void clickAt(int x, int y)
    {
        view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        view.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // Where a click at (x, y) lands in the tank, picked with the last frame's camera.
    PickState pickAt(int x, int y)
    {
        return pickPosition(tank.pickingBars, tank.bounds(), {x, y});
    }
};

TEST_F(PickingTest, BarsSweepAUnitEitherWayOfTheirStartATenthPerFrame)
{
    chooseMode(ModeFeed);
    const PickingBars& bars = tank.pickingBars;
    const float xMin = tank.bounds().xMin;
    const float spacing = bars.sweepBarsX[100][0] - bars.sweepBarsX[1][0];
    float lowest = 1e9f, highest = -1e9f;
    float previous[2] = {bars.sweepBarsX[0][0], bars.sweepBarsX[50][0]};
    for (int frame = 0; frame < 100; ++frame) {
        view.renderFrame();
        const float x = bars.sweepBarsX[0][0];
        EXPECT_NEAR(std::fabs(x - previous[0]), 0.1f, 1e-4f) << "frame " << frame;
        EXPECT_NEAR(std::fabs(bars.sweepBarsX[50][0] - previous[1]), 0.1f, 1e-4f);
        // Bar 0 turns first, so at a turn it moves one frame against the others.
        EXPECT_NEAR(bars.sweepBarsX[100][0] - bars.sweepBarsX[1][0], spacing, 1e-3f);
        previous[0] = x;
        previous[1] = bars.sweepBarsX[50][0];
        lowest = std::min(lowest, x);
        highest = std::max(highest, x);
    }
    EXPECT_NEAR(lowest, xMin - 1.0f, 0.11f);
    EXPECT_NEAR(highest, xMin + 1.0f, 0.11f);
    const float startY = bars.sweepBarsY[0][1];
    view.renderFrame();
    EXPECT_NEAR(std::fabs(bars.sweepBarsY[0][1] - startY), 0.1f, 1e-4f) << "the level bars too";
}

TEST_F(PickingTest, AClickIsPickedAtThePointOfTheTankUnderIt)
{
    chooseMode(ModePositionPick);
    const struct {
        int x, y;
    } points[] = {{512, 384}, {256, 192}, {900, 700}, {100, 600}};
    for (const auto& p : points) {
        clickAt(p.x, p.y);
        view.renderFrame();
        SCOPED_TRACE(std::to_string(p.x) + ", " + std::to_string(p.y));
        // The bars are about a unit apart and a unit wide: the middle of those under the click
        // lies within half a unit of it.
        EXPECT_NEAR(pickAt(p.x, p.y).pickX, worldX(p.x), 0.6);
        EXPECT_NEAR(pickAt(p.x, p.y).pickY, worldY(p.y), 0.6);
    }
}

TEST_F(PickingTest, WithTheEyeMovedByTheViewsAClickIsStillPickedUnderIt)
{
    shared.views = {kViewsLeftRightMax, kViewsNearFarMax};
    view.renderFrame();
    const Eye eye = frameEye();
    ASSERT_GT(eye.x, 1.0) << "the eye has moved right";
    ASSERT_LT(eye.z, -10.0) << "and toward the tank";
    // The bars' plane lies 69 units down the z axis: nearer the eye now, so a pixel spans less.
    const double unitsPerPixel = 0.4 * (eye.z + 69) / 384;

    chooseMode(ModePositionPick);
    const struct {
        int x, y;
    } points[] = {{512, 384}, {200, 150}, {850, 650}};
    for (const auto& p : points) {
        clickAt(p.x, p.y);
        view.renderFrame();
        SCOPED_TRACE(std::to_string(p.x) + ", " + std::to_string(p.y));
        EXPECT_NEAR(pickAt(p.x, p.y).pickX, eye.x + (p.x - 512) * unitsPerPixel, 0.6);
        EXPECT_NEAR(pickAt(p.x, p.y).pickY, (384 - p.y) * unitsPerPixel, 0.6);
    }
}

TEST_F(PickingTest, EachClickInFeedModeDropsItsPelletJustBelowIt)
{
    chooseMode(ModeFeed);
    // Near the surface, above every fish's reach, so that none eats a pellet under test.
    const struct {
        int x, y;
    } points[] = {{300, 40}, {700, 30}, {512, 45}};
    for (int p = 0; p < 3; ++p) {
        clickAt(points[p].x, points[p].y);
        view.renderFrame();  // picks the click and drops the pellet
        view.renderFrame();  // draws it
        ASSERT_EQ(pelletsInWater(), p + 1);
        const float* at = tank.food[p].currentPosition();
        SCOPED_TRACE("pellet " + std::to_string(p));
        // Dropped 2 below the pick, 70 deep, and drawn 0.8 above that; a new pellet also starts
        // up to 1.4 units aside and 0.4 in depth from its drop point.
        EXPECT_NEAR(at[0], worldX(points[p].x), 0.6 + 1.4);
        EXPECT_NEAR(at[1], worldY(points[p].y) - 1.2, 0.7);
        EXPECT_NEAR(at[2], -70, 0.4);
    }
}

TEST_F(PickingTest, WithEveryFoodSlotBusyAClickDropsNothingAndIsNotKept)
{
    for (int slot = 0; slot < kFoodSlots; ++slot)
        tank.dropFood(0, 0);
    chooseMode(ModeFeed);
    clickAt(400, 300);
    view.renderFrame();
    EXPECT_EQ(pelletsInWater(), kFoodSlots);
    tank.food[7].eat();
    view.renderFrame();  // the eaten pellet's slot frees
    EXPECT_EQ(pelletsInWater(), kFoodSlots - 1) << "no pellet comes of the old click";
}

TEST_F(PickingTest, TheFirstFishUnderAClickGrowsOrShrinksWithinTwoToEight)
{
    shared.settings.fishCount[0] = 2;
    for (int kind = 1; kind < kFishKinds; ++kind)
        shared.settings.fishCount[kind] = 0;
    const struct {
        int mode, before, after;
    } cases[] = {{ModeZoomIn, 4, 6}, {ModeZoomIn, 8, 8}, {ModeZoomOut, 6, 4}, {ModeZoomOut, 2, 2}};
    for (const auto& c : cases) {
        chooseMode(c.mode);
        // Fish 1 swims nearer the eye, in front of fish 0: the lower index still wins.
        tank.fish[0].x = tank.fish[0].y = 0;
        tank.fish[0].z = -75;
        tank.fish[1].x = tank.fish[1].y = 0;
        tank.fish[1].z = -60;
        tank.fish[0].size = c.before;
        tank.fish[1].size = 5;
        holdClickForAFrame(512, 384);
        EXPECT_EQ(tank.fish[0].size, c.after) << "mode " << c.mode << " from " << c.before;
        EXPECT_EQ(tank.fish[1].size, 5);
        view.renderFrame();
        EXPECT_EQ(tank.fish[0].size, c.after) << "the fish pick used the click";
    }
}

TEST_F(PickingTest, ATouchedFishInTheRearBandTurnsAQuarterAndKeepsItsSpeed)
{
    shared.settings.fishCount[0] = 1;
    for (int kind = 1; kind < kFishKinds; ++kind)
        shared.settings.fishCount[kind] = 0;
    Fish& fish = tank.fish[0];
    fish.x = fish.y = 0;
    fish.z = -70;
    fish.heading = fish.targetHeading = 100;
    fish.speed = 0.1f;
    chooseMode(ModeTouch);
    holdClickForAFrame(512, 384);
    EXPECT_FLOAT_EQ(fish.targetHeading, 190);
    EXPECT_FLOAT_EQ(fish.speed, 0.1f);
}

TEST_F(PickingTest, TheMarkerGlidesToWhereTheClickWent)
{
    chooseMode(ModeMarker);
    for (int frame = 0; frame < kMaxFishCount; ++frame)
        view.renderFrame();  // the marker shows once every fish is in
    clickAt(700, 250);
    for (int frame = 0; frame < 60; ++frame)
        view.renderFrame();
    const float* at = tank.marker.currentPosition();
    EXPECT_NEAR(at[0], worldX(700), 0.6 + 1.5);
    EXPECT_NEAR(at[1], worldY(250) - 2, 0.6 + 1.5);
}

TEST(PositionPick, AClickBeyondTheBarsIsHeldToTheTank)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    SceneCamera camera;
    camera.screenWidth = 1024;
    camera.screenHeight = 768;
    camera.apply();
    const TankBounds narrow{-10, 10, 10, -10, -50, 0};
    PickingBars bars;
    bars.place(narrow);
    PickState pick = pickPosition(bars, narrow, {10, 384});  // far left, at mid-height
    EXPECT_FLOAT_EQ(pick.pickX, -10);
    EXPECT_NEAR(pick.pickY, 0, 0.6);
    pick = pickPosition(bars, narrow, {600, 10});  // at the top
    EXPECT_NEAR(pick.pickX, worldX(600), 0.6);
    EXPECT_FLOAT_EQ(pick.pickY, 10);
}

}  // namespace
