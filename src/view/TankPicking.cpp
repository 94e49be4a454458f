#include "view/TankPicking.h"

#include "fish/School.h"
#include "settings/SettingsStore.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

constexpr int kSelectionBufferSize = 512;
constexpr int kPositionPickSide = 15;
constexpr int kFishPickSide = 30;
// The bars' quads stand one unit in front of their places.
constexpr double kBarPlaneZ = -69.0;
constexpr float kMarkerBelowPick = 2.0f;
constexpr float kMarkerDepth = -70.0f;
// How a touched fish reacts: a quarter turn (in the rear band) and a nudge of its speed.
constexpr float kTouchSpeedStep = 0.4f;
constexpr float kTouchSpeedTarget = 0.15f;
constexpr float kZoomStep = 2.0f;

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

void pickPosition(const PickingBars& bars, const TankBounds& tank, POINT click, PickState& pick)
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
    pick.pickHasX = true;
    pick.pickHasY = true;
    pick.pickX = std::clamp(x, tank.xMin, tank.xMax);
    pick.pickY = std::clamp(y, tank.yMin, tank.yMax);
}

int pickFish(Fish* fish, int count, POINT click)
{
    for (int i = 0; i < count; ++i) {
        const int hits = selectionHits(click, kFishPickSide, [&] {
            glTranslatef(fish[i].x, fish[i].y, fish[i].z);
            fish[i].drawAndAdvance();
        });
        if (hits > 0)
            return i;
    }
    return -1;
}

void runModeBlock(TankScene& scene, Interaction& interaction)
{
    // The bars are drawn white and fully transparent, though nothing of them reaches the screen.
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
    scene.pickingBars.drift(scene.tankBounds);
    for (int c = 0; c < interaction.waitingClickCount; ++c) {
        pickPosition(scene.pickingBars, scene.tankBounds, interaction.waitingClicks[c],
                     scene.pickState);
        PickState& pick = scene.pickState;
        const int mode = interaction.InteractionMode;
        if (mode == ModeFeed) {
            pick.pickHasX = pick.pickHasY = false;
            scene.dropFood(pick.pickX, pick.pickY);
        } else if (mode == ModeMarker) {
            pick.pickHasX = pick.pickHasY = false;
            scene.marker.setTarget(pick.pickX, pick.pickY - kMarkerBelowPick, kMarkerDepth);
        }
    }
    interaction.waitingClickCount = 0;
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
}

void runFishPick(TankScene& scene, Interaction& interaction)
{
    if (!interaction.buttonDown)
        return;
    interaction.buttonDown = false;
    const int total = FishKindRanges(theSettings.fishCount).shownCount();
    const int hit = pickFish(scene.fish, total, interaction.buttonPoint);
    if (hit < 0)
        return;
    Fish& touched = scene.fish[hit];
    switch (interaction.InteractionMode) {
    case ModeTouch:
        touched.steerHeading(0.0f, true, HeadingRule::QuarterTurn);
        touched.approachSpeed(kTouchSpeedStep, kTouchSpeedTarget);
        break;
    case ModeZoomIn:
        touched.resize(kZoomStep, true);
        break;
    case ModeZoomOut:
        touched.resize(kZoomStep, false);
        break;
    default:  // the marker mode picks a fish and does nothing with it
        break;
    }
}
