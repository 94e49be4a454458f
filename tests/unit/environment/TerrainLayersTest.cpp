// The sea floor: its mesh, its display list, and the size it refuses.
#include "environment/TerrainLayers.h"

#include "support/Feedback.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TEST(TerrainLayers, TheFloorOfA1024By768TankIs98RowsOf49VerticesIn97Strips)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    TerrainLayers terrain;
    terrain.setUp(98, 50, 1);
    ASSERT_NE(terrain.floorList, 0u);
    EXPECT_TRUE(glIsTexture(terrain.floorTexture));
    EXPECT_TRUE(glIsTexture(terrain.waterTexture)) << "a name, though without a picture";
    EXPECT_TRUE(glIsTexture(terrain.lightRayTexture));

    float first[3], last[3], front[3];
    terrain.floorVertex(0, 0, first);
    terrain.floorVertex(97, 48, last);
    terrain.floorVertex(40, 48, front);
    EXPECT_FLOAT_EQ(first[0], -49);
    EXPECT_FLOAT_EQ(first[1], 2.0f) << "the ripple is twice the relief high at the back";
    EXPECT_FLOAT_EQ(first[2], -50);
    EXPECT_FLOAT_EQ(last[0], 48);
    EXPECT_FLOAT_EQ(last[2], -2);
    EXPECT_LT(std::fabs(front[1]), 0.1f) << "and fades toward the front";

    viewWorldRectangle(-60, 60, -60, 60);
    glRotatef(-90, 1, 0, 0);  // look down on the floor
    const auto quads = quadCorners(capturePolygons([&] { glCallList(terrain.floorList); }));
    EXPECT_EQ(quads.size(), 97u * 48u) << "97 strips of 48 quads";
}

// The text of the message box that showed last, answered with OK as soon as it showed.
char shownMessage[64] = "";

void CALLBACK answerMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND box = ::FindWindowA("#32770", nullptr);
    if (box == nullptr)
        return;
    ::GetDlgItemTextA(box, 0xFFFF, shownMessage, sizeof shownMessage);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ::KillTimer(nullptr, timer);
}

TEST(TerrainLayers, AMeshLargerThanAThousandEitherWayIsRefused)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    ::SetTimer(nullptr, 0, 50, answerMessageBox);
    TerrainLayers terrain;
    terrain.setUp(1001, 10, 1);
    EXPECT_EQ(terrain.floorList, 0u);
    EXPECT_STREQ(shownMessage, "MAP SIZE ERROR");
    terrain.setUp(98, 50, 1);
    EXPECT_NE(terrain.floorList, 0u) << "a tank of any usual size is built";
}

}  // namespace
