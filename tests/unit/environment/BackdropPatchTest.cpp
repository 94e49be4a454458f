// The backdrop's Bézier curve, control grid and drawn patch (vertices read back in feedback mode),
// and the proof that it covers the screen in front of the background wall.
#include "environment/BackdropPatch.h"

#include "environment/BackgroundWall.h"
#include "support/CoverCheck.h"
#include "support/Feedback.h"
#include "support/GlTestContext.h"
#include "tank/TankBounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(BezierCurve, EndsAtTheLastAndFirstPointsAndIsLinearOnEvenlySpacedPoints)
{
    const Point3d line[6] = {{0, 0, 0}, {1, 2, 0}, {2, 4, 0}, {3, 6, 0}, {4, 8, 0}, {5, 10, -1}};
    const Point3d atOne = evaluateBezierCurve(line, 1.0f);
    const Point3d atZero = evaluateBezierCurve(line, 0.0f);
    EXPECT_DOUBLE_EQ(atOne.x, 0.0);
    EXPECT_DOUBLE_EQ(atZero.x, 5.0);
    EXPECT_DOUBLE_EQ(atZero.z, -1.0);
    // Evenly spaced control points give the straight line back: x = 5 (1 − t).
    const Point3d inside = evaluateBezierCurve(line, 0.3f);
    EXPECT_NEAR(inside.x, 5 * (1 - 0.3), 1e-6);
    EXPECT_NEAR(inside.y, 10 * (1 - 0.3), 1e-6);
}

TEST(BackdropGrid, SpansTheTankAndLeansOnlyTheTopRows)
{
    BackdropPatch patch;
    patch.buildGrid(tankBoundsForScreen(1024, 768), 0);
    const auto& p = patch.controlPoints;
    EXPECT_NEAR(p[0][0].x, -49 + 0.008, 1e-6);
    EXPECT_NEAR(p[0][0].z, -90 + 0.008, 1e-6);
    EXPECT_NEAR(p[0][1].z, -90 - 0.008, 1e-6);
    EXPECT_DOUBLE_EQ(p[0][0].y, 39.0);
    EXPECT_DOUBLE_EQ(p[5][5].x, 49.0);
    EXPECT_DOUBLE_EQ(p[5][5].y, -38.0);
    EXPECT_DOUBLE_EQ(p[2][3].z, -90.0);
    EXPECT_NEAR(p[2][1].x, -49 + 98 * 0.2, 1e-9);
}

TEST(BackdropGrid, OffsetMovesOnlyInBackgroundModesZeroAndTwoAndTurnsAtItsLimits)
{
    const TankBounds tank = tankBoundsForScreen(1024, 768);
    BackdropPatch patch;
    patch.buildGrid(tank, 1);
    EXPECT_NEAR(patch.controlPoints[0][0].x, -49.0, 1e-6) << "mode 1 leaves the offset at 0";
    patch.buildGrid(tank, 2);
    EXPECT_NEAR(patch.controlPoints[0][0].x, -49 + 0.008, 1e-6);

    // Up past 1, then back down past −0.5, then up again.
    float highest = -10, lowest = 10;
    for (int i = 0; i < 500; ++i) {
        patch.buildGrid(tank, 0);
        const float w = static_cast<float>(patch.controlPoints[0][0].x + 49.0);
        highest = std::max(highest, w);
        lowest = std::min(lowest, w);
    }
    EXPECT_NEAR(highest, 1.0, 0.01);
    EXPECT_NEAR(lowest, -0.5, 0.01);
}

// Vertices drawn by the patch, in world coordinates, with their texture coordinates.
struct FedBackVertex {
    float x, y, s, t;
};

std::vector<FedBackVertex> drawInFeedbackMode(const BackdropPatch& patch, unsigned* listName)
{
    // Window coordinates map back to world x and y through this orthographic box.
    constexpr float kHalfWidth = 60, kHalfHeight = 50;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kHalfWidth, kHalfWidth, -kHalfHeight, kHalfHeight, 0, 200);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);

    std::vector<FedBackVertex> vertices;
    for (const FeedbackVertex& f : capturePolygonVertices([&] { *listName = patch.draw(); }))
        vertices.push_back({(f.x - viewport[0]) / viewport[2] * 2 * kHalfWidth - kHalfWidth,
                            (f.y - viewport[1]) / viewport[3] * 2 * kHalfHeight - kHalfHeight,
                            f.s, f.t});
    return vertices;
}

TEST(BackdropDraw, PatchCoversTheTankWidthWithThePictureMirroredAcrossIt)
{
    GlTestContext gl(256, 256);
    ASSERT_TRUE(gl.ready());
    BackdropPatch patch;
    patch.buildGrid(tankBoundsForScreen(1024, 768), 0);

    unsigned listName = 0;
    const std::vector<FedBackVertex> vertices = drawInFeedbackMode(patch, &listName);
    ASSERT_GE(vertices.size(), 24u) << "two strips of width with four triangles each, at least";

    const auto byX = std::minmax_element(vertices.begin(), vertices.end(),
                                         [](auto& a, auto& b) { return a.x < b.x; });
    const auto byY = std::minmax_element(vertices.begin(), vertices.end(),
                                         [](auto& a, auto& b) { return a.y < b.y; });
    EXPECT_NEAR(byX.first->x, -49.0, 0.5);
    EXPECT_NEAR(byX.second->x, 49.0, 0.5);
    EXPECT_NEAR(byY.first->y, -38.0, 0.5);
    EXPECT_NEAR(byY.second->y, 39.0, 0.5);
    // The picture's s runs from 1 at the left edge to 0 at the right, t from 0 at the bottom.
    EXPECT_NEAR(byX.first->s, 1.0, 1e-5);
    EXPECT_NEAR(byX.second->s, 0.0, 1e-5);
    EXPECT_NEAR(byY.first->t, 0.0, 1e-5);
    EXPECT_NEAR(byY.second->t, 1.0, 1e-5);
}

