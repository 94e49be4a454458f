// The views of the tank: the sliders' positions as places of the eye, the automatic drift and
// how it starts, and the backdrop still filling the screen wherever the views put the eye.
#include "view/CameraViews.h"

#include "environment/BackgroundWall.h"
#include "support/CoverCheck.h"
#include "tank/TankBounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

struct Screen {
    int width, height;
};

struct Tank {
    explicit Tank(Screen screen) : bounds(tankBoundsForScreen(screen.width, screen.height))
    {
        backdrop.buildGrid(bounds, 0);
        camera.screenWidth = screen.width;
        camera.screenHeight = screen.height;
    }
    CameraViews::Cover cover() const { return {backdrop, bounds}; }

    TankBounds bounds;
    BackdropPatch backdrop;
    SceneCamera camera;
};

constexpr int kMiddle = kViewsLeftRightMax / 2;

TEST(CameraViews, TheFarEndAndTheMiddleAreHomeAndTheSlidersMoveTheEyeWithinTheLimit)
{
    Tank tank({1024, 768});
    CameraViews views;
    views.standAt(tank.camera, tank.cover(), {kMiddle, 0});
    EXPECT_EQ(tank.camera.eyeX(), 0);
    EXPECT_DOUBLE_EQ(tank.camera.eyeZ(), -7) << "home: where the eye stands without views";

    const double farLimit = CameraViews::acrossLimit(tank.camera, tank.cover(), 0);
    const double nearLimit = CameraViews::acrossLimit(tank.camera, tank.cover(), CameraViews::kFullDolly);
    EXPECT_GT(farLimit, 1.0) << "even from home the eye can move a little";
    EXPECT_GT(nearLimit, farLimit) << "nearer the tank the backdrop leaves more room";

    const struct {
        ViewsPosition position;
        double x, z;
    } cases[] = {
        {{0, 0}, -farLimit, -7},
        {{kViewsLeftRightMax, 0}, farLimit, -7},
        {{kViewsLeftRightMax, kViewsNearFarMax}, nearLimit, -7 - CameraViews::kFullDolly},
        {{-500, 99999}, -nearLimit, -7 - CameraViews::kFullDolly},  // held to the ranges
    };
    for (const auto& c : cases) {
        views.standAt(tank.camera, tank.cover(), c.position);
        SCOPED_TRACE(std::to_string(c.position.viewsLeftRightNow) + ", " +
                     std::to_string(c.position.viewsNearFarNow));
        EXPECT_NEAR(tank.camera.eyeX(), c.x, 1e-9);
        EXPECT_NEAR(tank.camera.eyeZ(), c.z, 1e-9);
    }
}

TEST(CameraViews, WhereverTheViewsPutTheEyeNoPixelOfTheWallShowsPastTheBackdrop)
{
    // The screens scaled down by four: the same frustum, so the same picture in fewer pixels.
    const Screen screens[] = {{1024, 768}, {1680, 1050}, {1280, 1024}, {1920, 1080}, {768, 1024}};
    // The corners of the sliders' square, and places between the depths the limits are worked
    // out at.
    const ViewsPosition corners[] = {{0, 0}, {kViewsLeftRightMax, 0}, {0, kViewsNearFarMax},
                                     {kViewsLeftRightMax, kViewsNearFarMax}, {kMiddle, 1000},
                                     {kViewsLeftRightMax, 1250}, {0, 333}};
    for (const Screen& screen : screens) {
        Tank tank(screen);
        Point3d wall[4];
        BackgroundWall::corners(tank.bounds, wall);
        CameraViews views;
        for (const ViewsPosition& at : corners) {
            SCOPED_TRACE(std::to_string(screen.width) + " x " + std::to_string(screen.height) +
                         " at " + std::to_string(at.viewsLeftRightNow) + ", " +
                         std::to_string(at.viewsNearFarNow));
            views.standAt(tank.camera, tank.cover(), at);
            ScreenProjection view = tank.camera.projection();
            ASSERT_TRUE(tank.backdrop.hidesQuad(wall, view));
            view.viewport[2] /= 4;
            view.viewport[3] /= 4;
            EXPECT_EQ(redPixelsLeft(tank.backdrop, wall, view), 0);
        }
    }
}

