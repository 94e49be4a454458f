#include "tank/TankBounds.h"

#include <cmath>

namespace {

struct ScreenBounds {
    int width, height;
    TankBounds bounds;
};

// The screens the tank was laid out for, before the margins.
constexpr ScreenBounds kKnownScreens[] = {
    {800, 600, {-29, 29, 21, -21, -50, 0}},    {1024, 768, {-29, 29, 21, -21, -50, 0}},
    {1280, 960, {-29, 29, 21, -21, -50, 0}},   {1280, 1024, {-29, 29, 21, -21, -50, 0}},
    {1440, 900, {-35, 35, 21, -21, -50, 0}},   {1600, 900, {-38, 38, 21, -21, -50, 0}},
    {1680, 1050, {-34, 34, 21, -21, -50, 0}},
};

constexpr float kSideMargin = 20;
constexpr float kTopBottomMargin = 4;

}  // namespace

TankBounds tankBoundsForScreen(int width, int height)
{
    // A screen that is not listed takes the bounds of the listed screen with the closest aspect
    // ratio (the first such row on a tie), since the visible width of the tank follows the ratio.
    const ScreenBounds* chosen = &kKnownScreens[0];
    const double aspect = height > 0 ? static_cast<double>(width) / height : 0.0;
    double bestDistance = -1;
    for (const ScreenBounds& screen : kKnownScreens) {
        if (screen.width == width && screen.height == height) {
            chosen = &screen;
            break;
        }
        const double distance =
            std::fabs(static_cast<double>(screen.width) / screen.height - aspect);
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            chosen = &screen;
        }
    }

    TankBounds bounds = chosen->bounds;
    bounds.xMin -= kSideMargin;
    bounds.xMax += kSideMargin;
    bounds.yMax += kTopBottomMargin;
    bounds.yMin -= kTopBottomMargin;
    return bounds;
}