TEST(BackdropDraw, EachDrawReplacesTheDisplayListNameItWasGiven)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    BackdropPatch patch;
    patch.buildGrid(tankBoundsForScreen(1024, 768), 0);
    patch.listName = patch.draw();
    const unsigned first = patch.listName;
    ASSERT_NE(first, 0u);
    const unsigned second = patch.draw();
    EXPECT_NE(second, first);
    EXPECT_FALSE(glIsList(first)) << "the name given back must be deleted";
    patch.listName = second;
    patch.listName = patch.draw();
    EXPECT_FALSE(glIsList(second));
}

// The view the frames use on a screen of the given size: the camera 7 units in front of the
// origin, looking down the z axis, through the frame's frustum.
ScreenProjection frameView(int width, int height)
{
    ScreenProjection view{};
    const double halfWidth = 0.4 * width / height;
    const double n = 1.0, f = 1000.0;
    double* p = view.projection;
    p[0] = n / halfWidth;
    p[5] = n / 0.4;
    p[10] = -(f + n) / (f - n);
    p[11] = -1;
    p[14] = -2 * f * n / (f - n);
    double* m = view.modelview;
    m[0] = m[5] = m[10] = m[15] = 1;
    m[14] = 7;
    view.viewport[2] = width;
    view.viewport[3] = height;
    return view;
}

TEST(BackdropCover, HidesAQuadBehindItOnlyWhenItFillsTheScreenInFrontOfIt)
{
    BackdropPatch patch;
    const TankBounds tank = tankBoundsForScreen(1024, 768);
    patch.buildGrid(tank, 0);
    const Point3d wall[4] = {{-98, -75, -150}, {98, -75, -150}, {98, 75, -150}, {-98, 75, -150}};
    EXPECT_TRUE(patch.hidesQuad(wall, frameView(1024, 768)));

    const Point3d nearer[4] = {{-98, -75, -60}, {98, -75, -60}, {98, 75, -60}, {-98, 75, -60}};
    EXPECT_FALSE(patch.hidesQuad(nearer, frameView(1024, 768))) << "the quad is in front";
    const Point3d crossing[4] = {{-98, -75, -150}, {98, -75, -150}, {98, 75, -80}, {-98, 75, -80}};
    EXPECT_FALSE(patch.hidesQuad(crossing, frameView(1024, 768))) << "its top is in front";

    // On a wide screen the patch of the wide tank leaves the screen's sides uncovered.
    BackdropPatch wide;
    wide.buildGrid(tankBoundsForScreen(1600, 900), 0);
    EXPECT_FALSE(wide.hidesQuad(wall, frameView(1600, 900)));
    // A 16:10 screen's own tank is wide enough to cover it.
    BackdropPatch sixteenByTen;
    sixteenByTen.buildGrid(tankBoundsForScreen(1680, 1050), 0);
    Point3d sixteenByTenWall[4];
    BackgroundWall::corners(tankBoundsForScreen(1680, 1050), sixteenByTenWall);
    EXPECT_TRUE(sixteenByTen.hidesQuad(sixteenByTenWall, frameView(1680, 1050)));

    // Pushed back past the far plane, or looked at from behind, it hides nothing.
    ScreenProjection pastFar = frameView(1024, 768);
    pastFar.modelview[14] = -950;
    EXPECT_FALSE(patch.hidesQuad(wall, pastFar));
    ScreenProjection behind = frameView(1024, 768);
    behind.modelview[14] = -200;
    EXPECT_FALSE(patch.hidesQuad(wall, behind));
}

TEST(BackdropCover, TheRasteriserAgreesWithTheProof)
{
    // The background wall of each screen's tank, and the screens scaled down by four: the same
    // frustum, so the same picture in fewer pixels.
    Point3d wall[4];
    BackgroundWall::corners(tankBoundsForScreen(1024, 768), wall);
    BackdropPatch covering;
    covering.buildGrid(tankBoundsForScreen(1024, 768), 0);
    covering.tessellation = 2;
    ScreenProjection view = frameView(1024, 768);
    view.viewport[2] = 256;
    view.viewport[3] = 192;
    ASSERT_TRUE(covering.hidesQuad(wall, view));
    EXPECT_EQ(redPixelsLeft(covering, wall, view), 0);

    BackdropPatch wide;
    wide.buildGrid(tankBoundsForScreen(1600, 900), 0);
    wide.tessellation = 2;
    BackgroundWall::corners(tankBoundsForScreen(1600, 900), wall);
    view = frameView(1600, 900);
    view.viewport[2] = 400;
    view.viewport[3] = 225;
    ASSERT_FALSE(wide.hidesQuad(wall, view));
    EXPECT_GT(redPixelsLeft(wide, wall, view), 0) << "the wall shows at the sides";
}

TEST(BackdropCover, MeshPointsRunFromTheLastRowsLastPointToTheFirstRowsFirst)
{
    BackdropPatch patch;
    patch.buildGrid(tankBoundsForScreen(1024, 768), 0);
    const std::vector<Point3d> points = patch.meshPoints();
    ASSERT_EQ(points.size(), 9u);
    // t = 0 and v = 0 is the last control point of the last row.
    EXPECT_DOUBLE_EQ(points[0].x, patch.controlPoints[5][5].x);
    EXPECT_DOUBLE_EQ(points[0].y, patch.controlPoints[5][5].y);
    EXPECT_DOUBLE_EQ(points[8].x, patch.controlPoints[0][0].x);
    EXPECT_DOUBLE_EQ(points[8].y, patch.controlPoints[0][0].y);
}

}  // namespace
