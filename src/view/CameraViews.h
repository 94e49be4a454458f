// The views of the tank: where the eye stands each frame. The far/near slider moves it from its
// home (the far end) toward the tank; the left/right slider moves it across, its middle straight
// in front of the tank. With "Auto change views" the eye drifts slowly on its own, and the views
// position follows it. Either way the eye goes only as far across as the backdrop keeps filling
// the screen from where it stands.
#pragma once

#include "environment/BackdropPatch.h"
#include "settings/AquariumSettings.h"
#include "tank/TankBounds.h"
#include "view/SceneCamera.h"

#include <vector>

class CameraViews {
public:
    // How far the near end of the far/near slider takes the eye toward the tank.
    static constexpr double kFullDolly = 12.0;
    // The drift's periods in frames: across, and in and out.
    static constexpr int kDriftAcrossFrames = 5400;
    static constexpr int kDriftInOutFrames = 4000;
    // Frames a change to automatic views takes to ease from where the eye was onto the drift.
    static constexpr int kEaseFrames = 180;
    // The depths at which the limit across is worked out.
    static constexpr int kLimitDepths = 12;

    // The backdrop in front of the tank's background wall, which the eye must keep covering the
    // screen; both stay as they are from scene set-up on.
    struct Cover {
        const BackdropPatch& backdrop;
        const TankBounds& tank;
    };

    // One frame: in automatic views, moves the drift on and writes where it is into `now`;
    // then stands the camera's eye at `now`.
    void place(SceneCamera& camera, const Cover& cover, bool automatic, ViewsPosition& now);

    // Stands the eye at a views position, each slider held to its range.
    void standAt(SceneCamera& camera, const Cover& cover, const ViewsPosition& position);

    // Where the drift is `frame` frames after it starts: at the home view at frame 0.
    static ViewsPosition driftAt(int frame);

    // How far across the eye may go, either way, `dolly` units toward the tank from home.
    static double acrossLimit(const SceneCamera& camera, const Cover& cover, double dolly);

private:
    // How far across the eye may go at `dolly`, from limits worked out once at evenly spaced
    // depths: between two of them it takes the straight line, which never passes the true
    // limit (a least of straight lines, one for each edge of the backdrop, bends down).
    double acrossLimitAt(const SceneCamera& camera, const Cover& cover, double dolly);

    std::vector<double> limits;  // at kLimitDepths + 1 depths from home to the full dolly
    bool drifting = false;
    bool placedBefore = false;
    int driftFrame = 0;
    int easeFrame = kEaseFrames;
    ViewsPosition easeFrom{};
};
