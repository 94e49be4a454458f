#include "environment/BackdropPatch.h"

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kBinomial[kBackdropGridSize] = {1, 5, 10, 10, 5, 1};
constexpr double kRowHeights[kBackdropGridSize] = {39.0, 23.6, 8.2, -7.2, -22.6, -38.0};
// The rows' heights suit a tank this tall; a taller tank (a screen taller than wide) stretches
// them in proportion.
constexpr double kRowsTankHeight = 50.0;
constexpr double kWallDepth = -90.0;
constexpr int kLeaningRows = 2;
constexpr float kWobbleStep = 0.008f;
constexpr float kWobbleHigh = 1.0f;
constexpr float kWobbleLow = -0.5f;

void vertex(const Point3d& p)
{
    glVertex3d(p.x, p.y, p.z);
}

// Pixels of this much room outside the viewport must be covered too, so that no pixel centre on
// the screen's edge depends on how the rasteriser treats a triangle's edge.
constexpr double kCoverMargin = 1.0;

struct Homogeneous {
    double x, y, z, w;
};

Homogeneous transform(const double m[16], const Homogeneous& p)
{
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12] * p.w,
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13] * p.w,
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14] * p.w,
            m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15] * p.w};
}

// Distance in front of the eye.
double eyeDepth(const ScreenProjection& view, const Point3d& p)
{
    const Homogeneous eye = transform(view.modelview, {p.x, p.y, p.z, 1.0});
    return -eye.z / eye.w;
}

struct ScreenPoint {
    double x, y;
};

struct ScreenRectangle {
    double left, bottom, right, top;
};

// Whether the segment from a to b meets the closed rectangle (Liang–Barsky clipping).
bool segmentMeetsRectangle(ScreenPoint a, ScreenPoint b, const ScreenRectangle& r)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.left, r.right - a.x, a.y - r.bottom, r.top - a.y};
    double enter = 0.0, leave = 1.0;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return false;
        } else {
            const double s = q[k] / p[k];
            if (p[k] < 0.0)
                enter = std::max(enter, s);
            else
                leave = std::min(leave, s);
        }
    }
    return enter <= leave;
}

