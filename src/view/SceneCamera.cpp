#include "view/SceneCamera.h"

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>

namespace {
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 1000.0;
// The eye's base z, before the offset; it looks straight down -z.
constexpr double kEyeBaseZ = -2.0;
}  // namespace

double SceneCamera::eyeZ() const
{
    return cameraZOffset + kEyeBaseZ - eyeShiftIn;
}

void SceneCamera::halfExtentsAt(double distance, float& halfWidth, float& halfHeight) const
{
    const double shorter = kNearHalfSide * distance;
    const double aspect = static_cast<double>(screenWidth) / screenHeight;
    halfWidth = static_cast<float>(shorter * std::max(1.0, aspect));
    halfHeight = static_cast<float>(shorter * std::max(1.0, 1.0 / aspect));
}

ScreenProjection SceneCamera::projection() const
{
    ScreenProjection view{};
    // A symmetric frustum (as glFrustum makes it): the shorter side keeps its half-width, the
    // longer one grows with the screen's shape.
    const double aspect = static_cast<double>(screenWidth) / screenHeight;
    const double halfWidth = kNearHalfSide * kNearPlane * std::max(1.0, aspect);
    const double halfHeight = kNearHalfSide * kNearPlane * std::max(1.0, 1.0 / aspect);
    double* p = view.projection;
    p[0] = kNearPlane / halfWidth;
    p[5] = kNearPlane / halfHeight;
    p[10] = -(kFarPlane + kNearPlane) / (kFarPlane - kNearPlane);
    p[11] = -1;
    p[14] = -2 * kFarPlane * kNearPlane / (kFarPlane - kNearPlane);
    // Looking straight down -z, the camera only moves the world away from the eye.
    double* m = view.modelview;
    m[0] = m[5] = m[10] = m[15] = 1;
    m[12] = -eyeX();
    m[14] = -eyeZ();
    view.viewport[2] = screenWidth;
    view.viewport[3] = screenHeight;
    return view;
}

void SceneCamera::apply() const
{
    const ScreenProjection view = projection();
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(view.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(view.modelview);
    glViewport(0, 0, screenWidth, screenHeight);
}
