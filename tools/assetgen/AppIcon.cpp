#include "AppIcon.h"

#include "IconShapes.h"

#include <cmath>

Image paintAppIcon(int size)
{
    Image image(size, size, Rgba{0, 0, 0, 0});
    const float half = size / 2.0f;
    paintWaterTile(image);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            const float x = (px + 0.5f - half) / half;
            const float y = (py + 0.5f - half) / half;
            const float body = fish(x, y - 0.05f, 0, 0, 1) * half;
            if (body < 0.5f) {
                // White bands behind the head and across the middle, edged in dark ink.
                const float band = std::min(std::fabs(x - 0.22f), std::fabs(x + 0.12f));
                const Rgba colour = band < 0.07f   ? palette::kWhite
                                    : band < 0.10f ? palette::kInk
                                                   : palette::kOrange;
                image.blend(px, py, colour, 0.5f - body);
            }
        }
    image.fillCircle(half * 1.40f, half * 0.97f, size * 0.035f + 0.6f, palette::kInk);  // eye
    Rgba bubble = palette::kFoam;
    bubble.a = 0.75f;
    image.fillCircle(half * 1.55f, half * 0.42f, size * 0.07f, bubble);
    return image;
}
