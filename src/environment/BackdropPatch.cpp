#include "environment/BackdropPatch.h"

#include <windows.h>
#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace {

constexpr double kBinomial[kBackdropGridSize] = {1, 5, 10, 10, 5, 1};
constexpr double kRowHeights[kBackdropGridSize] = {39.0, 23.6, 8.2, -7.2, -22.6, -38.0};
constexpr double kWallDepth = -90.0;
constexpr int kLeaningRows = 2;
constexpr float kWobbleStep = 0.008f;
constexpr float kWobbleHigh = 1.0f;
constexpr float kWobbleLow = -0.5f;

void vertex(const Point3d& p)
{
    glVertex3d(p.x, p.y, p.z);
}

}  // namespace

Point3d evaluateBezierCurve(const Point3d points[kBackdropGridSize], float t)
{
    Point3d sum{0, 0, 0};
    for (int i = 0; i < kBackdropGridSize; ++i) {
        const double weight = kBinomial[i] * std::pow(static_cast<double>(t), 5 - i) *
                              std::pow(1.0 - static_cast<double>(t), i);
        sum.x += weight * points[i].x;
        sum.y += weight * points[i].y;
        sum.z += weight * points[i].z;
    }
    return sum;
}

void BackdropPatch::buildGrid(const TankBounds& tank, int backgroundMode)
{
    if (backgroundMode == 0 || backgroundMode == 2) {
        wobble += wobbleRising ? kWobbleStep : -kWobbleStep;
        if (wobble > kWobbleHigh)
            wobbleRising = false;
        else if (wobble < kWobbleLow)
            wobbleRising = true;
    }
    const double width = static_cast<double>(tank.xMax) - tank.xMin;
    for (int row = 0; row < kBackdropGridSize; ++row)
        for (int k = 0; k < kBackdropGridSize; ++k) {
            const double x = tank.xMin + k * width * 0.2;
            Point3d& point = controlPoints[row][k];
            point.y = kRowHeights[row];
            if (row < kLeaningRows) {
                // The top rows ripple front and back, alternating point by point.
                point.x = x + wobble;
                point.z = k % 2 == 0 ? wobble + kWallDepth : kWallDepth - wobble;
            } else {
                point.x = x;
                point.z = kWallDepth;
            }
        }
}

unsigned BackdropPatch::draw() const
{
    const GLuint newList = glGenLists(1);
    if (listName != 0)
        glDeleteLists(listName, 1);

    const int n = tessellation;
    std::vector<Point3d> column(static_cast<size_t>(n) + 1);
    Point3d lastPoints[kBackdropGridSize];
    for (int row = 0; row < kBackdropGridSize; ++row)
        lastPoints[row] = controlPoints[row][kBackdropGridSize - 1];
    for (int j = 0; j <= n; ++j)
        column[j] = evaluateBezierCurve(lastPoints, static_cast<float>(j) / n);

    for (int i = 0; i <= n; ++i) {
        const float t = static_cast<float>(i) / n;
        const float previousT = static_cast<float>(i - 1) / n;
        Point3d rowPoints[kBackdropGridSize];
        for (int row = 0; row < kBackdropGridSize; ++row)
            rowPoints[row] = evaluateBezierCurve(controlPoints[row], t);

        glBegin(GL_TRIANGLE_STRIP);
        for (int j = 0; j <= n; ++j) {
            const float v = static_cast<float>(j) / n;
            glTexCoord2f(previousT, v);
            vertex(column[j]);
            column[j] = evaluateBezierCurve(rowPoints, v);
            glTexCoord2f(t, v);
            vertex(column[j]);
        }
        glEnd();
    }
    return newList;
}
