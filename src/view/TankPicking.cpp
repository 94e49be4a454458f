#include "view/TankPicking.h"


#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

constexpr int kSelectionBufferSize = 512;
constexpr int kPositionPickSide = 15;
constexpr int kFishPickSide = 30;
// The bars' quads stand one unit in front of their places.
constexpr double kBarPlaneZ = -69.0;

// The middle of the run of bars that `hit` finds first, or nothing when none is hit.
template <typename Hit>
bool middleOfHits(int count, const float (*bars)[3], int axis, Hit hit, float& middle)
{
    int first = 0;
    while (first < count && !hit(first))
        ++first;
    if (first == count)
        return false;
    int last = first;
    while (last + 1 < count && hit(last + 1))
        ++last;
    middle = (bars[first][axis] + bars[last][axis]) / 2;
    return true;
}

// Where the line of sight through `click` crosses the bars' plane.
void lineOfSightOnBarPlane(POINT click, double& x, double& y)
{
    double modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double windowX = click.x;
    const double windowY = viewport[3] - click.y;
    double nearX, nearY, nearZ, farX, farY, farZ;
    gluUnProject(windowX, windowY, 0.0, modelview, projection, viewport, &nearX, &nearY, &nearZ);
    gluUnProject(windowX, windowY, 1.0, modelview, projection, viewport, &farX, &farY, &farZ);
    const double t = (kBarPlaneZ - nearZ) / (farZ - nearZ);
    x = nearX + t * (farX - nearX);
    y = nearY + t * (farY - nearY);
}

// How many primitives `draw` puts into the square of `side` pixels centred on `click` (client
// pixels, counted down from the top of the viewport).
template <typename Draw>
int selectionHits(POINT click, int side, Draw draw)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    double frameProjection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, frameProjection);
    GLuint buffer[kSelectionBufferSize];
    glSelectBuffer(kSelectionBufferSize, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(click.x, viewport[3] - click.y, side, side, viewport);
    glMultMatrixd(frameProjection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    draw();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return glRenderMode(GL_RENDER);
}

}  // namespace

PickState pickPosition(const PickingBars& bars, const TankBounds& tank, POINT click)
{
    double sightX, sightY;
    lineOfSightOnBarPlane(click, sightX, sightY);
    float x = static_cast<float>(sightX);
    float y = static_cast<float>(sightY);
    middleOfHits(PickingBars::kUprightBars, bars.sweepBarsX, 0, [&](int i) {
        return selectionHits(click, kPositionPickSide, [&] { bars.drawUpright(i); }) > 0;
    }, x);
    middleOfHits(PickingBars::kLevelBars, bars.sweepBarsY, 1, [&](int i) {
        return selectionHits(click, kPositionPickSide, [&] { bars.drawLevel(i); }) > 0;
    }, y);
    return {std::clamp(x, tank.xMin, tank.xMax), std::clamp(y, tank.yMin, tank.yMax)};
}

int pickFish(Fish* fish, int count, POINT click)
{
    for (int i = 0; i < count; ++i) {
        const int hits =
            selectionHits(click, kFishPickSide, [&] { Fish::draw(fish[i].step()); });
        if (hits > 0)
            return i;
    }
    return -1;
}
