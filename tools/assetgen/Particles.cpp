#include "Particles.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace {

float gaussian(float x, float width)
{
    return std::exp(-(x * x) / (2 * width * width));
}

// Fills every pixel from its offset from the centre in units of the half-size.
template <class Light>
Image paintSprite(int size, Light light)
{
    Image image(size, size, Rgba{0, 0, 0, 1});
    const float half = size / 2.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.at(x, y) = light((x + 0.5f - half) / half, (y + 0.5f - half) / half);
    return image;
}

}  // namespace

Image paintBubble(int size)
{
    // The quad shows the picture turned: picture row y (from the top) lands at quad x running from
    // right to left, picture column x at quad height from bottom to top. (qx, qy) below are the quad's
    // own coordinates, x to the right and y up, from -1 to 1.
    return paintSprite(size, [](float px, float py) {
        const float qx = -py;
        const float qy = px;
        const float r = std::hypot(qx, qy);
        const float radius = 0.80f;
        // Brighter rim, a little more so towards the top where the light comes from.
        float rim = gaussian(r - radius, 0.075f) * (0.55f + 0.15f * qy / std::max(r, 1e-3f));
        const float body = 0.07f * smoothstep(radius + 0.05f, radius - 0.25f, r);
        const float highlight = 0.95f * gaussian(std::hypot(qx + 0.30f, qy - 0.36f), 0.13f);
        const float reflection =
            0.18f * gaussian(r - 0.58f, 0.06f) * smoothstep(0.2f, 0.8f, (qx - qy) / std::max(r, 1e-3f));
        // Nothing at all beyond the rim, so the quad's square edge never shows.
        const float edge = smoothstep(1.0f, 0.9f, r);
        const float light = (rim + body + highlight + reflection) * edge;
        return Rgba{light * 0.80f, light * 0.93f, light * 1.0f, 1};
    });
}

Image paintGlow(int size)
{
    return paintSprite(size, [](float x, float y) {
        const float r = std::hypot(x, y);
        const float light = gaussian(r, 0.33f) * smoothstep(1.0f, 0.8f, r);
        return Rgba{light * 0.85f, light * 0.95f, light, 1};
    });
}

Image paintGlint(int size)
{
    return paintSprite(size, [](float x, float y) {
        const float r = std::hypot(x, y);
        const float rays = gaussian(x, 0.05f) * gaussian(y, 0.5f) + gaussian(y, 0.05f) * gaussian(x, 0.5f);
        const float light = (0.8f * gaussian(r, 0.12f) + 0.7f * rays) * smoothstep(1.0f, 0.85f, r);
        return Rgba{light, light, light * 0.95f, 1};
    });
}
