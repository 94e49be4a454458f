#include "IconShapes.h"

#include <algorithm>
#include <cmath>

void paintShape(Image& image, const Shape& shape, Rgba colour)
{
    const float half = image.width() / 2.0f;
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px) {
            const float distance = shape((px + 0.5f - half) / half, (py + 0.5f - half) / half);
            image.blend(px, py, colour, 0.5f - distance * half);
        }
}

float roundedSquare(float x, float y, float half, float radius)
{
    const float qx = std::fabs(x) - (half - radius);
    const float qy = std::fabs(y) - (half - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float circle(float x, float y, float cx, float cy, float radius)
{
    return std::hypot(x - cx, y - cy) - radius;
}

float ring(float x, float y, float cx, float cy, float radius, float width)
{
    return std::fabs(circle(x, y, cx, cy, radius)) - width / 2;
}

float stroke(float x, float y, float x0, float y0, float x1, float y1, float width)
{
    const float dx = x1 - x0, dy = y1 - y0;
    const float lengthSquared = dx * dx + dy * dy;
    const float t =
        lengthSquared > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / lengthSquared, 0.0f, 1.0f)
                          : 0.0f;
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - width / 2;
}

float triangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy)
{
    // The distance to the nearest edge, negative when the point lies on the inner side of all
    // three edges.
    const float area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
    const float sign = area < 0 ? -1.0f : 1.0f;
    const float edges[3][4] = {{ax, ay, bx, by}, {bx, by, cx, cy}, {cx, cy, ax, ay}};
    float nearest = 1e9f;
    bool inside = true;
    for (const auto& e : edges) {
        const float side = sign * ((e[2] - e[0]) * (y - e[1]) - (e[3] - e[1]) * (x - e[0]));
        inside = inside && side >= 0;
        nearest = std::min(nearest, stroke(x, y, e[0], e[1], e[2], e[3], 0.0f));
    }
    return inside ? -nearest : nearest;
}

float fish(float x, float y, float cx, float cy, float scale)
{
    const float u = (x - cx) / scale;
    const float v = (y - cy) / scale;
    const float body = std::hypot((u - 0.08f) / 0.50f, v / 0.30f) - 1.0f;
    const float tailX = u + 0.55f;
    const float tail = std::max({std::fabs(v) - (0.05f + 0.55f * std::max(0.0f, -tailX)),
                                 tailX - 0.22f, -tailX - 0.3f});
    return std::min(body * 0.3f, tail) * scale;
}

void paintWaterTile(Image& image)
{
    const float half = image.width() / 2.0f;
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px) {
            const float x = (px + 0.5f - half) / half;
            const float y = (py + 0.5f - half) / half;
            const float frame = roundedSquare(x, y, 0.96f, 0.28f) * half;
            const float depth = (y + 1) / 2;
            const Rgba water{0.05f + 0.10f * (1 - depth), 0.30f + 0.35f * (1 - depth),
                             0.55f + 0.35f * (1 - depth), 1};
            image.blend(px, py, water, 0.5f - frame);
        }
}
