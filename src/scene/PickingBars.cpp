#include "scene/PickingBars.h"

#include <windows.h>
#include <GL/gl.h>

namespace {

constexpr float kBarDepth = -70.0f;
constexpr float kUprightSpacing = 0.990099f;  // 100 / 101
constexpr float kLevelSpacingPerUnit = 0.02f;
constexpr float kDriftStep = 0.1f;
constexpr float kDriftReach = 1.0f;
// Each bar is a quad one unit in front of its place: upright 1 wide and 60 high, level 180 wide
// and 1 high.
constexpr float kBarFront = 1.0f;
constexpr float kUprightHalfWidth = 0.5f, kUprightHalfHeight = 30.0f;
constexpr float kLevelHalfWidth = 90.0f, kLevelHalfHeight = 0.5f;

// One coordinate of every bar sweeps together. Bar 0 moves first and decides the direction, so
// each later bar follows the direction bar 0 has after its own step.
void sweep(float (*bars)[3], int count, int axis, float low, bool& rising)
{
    for (int i = 0; i < count; ++i) {
        const float lead = bars[0][axis];
        if (low - kDriftReach > lead)
            rising = true;
        if (low + kDriftReach < lead) {
            rising = false;
            bars[i][axis] -= kDriftStep;
        } else {
            bars[i][axis] += rising ? kDriftStep : -kDriftStep;
        }
    }
}

// The bars are drawn only in selection passes, a hundred or more for a click. They are drawn from
// an array: the same quads between glBegin and glEnd made Mesa's software driver keep about a
// kilobyte of every selection pass, over 100 KB a click, for the program's whole life.
void drawQuad(const float at[3], float halfWidth, float halfHeight)
{
    glPushMatrix();
    glTranslatef(at[0], at[1], at[2]);
    const float corners[4][3] = {{-halfWidth, -halfHeight, kBarFront},
                                 {halfWidth, -halfHeight, kBarFront},
                                 {halfWidth, halfHeight, kBarFront},
                                 {-halfWidth, halfHeight, kBarFront}};
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners);
    glDrawArrays(GL_QUADS, 0, 4);
    glPopClientAttrib();
    glPopMatrix();
}

}  // namespace

void PickingBars::place(const TankBounds& tank)
{
    for (int i = 0; i < kUprightBars; ++i) {
        sweepBarsX[i][0] = tank.xMin + static_cast<float>(i) * kUprightSpacing;
        sweepBarsX[i][1] = 0.0f;
        sweepBarsX[i][2] = kBarDepth;
    }
    const float spacing =
        kLevelSpacingPerUnit * static_cast<float>(static_cast<int>(tank.yMax - tank.yMin));
    for (int i = 0; i < kLevelBars; ++i) {
        sweepBarsY[i][0] = 0.0f;
        sweepBarsY[i][1] = tank.yMin + static_cast<float>(i) * spacing;
        sweepBarsY[i][2] = kBarDepth;
    }
}

void PickingBars::drift(const TankBounds& tank)
{
    sweep(sweepBarsX, kUprightBars, 0, tank.xMin, sweepXRising);
    sweep(sweepBarsY, kLevelBars, 1, tank.yMin, sweepYRising);
}

void PickingBars::drawUpright(int i) const
{
    drawQuad(sweepBarsX[i], kUprightHalfWidth, kUprightHalfHeight);
}

void PickingBars::drawLevel(int i) const
{
    drawQuad(sweepBarsY[i], kLevelHalfWidth, kLevelHalfHeight);
}
