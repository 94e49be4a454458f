// The backdrop: the reef picture stretched over a bi-quintic Bézier patch of 6 × 6 control points
// that stands as a curved wall behind the tank.
#pragma once

#include "tank/TankBounds.h"

#include <vector>

struct Point3d {
    double x, y, z;
};

constexpr int kBackdropGridSize = 6;

// The point Σ C(5, i) t^(5−i) (1−t)^i P[i]: P[0] at t = 1, P[5] at t = 0.
Point3d evaluateBezierCurve(const Point3d points[kBackdropGridSize], float t);

// How the current view puts points on the screen: the modelview and projection matrices
// (column-major, as OpenGL returns them) and the viewport (x, y, width, height).
struct ScreenProjection {
    double modelview[16];
    double projection[16];
    int viewport[4];
};

class BackdropPatch {
public:
    // Builds the control grid across the tank's width, its rows stretched with the tank's height;
    // the top two rows lean back and forth by a small offset that moves each time the grid is
    // built with background mode 0 or 2.
    void buildGrid(const TankBounds& tank, int backgroundMode);

    // Draws the patch with the bound texture in immediate mode. Returns a fresh display-list name
    // after deleting `listName`; the caller stores it back in `listName`.
    unsigned draw() const;
    // The (tessellation + 1)² points of the patch, t by t, each column of v from 0 to 1: the
    // points draw() joins into strips and hidesQuad() projects.
    std::vector<Point3d> meshPoints() const;
    // True when the patch as draw() sends it covers every pixel of `view`'s viewport, with none
    // of it cut by the near or far plane, and lies nearer the eye than every point of the flat
    // quad `corners`: drawn opaque after that quad, it then overwrites all the quad left behind.
    bool hidesQuad(const Point3d corners[4], const ScreenProjection& view) const;

    // The patch's width over its height, from its control points.
    double aspectRatio() const;

    Point3d controlPoints[kBackdropGridSize][kBackdropGridSize]{};  // row 0 is the top row
    int tessellation = 2;  // steps per parameter direction
    unsigned listName = 0;  // display-list name returned by the last draw

private:
    float wobble = 0;          // offset of the top rows
    bool wobbleRising = true;  // direction in which the offset moves next
};
