#include "view/SceneCamera.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

namespace {
// Half the frustum's shorter side at the near plane.
constexpr double kNearHalfSide = 0.4;
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
    gluLookAt(0.0, 0.0, cameraZOffset + kEyeBaseZ, 0.0, 0.0, kLookAtZ, 0.0, 1.0, 0.0);

    glViewport(0, 0, screenWidth, screenHeight);
}
