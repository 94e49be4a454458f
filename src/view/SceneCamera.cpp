#include "view/SceneCamera.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 1000.0;
// The eye's base z, before the offset, and the point it looks at.
constexpr double kEyeBaseZ = -2.0;
constexpr double kLookAtZ = -500.0;
}  // namespace

void SceneCamera::measureScreen()
{
    screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
}

double SceneCamera::eyeZ() const
{
    return cameraZOffset + kEyeBaseZ;
}

void SceneCamera::halfExtentsAt(double distance, float& halfWidth, float& halfHeight) const
{
    const double shorter = kNearHalfSide * distance;
    const double aspect = static_cast<double>(screenWidth) / screenHeight;
    halfWidth = static_cast<float>(shorter * std::max(1.0, aspect));
    halfHeight = static_cast<float>(shorter * std::max(1.0, 1.0 / aspect));
}

void SceneCamera::apply() const
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // The shorter side keeps its half-width; the longer one grows with the screen's shape.
    if (screenWidth > screenHeight) {
        const double halfWidth = kNearHalfSide * screenWidth / screenHeight;
        glFrustum(-halfWidth, halfWidth, -kNearHalfSide, kNearHalfSide, kNearPlane, kFarPlane);
    } else {
        const double halfHeight = kNearHalfSide * screenHeight / screenWidth;
        glFrustum(-kNearHalfSide, kNearHalfSide, -halfHeight, halfHeight, kNearPlane, kFarPlane);
    }

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, eyeZ(), 0.0, 0.0, kLookAtZ, 0.0, 1.0, 0.0);

    glViewport(0, 0, screenWidth, screenHeight);
}
