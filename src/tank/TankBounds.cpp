#include "tank/TankBounds.h"

#include <algorithm>
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

constexpr TankBounds withMargins(TankBounds bounds)
{
    bounds.xMin -= kSideMargin;
    bounds.xMax += kSideMargin;
    bounds.yMax += kTopBottomMargin;
    bounds.yMin -= kTopBottomMargin;
    return bounds;
}

// The tank of a 4:3 screen (1024 x 768), margins included: the picture behind the fish fills
// such a screen with a little to spare.
constexpr TankBounds kFourByThreeTank = withMargins(kKnownScreens[1].bounds);

// The tank for a screen of another shape. What the eye sees grows with the screen's longer side:
// across, in proportion to how much wider than 4:3 the screen is; up and down, in proportion to
// how much taller than wide. The 4:3 tank grows likewise, to whole units, so the picture behind
// the fish fills every screen as it fills a 4:3 one.
TankBounds tankForShape(int width, int height)
{
    // Each ratio is a quotient of whole numbers, exactly 1 for a 4:3 (or a square) screen.
    const double widerThanFourByThree = (3.0 * width) / (4.0 * height);
    const double tallerThanWide = static_cast<double>(height) / width;
    const float halfWidth = static_cast<float>(
        std::ceil(kFourByThreeTank.xMax * std::max(1.0, widerThanFourByThree)));
    const float halfHeight =
        static_cast<float>(std::ceil(kFourByThreeTank.yMax * std::max(1.0, tallerThanWide)));
    return {-halfWidth, halfWidth, halfHeight, -halfHeight, kFourByThreeTank.zMin,
            kFourByThreeTank.zMax};
}

}  // namespace

TankBounds tankBoundsForScreen(int width, int height)
{
    for (const ScreenBounds& screen : kKnownScreens)
        if (screen.width == width && screen.height == height)
            return withMargins(screen.bounds);
    if (width <= 0 || height <= 0)
        return kFourByThreeTank;
    return tankForShape(width, height);
}
