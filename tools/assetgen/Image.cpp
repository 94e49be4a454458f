#include "Image.h"

#include <algorithm>
#include <cmath>

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{
}

void Image::blend(int x, int y, Rgba colour, float coverage)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0)
        return;
    const float t = std::min(1.0f, coverage) * colour.a;
    Rgba& p = at(x, y);
    p.r += (colour.r - p.r) * t;
    p.g += (colour.g - p.g) * t;
    p.b += (colour.b - p.b) * t;
    p.a = std::max(p.a, t);
}

void Image::fillCircle(float cx, float cy, float radius, Rgba colour)
{
    const int x0 = static_cast<int>(std::floor(cx - radius - 1));
    const int x1 = static_cast<int>(std::ceil(cx + radius + 1));
    const int y0 = static_cast<int>(std::floor(cy - radius - 1));
    const int y1 = static_cast<int>(std::ceil(cy + radius + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            blend(x, y, colour, radius + 0.5f - d);
        }
}

std::uint8_t toByte(float value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}
