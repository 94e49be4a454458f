// The swimming volume derived from the screen size.
#include "tank/TankBounds.h"

#include <gtest/gtest.h>

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

TEST(TankBounds, UnlistedScreensTakeTheRowWithTheClosestAspectRatio)
{
    expectBounds(tankBoundsForScreen(1920, 1080), 58, 25);  // 16:9, like 1600 x 900
    expectBounds(tankBoundsForScreen(1366, 768), 58, 25);
    // 16:10 matches both 1440 x 900 and 1680 x 1050 exactly; the first listed wins.
    expectBounds(tankBoundsForScreen(1280, 800), 55, 25);
    expectBounds(tankBoundsForScreen(1600, 1200), 49, 25);  // 4:3
    // A tall screen is closest to the squarest row, 1280 x 1024.
    expectBounds(tankBoundsForScreen(768, 1024), 49, 25);
}

TEST(TankBounds, DegenerateScreenSizesStillGiveATank)
{
    expectBounds(tankBoundsForScreen(0, 0), 49, 25);
    expectBounds(tankBoundsForScreen(1024, 0), 49, 25);
}

}  // namespace
