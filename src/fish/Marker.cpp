#include "fish/Marker.h"

#include <windows.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

constexpr float kSpinPerDraw = 0.1f;
constexpr float kFullTurn = 360.0f;

// The cone: a cylinder closing to a point, its base of radius 3 in the x-y plane, 1 high.
constexpr double kConeRadius = 3.0;
constexpr double kConeHeight = 1.0;
constexpr int kConeSlices = 15;
constexpr int kConeStacks = 10;

constexpr float kGlidePerFrame = 1.5f;

// How far the marker glides on one axis, given the target's offset on that axis: a full step
// toward it while it is more than a step away, else nothing (so it stops short of the target).
float glideStep(float offset)
{
    if (std::fabs(offset) <= kGlidePerFrame)
        return 0.0f;
    return offset > 0.0f ? kGlidePerFrame : -kGlidePerFrame;
}

GLuint compileCone()
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluCylinder(quadric, kConeRadius, 0.0, kConeHeight, kConeSlices, kConeStacks);
    gluDeleteQuadric(quadric);
    glEndList();
    return list;
}

}  // namespace

float Marker::spin = 0.0f;

void Marker::place(float x, float y, float z)
{
    const float point[3] = {x, y, z};
    for (int axis = 0; axis < 3; ++axis)
        start[axis] = target[axis] = position[axis] = point[axis];
    draw(spinInPlace());
}

void Marker::setTarget(float x, float y, float z)
{
    target[0] = x;
    target[1] = y;
    target[2] = z;
}

MarkerPose Marker::step()
{
    const MarkerPose pose = spinInPlace();
    for (int axis = 0; axis < 3; ++axis)
        position[axis] += glideStep(target[axis] - position[axis]);
    return pose;
}

MarkerPose Marker::spinInPlace()
{
    spin += kSpinPerDraw;
    if (spin > kFullTurn)
        spin = 0.0f;
    MarkerPose pose;
    for (int axis = 0; axis < 3; ++axis)
        pose.position[axis] = position[axis];
    pose.spin = spin;
    return pose;
}

void Marker::draw(const MarkerPose& pose)
{
    glPushMatrix();
    glTranslatef(pose.position[0], pose.position[1], pose.position[2]);
    glRotatef(pose.spin, 0.0f, 0.0f, 1.0f);
    // The cone takes whatever colour and texture the passes before it left.
    if (coneList == 0)
        coneList = compileCone();
    glCallList(coneList);
    glPopMatrix();
}
