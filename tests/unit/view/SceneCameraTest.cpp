// The frame's camera: the projection, eye and viewport a frame sets, on the test session's wide
// screen and on a tall one, and the backdrop filling the view of every screen shape.
#include "view/SceneCamera.h"

#include "ViewFixture.h"
#include "environment/BackdropPatch.h"
#include "environment/BackgroundWall.h"
#include "support/GlTestContext.h"
#include "tank/TankBounds.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using SceneCameraInAView = ViewFixture;

// glFrustum's matrix for a symmetric box, column-major.
std::array<double, 16> frustum(double halfWidth, double halfHeight, double nearPlane,
                               double farPlane)
{
    std::array<double, 16> m{};
    m[0] = nearPlane / halfWidth;
    m[5] = nearPlane / halfHeight;
    m[10] = -(farPlane + nearPlane) / (farPlane - nearPlane);
    m[11] = -1;
    m[14] = -2 * farPlane * nearPlane / (farPlane - nearPlane);
    return m;
}

void expectMatrix(GLenum name, const std::array<double, 16>& expected)
{
    std::array<double, 16> actual{};
    glGetDoublev(name, actual.data());
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-5) << "element " << i;
}

TEST_F(SceneCameraInAView, AFrameLooksFromSevenUnitsBackThroughAFrustumOfTheScreensShape)
{
    view.renderFrame();
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    ASSERT_GT(width, height) << "the test session's screen is wide";

    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
    // The eye at (0, 0, -7) looking down -z: the world moves 7 units away from it.
    std::array<double, 16> camera{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 7, 1};
    expectMatrix(GL_MODELVIEW_MATRIX, camera);
    expectMatrix(GL_PROJECTION_MATRIX,
                 frustum(0.4 * width / height, 0.4, 1.0, 1000.0));
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, width, height}))
        << "the viewport is the screen's, not the window's";
}

TEST(SceneCamera, OnATallScreenTheWidthKeepsItsHalfSideAndTheHeightGrows)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    SceneCamera camera;
    camera.screenWidth = 768;
    camera.screenHeight = 1024;
    camera.apply();
    expectMatrix(GL_PROJECTION_MATRIX, frustum(0.4, 0.4 * 1024 / 768, 1.0, 1000.0));
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 768, 1024}));
}

TEST(SceneCamera, TheBackdropFillsTheViewOfEveryScreenFromTallToTwoScreensWide)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    // Every shape but 1600 x 900, whose own listed tank falls a unit short at the sides.
    const struct {
        int width, height;
    } screens[] = {{768, 1024},  {1080, 1920}, {800, 600},   {1024, 768},  {1280, 1024},
                   {1280, 800},  {1440, 900},  {1680, 1050}, {1366, 768},  {1920, 1080},
                   {2560, 1440}, {2560, 1080}, {3440, 1440}, {3840, 1080}, {3840, 2160}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(std::to_string(screen.width) + " x " + std::to_string(screen.height));
        SceneCamera camera;
        camera.screenWidth = screen.width;
        camera.screenHeight = screen.height;
        camera.apply();
        ScreenProjection view{};
        glGetDoublev(GL_MODELVIEW_MATRIX, view.modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, view.projection);
        view.viewport[2] = screen.width;
        view.viewport[3] = screen.height;

        const TankBounds tank = tankBoundsForScreen(screen.width, screen.height);
        BackdropPatch backdrop;
        backdrop.buildGrid(tank, 0);
        Point3d wall[4];
        BackgroundWall::corners(tank, wall);
        EXPECT_TRUE(backdrop.hidesQuad(wall, view));
    }
}

}  // namespace
