// The swimming volume derived from the screen size.
#include "tank/TankBounds.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void expectBounds(const TankBounds& b, float xMax, float yMax)
{
    EXPECT_FLOAT_EQ(b.xMin, -xMax);
    EXPECT_FLOAT_EQ(b.xMax, xMax);
    EXPECT_FLOAT_EQ(b.yMin, -yMax);
    EXPECT_FLOAT_EQ(b.yMax, yMax);
    EXPECT_FLOAT_EQ(b.zMin, -50);
    EXPECT_FLOAT_EQ(b.zMax, 0);
}

TEST(TankBounds, ListedScreensGetTheirRowWidenedByTheMargins)
{
    expectBounds(tankBoundsForScreen(1024, 768), 49, 25);
    expectBounds(tankBoundsForScreen(800, 600), 49, 25);
    expectBounds(tankBoundsForScreen(1440, 900), 55, 25);
    expectBounds(tankBoundsForScreen(1600, 900), 58, 25);
    expectBounds(tankBoundsForScreen(1680, 1050), 54, 25);
}

TEST(TankBounds, UnlistedScreensTakeTheFourByThreeTankGrownToTheirShape)
{
    const struct {
        int width, height;
        float xMax, yMax;
    } cases[] = {
        {1600, 1200, 49, 25},  // 4:3, as the listed 4:3 screens
        {1920, 1080, 66, 25},  // 16:9: 49 x (16/9) / (4/3) = 65.3, to whole units
        {1366, 768, 66, 25},
        {1280, 800, 59, 25},   // 16:10
        {2560, 1080, 88, 25},  // ultrawide
        {3840, 1080, 131, 25}, // two screens side by side
        {768, 1024, 49, 34},   // a tall screen: 25 x 1024 / 768 = 33.3
        {1080, 1920, 49, 45},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        expectBounds(tankBoundsForScreen(c.width, c.height), c.xMax, c.yMax);
    }
}

TEST(TankBounds, DegenerateScreenSizesStillGiveATank)
{
    expectBounds(tankBoundsForScreen(0, 0), 49, 25);
    expectBounds(tankBoundsForScreen(1024, 0), 49, 25);
}

}  // namespace
