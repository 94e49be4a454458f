// The frame's camera: a perspective frustum of the surface's shape, the eye 7 units in front of
// the origin looking down -z (moved from there by the views of the tank), and the whole surface as
// the viewport. The surface is the screen (every screen, with several), or the window a preview
// is drawn into; its size is set once, at scene set-up.
#pragma once

#include "environment/BackdropPatch.h"

#include <windows.h>

class SceneCamera {
public:
    // Half the view's shorter side at one unit in front of the eye.
    static constexpr double kNearHalfSide = 0.4;

    // Takes the size of the surface drawn on.
    void setSurfaceSize(SIZE size)
    {
        screenWidth = size.cx;
        screenHeight = size.cy;
    }

    // Loads the projection, then the camera into the model-view matrix (left current), then sets
    // the viewport.
    void apply() const;
    // The matrices and viewport apply() sets.
    ScreenProjection projection() const;

    // Where the eye stands.
    double eyeX() const { return eyeShiftX; }
    double eyeZ() const;
    // Half the width and half the height of what the eye sees `distance` units in front of it.
    void halfExtentsAt(double distance, float& halfWidth, float& halfHeight) const;

    int screenWidth = 1680;     // surface size in pixels
    int screenHeight = 1050;
    float cameraZOffset = -5.0f;  // added to the eye's z
    // The views of the tank: the eye moved across (positive to the right) and toward the tank.
    double eyeShiftX = 0;
    double eyeShiftIn = 0;
};
