#include "view/CameraViews.h"

#include "environment/BackgroundWall.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;
// The drift keeps within this share of each slider's travel.
constexpr double kDriftAcrossShare = 0.8;
constexpr double kDriftInOutShare = 0.6;
// The search for the limit across: no screen's backdrop leaves more room than this, and a
// twentieth of a unit is finer than a pixel at the backdrop.
constexpr double kMostAcross = 40.0;
constexpr double kLimitPrecision = 0.05;

int lerp(int from, int to, double t)
{
    return static_cast<int>(std::lround(from + (to - from) * t));
}

}  // namespace

ViewsPosition CameraViews::driftAt(int frame)
{
    const double across = std::sin(kTwoPi * frame / kDriftAcrossFrames);
    const double inOut = 0.5 - 0.5 * std::cos(kTwoPi * frame / kDriftInOutFrames);
    const int middle = kViewsLeftRightMax / 2;
    return {static_cast<int>(std::lround(middle + middle * kDriftAcrossShare * across)),
            static_cast<int>(std::lround(kViewsNearFarMax * kDriftInOutShare * inOut))};
}

void CameraViews::place(SceneCamera& camera, const Cover& cover, bool automatic,
                        ViewsPosition& now)
{
    if (automatic) {
        if (!drifting) {
            // Starting with the program, the drift starts at home; switched on later, the eye
            // eases onto it from wherever it stood.
            drifting = true;
            driftFrame = 0;
            easeFrom = now;
            easeFrame = placedBefore ? 0 : kEaseFrames;
        }
        const ViewsPosition onDrift = driftAt(driftFrame++);
        if (easeFrame < kEaseFrames) {
            const double t = static_cast<double>(++easeFrame) / kEaseFrames;
            const double smooth = t * t * (3 - 2 * t);
            now = {lerp(easeFrom.viewsLeftRightNow, onDrift.viewsLeftRightNow, smooth),
                   lerp(easeFrom.viewsNearFarNow, onDrift.viewsNearFarNow, smooth)};
        } else {
            now = onDrift;
        }
    } else {
        drifting = false;
    }
    placedBefore = true;
    standAt(camera, cover, now);
}

void CameraViews::standAt(SceneCamera& camera, const Cover& cover, const ViewsPosition& position)
{
    const int nearFar = std::clamp(position.viewsNearFarNow, 0, kViewsNearFarMax);
    const int leftRight = std::clamp(position.viewsLeftRightNow, 0, kViewsLeftRightMax);
    const double dolly = kFullDolly * nearFar / kViewsNearFarMax;
    const int middle = kViewsLeftRightMax / 2;
    camera.eyeShiftX = acrossLimitAt(camera, cover, dolly) * (leftRight - middle) / middle;
    camera.eyeShiftIn = dolly;
}

double CameraViews::acrossLimitAt(const SceneCamera& camera, const Cover& cover, double dolly)
{
    if (limits.empty())
        for (int depth = 0; depth <= kLimitDepths; ++depth)
            limits.push_back(acrossLimit(camera, cover, kFullDolly * depth / kLimitDepths));
    const double step = dolly / kFullDolly * kLimitDepths;
    const int below = std::clamp(static_cast<int>(step), 0, kLimitDepths - 1);
    const double t = step - below;
    return limits[below] + (limits[below + 1] - limits[below]) * t;
}

double CameraViews::acrossLimit(const SceneCamera& camera, const Cover& cover, double dolly)
{
    Point3d wall[4];
    BackgroundWall::corners(cover.tank, wall);
    SceneCamera moved = camera;
    moved.eyeShiftIn = dolly;
    const auto coveredAt = [&](double across) {
        for (double shift : {-across, across}) {
            moved.eyeShiftX = shift;
            if (!cover.backdrop.hidesQuad(wall, moved.projection()))
                return false;
        }
        return true;
    };
    // Where even the home view leaves an edge of the screen bare, the eye stays in the middle.
    if (!coveredAt(0))
        return 0;
    double inside = 0, outside = kMostAcross;
    while (outside - inside > kLimitPrecision) {
        const double middle = (inside + outside) / 2;
        (coveredAt(middle) ? inside : outside) = middle;
    }
    return inside;
}
