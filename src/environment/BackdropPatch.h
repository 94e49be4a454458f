// The backdrop: the reef picture stretched over a bi-quintic Bézier patch of 6 × 6 control points
// that stands as a curved wall behind the tank.
#pragma once

#include "view/TankBounds.h"

struct Point3d {
    double x, y, z;
};

constexpr int kBackdropGridSize = 6;

// The point Σ C(5, i) t^(5−i) (1−t)^i P[i]: P[0] at t = 1, P[5] at t = 0.
Point3d evaluateBezierCurve(const Point3d points[kBackdropGridSize], float t);

class BackdropPatch {
public:
    // Builds the control grid from the tank's width; the top two rows lean back and forth by a
    // small offset that moves each time the grid is built with background mode 0 or 2.
    void buildGrid(const TankBounds& tank, int backgroundMode);

    // Draws the patch with the bound texture in immediate mode. Returns a fresh display-list name
    // after deleting `listName`; the caller stores it back in `listName`.
    unsigned draw() const;

    Point3d controlPoints[kBackdropGridSize][kBackdropGridSize]{};  // row 0 is the top row
    int tessellation = 2;  // steps per parameter direction
    unsigned listName = 0;  // display-list name returned by the last draw

private:
    float wobble = 0;          // offset of the top rows
    bool wobbleRising = true;  // direction in which the offset moves next
};
