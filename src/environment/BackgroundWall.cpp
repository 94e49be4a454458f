#include "environment/BackgroundWall.h"

#include "settings/AquariumSettings.h"
#include "settings/SharedSettings.h"

#include <windows.h>
#include <GL/gl.h>

#include <cmath>

namespace {

constexpr float kPhaseStep = 0.2f;
constexpr float kPhaseLimit = 10000.0f;

// The four corners of every quad, far behind the tank: bottom left, bottom right, top right,
// top left.
struct WallCorners {
    float x[4], y[4], z;
};

WallCorners wallCorners(const TankBounds& tank)
{
    return {{2 * tank.xMin, 2 * tank.xMax, 2 * tank.xMax, 2 * tank.xMin},
            {3 * tank.yMin, 3 * tank.yMin, 3 * tank.yMax, 3 * tank.yMax},
            3 * tank.zMin};
}

void beginFlatQuad()
{
    glShadeModel(GL_SMOOTH);
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
}

void endFlatQuad()
{
    glEnd();
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
}

void colourFromColorref(unsigned long colour)
{
    glColor3ub(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// What drawing a quad leaves behind besides its pixels: the colours given inside it are
// followed by white, which colour material also makes the material's.
void leaveQuadState()
{
    glShadeModel(GL_SMOOTH);
    glDisable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

void BackgroundWall::corners(const TankBounds& tank, Point3d out[4])
{
    const WallCorners wall = wallCorners(tank);
    for (int corner = 0; corner < 4; ++corner)
        out[corner] = {wall.x[corner], wall.y[corner], wall.z};
}

void BackgroundWall::draw(const AquariumSettings& settings, const TankBounds& tank,
                          ColorPhases& phases, bool hidden)
{
    if (hidden) {
        if (settings.backFixed || settings.backGradient)
            leaveQuadState();
        if (settings.backAutoGradient)
            drawCyclingWash(settings, tank, phases, true);
        return;
    }
    const WallCorners wall = wallCorners(tank);
    if (settings.backFixed) {
        beginFlatQuad();
        colourFromColorref(static_cast<unsigned long>(settings.backColor));
        for (int corner = 0; corner < 4; ++corner)
            glVertex3f(wall.x[corner], wall.y[corner], wall.z);
        endFlatQuad();
    }
    if (settings.backGradient) {
        beginFlatQuad();
        for (int corner = 0; corner < 4; ++corner) {
            // The bottom edge takes the second colour, the top edge the first.
            colourFromColorref(static_cast<unsigned long>(corner < 2 ? settings.backColor2
                                                                     : settings.backColor1));
            glVertex3f(wall.x[corner], wall.y[corner], wall.z);
        }
        endFlatQuad();
    }
    if (settings.backAutoGradient)
        drawCyclingWash(settings, tank, phases, false);
}

void BackgroundWall::drawCyclingWash(const AquariumSettings& settings, const TankBounds& tank,
                                     ColorPhases& phases, bool hidden)
{
    if (!phaseStarted) {
        backColorPhase = settings.lockBackRotation;
        phaseStarted = true;
    }
    if (settings.lockBack == 0) {
        backColorPhase += kPhaseStep;
        if (backColorPhase >= kPhaseLimit)
            backColorPhase = 0;
        phases.back = backColorPhase;
    }
    if (hidden) {
        leaveQuadState();
        return;
    }

    // Three sine waves of different periods, so the colours never quite repeat.
    const float a = backColorPhase * 0.033333335f;
    const float b = backColorPhase * 0.04f;
    const float c = backColorPhase * 0.05882353f;
    const WallCorners wall = wallCorners(tank);
    beginFlatQuad();
    glColor3f(1 - std::cos(a), 1 - std::sin(b), 1 - std::cos(c));
    glVertex3f(wall.x[0], wall.y[0], wall.z);
    glVertex3f(wall.x[1], wall.y[1], wall.z);
    glColor3f(std::sin(a), std::cos(b), std::sin(c));
    glVertex3f(wall.x[2], wall.y[2], wall.z);
    glColor3f(std::sin(a), 1 - std::cos(b), std::sin(c));
    glVertex3f(wall.x[3], wall.y[3], wall.z);
    endFlatQuad();
}
