#include "InterfaceIcons.h"

#include "IconShapes.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace palette;

// The motif alone, in unit coordinates, over whatever the canvas holds.
void paintMotif(Image& image, Motif motif)
{
    switch (motif) {
    case Motif::FishCounts:
        paintShape(image, [](float x, float y) { return fish(x, y, 0.22f, -0.28f, 0.55f); },
                   Rgba{1.0f, 0.80f, 0.20f, 1});
        paintShape(image, [](float x, float y) { return fish(x, y, -0.10f, 0.25f, 0.80f); },
                   kOrange);
        break;
    case Motif::Exit:
        paintShape(image,
                   [](float x, float y) {
                       // A ring open at the top, and the bar through the opening.
                       float openRing = ring(x, y, 0, 0.08f, 0.52f, 0.17f);
                       if (y < 0)
                           openRing = std::max(openRing, 0.25f - std::fabs(x));
                       return std::min(openRing, stroke(x, y, 0, -0.62f, 0, 0.02f, 0.17f));
                   },
                   kWhite);
        break;
    case Motif::Watch:
        paintShape(image,
                   [](float x, float y) {
                       // An almond: the overlap of two large circles.
                       return std::max(circle(x, y, 0, 0.55f, 0.95f), circle(x, y, 0, -0.55f, 0.95f));
                   },
                   kWhite);
        paintShape(image, [](float x, float y) { return circle(x, y, 0, 0, 0.27f); },
                   Rgba{0.10f, 0.35f, 0.65f, 1});
        paintShape(image, [](float x, float y) { return circle(x, y, 0, 0, 0.12f); }, kInk);
        break;
    case Motif::Feed:
        paintShape(image, [](float x, float y) { return circle(x, y, -0.38f, -0.42f, 0.20f); },
                   kFood);
        paintShape(image, [](float x, float y) { return circle(x, y, 0.12f, -0.02f, 0.17f); },
                   kFood);
        paintShape(image, [](float x, float y) { return circle(x, y, 0.42f, 0.46f, 0.14f); },
                   kFood);
        break;
    case Motif::Touch:
        paintShape(image, [](float x, float y) { return fish(x, y, -0.12f, 0.22f, 0.75f); },
                   kOrange);
        paintShape(image, [](float x, float y) { return ring(x, y, 0.45f, -0.40f, 0.30f, 0.10f); },
                   kFoam);
        paintShape(image, [](float x, float y) { return circle(x, y, 0.45f, -0.40f, 0.13f); },
                   kWhite);
        break;
    case Motif::Grow:
    case Motif::Shrink:
        paintShape(image,
                   [motif](float x, float y) {
                       return fish(x, y, -0.18f, 0.22f, motif == Motif::Grow ? 0.80f : 0.55f);
                   },
                   kOrange);
        paintShape(image,
                   [motif](float x, float y) {
                       const float across = stroke(x, y, 0.28f, -0.48f, 0.78f, -0.48f, 0.16f);
                       if (motif == Motif::Shrink)
                           return across;
                       return std::min(across, stroke(x, y, 0.53f, -0.73f, 0.53f, -0.23f, 0.16f));
                   },
                   kWhite);
        break;
    case Motif::Marker:
        paintShape(image, [](float x, float y) { return ring(x, y, 0, 0.45f, 0.42f, 0.10f); },
                   kFoam);
        paintShape(image,
                   [](float x, float y) {
                       return triangle(x, y, -0.40f, -0.62f, 0.40f, -0.62f, 0, 0.40f);
                   },
                   Rgba{1.0f, 0.85f, 0.30f, 1});
        break;
    case Motif::Ripple:
        for (const float radius : {0.18f, 0.45f, 0.72f}) {
            Rgba foam = kFoam;
            foam.a = 1.0f - radius * 0.8f;
            paintShape(image,
                       [radius](float x, float y) { return ring(x, y, 0, 0.05f, radius, 0.11f); },
                       foam);
        }
        break;
    case Motif::Settings:
        for (const float column : {-0.45f, 0.0f, 0.45f}) {
            const float knob = column < 0 ? -0.25f : column > 0 ? 0.05f : 0.35f;
            paintShape(image,
                       [column](float x, float y) {
                           return stroke(x, y, column, -0.62f, column, 0.62f, 0.08f);
                       },
                       kFoam);
            paintShape(image,
                       [column, knob](float x, float y) { return circle(x, y, column, knob, 0.17f); },
                       kWhite);
        }
        break;
    case Motif::Background:
        paintShape(image,
                   [](float x, float y) {
                       return std::fabs(roundedSquare(x, y, 0.68f, 0.08f)) - 0.06f;
                   },
                   kWhite);
        paintShape(image,
                   [](float x, float y) {
                       return std::max(triangle(x, y, -0.62f, 0.55f, -0.05f, -0.22f, 0.45f, 0.55f),
                                       roundedSquare(x, y, 0.60f, 0.02f));
                   },
                   Rgba{0.35f, 0.75f, 0.55f, 1});
        paintShape(image, [](float x, float y) { return circle(x, y, 0.32f, -0.32f, 0.14f); },
                   Rgba{1.0f, 0.85f, 0.30f, 1});
        break;
    case Motif::Music:
        paintShape(image,
                   [](float x, float y) {
                       const float head = std::hypot((x + 0.18f) / 1.25f, y - 0.42f) - 0.20f;
                       const float stem = stroke(x, y, 0.06f, 0.40f, 0.06f, -0.62f, 0.11f);
                       const float flag = stroke(x, y, 0.06f, -0.62f, 0.42f, -0.30f, 0.13f);
                       return std::min({head, stem, flag});
                   },
                   kWhite);
        break;
    }
}

// The standard pointer's outline, tip at the origin, one unit down and to the right at full size.
float arrow(float x, float y)
{
    const float head = triangle(x, y, 0, 0, 0, 1.0f, 0.70f, 0.70f);
    const float tail = stroke(x, y, 0.30f, 0.75f, 0.48f, 1.12f, 0.18f);
    return std::min(head, tail);
}

}  // namespace

Image paintMenuIcon(Motif motif, int size)
{
    Image image(size, size, Rgba{0, 0, 0, 0});
    paintWaterTile(image);
    paintMotif(image, motif);
    return image;
}

Image paintModeCursor(Motif motif)
{
    Image image(kCursorSize, kCursorSize, Rgba{0, 0, 0, 0});
    // The arrow fills the upper left 19 pixels: ink outline, white inside.
    constexpr float kArrowScale = 19.0f / (kCursorSize / 2.0f);
    const float tip = -1.0f + 2.0f * kCursorHotSpot / kCursorSize;
    const auto arrowAt = [=](float x, float y) {
        return arrow((x - tip) / kArrowScale, (y - tip) / kArrowScale) * kArrowScale;
    };
    paintShape(image, [=](float x, float y) { return arrowAt(x, y) - 0.07f; }, kInk);
    paintShape(image, arrowAt, kWhite);

    // The badge: the menu icon at half the cursor's size, in its lower right quarter.
    const Image badge = paintMenuIcon(motif, kCursorSize / 2);
    for (int y = 0; y < badge.height(); ++y)
        for (int x = 0; x < badge.width(); ++x) {
            const Rgba& p = badge.at(x, y);
            image.blend(kCursorSize / 2 + x, kCursorSize / 2 + y, Rgba{p.r, p.g, p.b, 1}, p.a);
        }
    return image;
}
