#include "AppIcon.h"

#include <algorithm>
#include <cmath>

namespace {

// Signed distance of (x, y) outside an axis-aligned rounded square of half-size `half`.
float roundedSquareDistance(float x, float y, float half, float radius)
{
    const float qx = std::fabs(x) - (half - radius);
    const float qy = std::fabs(y) - (half - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

// Whether (x, y), in units of the icon's half-size, lies inside the fish: an ellipse body facing
// right and a forked tail on the left. Returns the coverage-ready signed distance (negative inside).
float fishDistance(float x, float y)
{
    const float body = std::hypot((x - 0.08f) / 0.50f, y / 0.30f) - 1.0f;
    const float tailX = x + 0.55f;
    const float tail = std::max({std::fabs(y) - (0.05f + 0.55f * std::max(0.0f, -tailX)),
                                 tailX - 0.22f, -tailX - 0.3f});
    return std::min(body * 0.3f, tail);
}

}  // namespace

Image paintAppIcon(int size)
{
    Image image(size, size, Rgba{0, 0, 0, 0});
    const float half = size / 2.0f;
    const Rgba orange{1.0f, 0.50f, 0.08f, 1};
    const Rgba white{0.97f, 0.97f, 0.95f, 1};
    const Rgba ink{0.08f, 0.06f, 0.10f, 1};
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            const float x = (px + 0.5f - half) / half;
            const float y = (py + 0.5f - half) / half;
            const float frame = roundedSquareDistance(x, y, 0.96f, 0.28f) * half;
            if (frame > 0.5f)
                continue;
            // Water: bright near the surface, deep blue below.
            const float depth = (y + 1) / 2;
            Rgba water{0.05f + 0.10f * (1 - depth), 0.30f + 0.35f * (1 - depth),
                       0.55f + 0.35f * (1 - depth), 1};
            image.blend(px, py, water, 0.5f - frame);

            const float fish = fishDistance(x, y - 0.05f) * half;
            if (fish < 0.5f) {
                // White bands behind the head and across the middle, edged in dark ink.
                const float band = std::min(std::fabs(x - 0.22f), std::fabs(x + 0.12f));
                Rgba colour = band < 0.07f ? white : band < 0.10f ? ink : orange;
                image.blend(px, py, colour, 0.5f - fish);
            }
        }
    image.fillCircle(half * 1.40f, half * 0.97f, size * 0.035f + 0.6f, ink);  // eye
    image.fillCircle(half * 1.55f, half * 0.42f, size * 0.07f, Rgba{0.85f, 0.95f, 1.0f, 0.75f});
    return image;
}