TEST(CameraViews, WhereHomeLeavesTheSidesBareTheEyeStaysInTheMiddle)
{
    Tank tank({1600, 900});
    EXPECT_EQ(CameraViews::acrossLimit(tank.camera, tank.cover(), 0), 0);
    EXPECT_GT(CameraViews::acrossLimit(tank.camera, tank.cover(), CameraViews::kFullDolly), 0)
        << "nearer the tank, the backdrop covers it and leaves room to move";
}

TEST(CameraViews, TheDriftStartsAtHomeAndMovesSlowlyAndSmoothlyWithinTheSliders)
{
    const ViewsPosition start = CameraViews::driftAt(0);
    EXPECT_EQ(start.viewsLeftRightNow, kMiddle);
    EXPECT_EQ(start.viewsNearFarNow, 0);
    int leftMost = kMiddle, rightMost = kMiddle, nearest = 0;
    ViewsPosition before = start;
    for (int frame = 1; frame <= CameraViews::kDriftAcrossFrames * 2; ++frame) {
        const ViewsPosition now = CameraViews::driftAt(frame);
        ASSERT_LE(std::abs(now.viewsLeftRightNow - before.viewsLeftRightNow), 4) << frame;
        ASSERT_LE(std::abs(now.viewsNearFarNow - before.viewsNearFarNow), 2) << frame;
        leftMost = std::min(leftMost, now.viewsLeftRightNow);
        rightMost = std::max(rightMost, now.viewsLeftRightNow);
        nearest = std::max(nearest, now.viewsNearFarNow);
        before = now;
    }
    EXPECT_GE(leftMost, 0);
    EXPECT_LE(rightMost, kViewsLeftRightMax);
    EXPECT_LT(leftMost, kMiddle - 2000) << "it goes well to either side";
    EXPECT_GT(rightMost, kMiddle + 2000);
    EXPECT_GT(nearest, kViewsNearFarMax / 2);
    EXPECT_LE(nearest, kViewsNearFarMax);
}

TEST(CameraViews, AutomaticViewsFromTheStartBeginAtHomeAndLaterEaseOnFromWhereTheEyeWas)
{
    Tank tank({1024, 768});
    CameraViews fromStart;
    ViewsPosition now{123, 456};  // loaded from the file; the drift starts at home regardless
    fromStart.place(tank.camera, tank.cover(), true, now);
    EXPECT_EQ(now.viewsLeftRightNow, kMiddle);
    EXPECT_EQ(now.viewsNearFarNow, 0);

    CameraViews switched;
    now = {0, kViewsNearFarMax};
    switched.place(tank.camera, tank.cover(), false, now);
    EXPECT_EQ(now.viewsLeftRightNow, 0) << "by hand, the position stays where the slider put it";
    ViewsPosition before = now;
    for (int frame = 0; frame < CameraViews::kEaseFrames; ++frame) {
        switched.place(tank.camera, tank.cover(), true, now);
        ASSERT_LE(std::abs(now.viewsLeftRightNow - before.viewsLeftRightNow), 60) << frame;
        ASSERT_LE(std::abs(now.viewsNearFarNow - before.viewsNearFarNow), 40) << frame;
        before = now;
    }
    const ViewsPosition onDrift = CameraViews::driftAt(CameraViews::kEaseFrames - 1);
    EXPECT_EQ(now.viewsLeftRightNow, onDrift.viewsLeftRightNow) << "eased onto the drift";
    EXPECT_EQ(now.viewsNearFarNow, onDrift.viewsNearFarNow);
}

}  // namespace