// How many times the closed polygon winds around `centre`, counter-clockwise positive.
int windingNumber(const std::vector<ScreenPoint>& polygon, ScreenPoint centre)
{
    int winding = 0;
    for (size_t k = 0; k < polygon.size(); ++k) {
        const ScreenPoint a = polygon[k];
        const ScreenPoint b = polygon[(k + 1) % polygon.size()];
        const double side = (b.x - a.x) * (centre.y - a.y) - (centre.x - a.x) * (b.y - a.y);
        if (a.y <= centre.y && b.y > centre.y && side > 0)
            ++winding;
        else if (a.y > centre.y && b.y <= centre.y && side < 0)
            --winding;
    }
    return winding;
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
    const double heightScale = (static_cast<double>(tank.yMax) - tank.yMin) / kRowsTankHeight;
    for (int row = 0; row < kBackdropGridSize; ++row)
        for (int k = 0; k < kBackdropGridSize; ++k) {
            const double x = tank.xMin + k * width * 0.2;
            Point3d& point = controlPoints[row][k];
            point.y = kRowHeights[row] * heightScale;
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

double BackdropPatch::aspectRatio() const
{
    double left = controlPoints[0][0].x, right = left;
    double bottom = controlPoints[0][0].y, top = bottom;
    for (const auto& row : controlPoints)
        for (const Point3d& point : row) {
            left = std::min(left, point.x);
            right = std::max(right, point.x);
            bottom = std::min(bottom, point.y);
            top = std::max(top, point.y);
        }
    return top > bottom ? (right - left) / (top - bottom) : 1.0;
}

unsigned BackdropPatch::draw() const
{
    const GLuint newList = glGenLists(1);
    if (listName != 0)
        glDeleteLists(listName, 1);

    const int n = tessellation;
    const std::vector<Point3d> points = meshPoints();
    const auto at = [&](int i, int j) -> const Point3d& { return points[i * (n + 1) + j]; };
    // Strip i joins the points at t = (i - 1) / n to those at t = i / n. The first one starts from
    // the points at t = 0 as well, with texture coordinates of t = -1 / n: it has no area.
    for (int i = 0; i <= n; ++i) {
        const float t = static_cast<float>(i) / n;
        const float previousT = static_cast<float>(i - 1) / n;
        const int previous = i == 0 ? 0 : i - 1;
        glBegin(GL_TRIANGLE_STRIP);
        for (int j = 0; j <= n; ++j) {
            const float v = static_cast<float>(j) / n;
            glTexCoord2f(previousT, v);
            vertex(at(previous, j));
            glTexCoord2f(t, v);
            vertex(at(i, j));
        }
        glEnd();
    }
    return newList;
}

std::vector<Point3d> BackdropPatch::meshPoints() const
{
    const int n = tessellation;
    std::vector<Point3d> points;
    points.reserve(static_cast<size_t>(n + 1) * (n + 1));
    for (int i = 0; i <= n; ++i) {
        const float t = static_cast<float>(i) / n;
        Point3d rowPoints[kBackdropGridSize];
        for (int row = 0; row < kBackdropGridSize; ++row)
            rowPoints[row] = evaluateBezierCurve(controlPoints[row], t);
        for (int j = 0; j <= n; ++j)
            points.push_back(evaluateBezierCurve(rowPoints, static_cast<float>(j) / n));
    }
    return points;
}

bool BackdropPatch::hidesQuad(const Point3d corners[4], const ScreenProjection& view) const
{
    const int n = tessellation;
    if (n < 1)
        return false;
    // Every point of the quad is at least this far from the eye, every point of the patch at
    // most as far as its farthest vertex: so along every line of sight the patch comes first.
    double quadNearest = eyeDepth(view, corners[0]);
    for (int c = 1; c < 4; ++c)
        quadNearest = std::min(quadNearest, eyeDepth(view, corners[c]));

    const std::vector<Point3d> points = meshPoints();
    std::vector<ScreenPoint> screen;
    screen.reserve(points.size());
    for (const Point3d& p : points) {
        if (!(eyeDepth(view, p) < quadNearest))
            return false;
        const Homogeneous eye = transform(view.modelview, {p.x, p.y, p.z, 1.0});
        const Homogeneous clip = transform(view.projection, eye);
        if (!(clip.w > 0.0 && clip.z > -clip.w && clip.z < clip.w))
            return false;  // behind the eye, or cut by the near or far plane
        screen.push_back({view.viewport[0] + (clip.x / clip.w + 1.0) * 0.5 * view.viewport[2],
                          view.viewport[1] + (clip.y / clip.w + 1.0) * 0.5 * view.viewport[3]});
    }

    // The patch's outline: along v = 0, then t = 1, v = 1 backwards and t = 0 backwards.
    const auto at = [&](int i, int j) { return screen[static_cast<size_t>(i) * (n + 1) + j]; };
    std::vector<ScreenPoint> outline;
    for (int i = 0; i < n; ++i)
        outline.push_back(at(i, 0));
    for (int j = 0; j < n; ++j)
        outline.push_back(at(n, j));
    for (int i = n; i > 0; --i)
        outline.push_back(at(i, n));
    for (int j = n; j > 0; --j)
        outline.push_back(at(0, j));

    // The drawn triangles are the image of the parameter square under a continuous map. Where
    // the image of the square's edge stays clear of the (widened) viewport and winds around it,
    // every point of the viewport lies in the image, however the patch bends.
    const ScreenRectangle area{view.viewport[0] - kCoverMargin, view.viewport[1] - kCoverMargin,
                               view.viewport[0] + view.viewport[2] + kCoverMargin,
                               view.viewport[1] + view.viewport[3] + kCoverMargin};
    for (size_t k = 0; k < outline.size(); ++k)
        if (segmentMeetsRectangle(outline[k], outline[(k + 1) % outline.size()], area))
            return false;
    const ScreenPoint centre{(area.left + area.right) / 2, (area.bottom + area.top) / 2};
    return windingNumber(outline, centre) != 0;
}
