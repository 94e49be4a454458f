#include "environment/TerrainLayers.h"

#include "framework/Afx.h"
#include "media/PackedTexture.h"

#include <GL/gl.h>

#include <cmath>

namespace {

struct LayerPicture {
    WORD resourceId;
    const char* baseName;
};
// The floor wears the backdrop's picture; the program carries no water or light-ray picture, so
// those two names stay without images.
constexpr LayerPicture kFloorPicture{154, "DiXing"};
constexpr LayerPicture kWaterPicture{165, "Water"};
constexpr LayerPicture kLightRayPicture{164, "GuangXian"};

constexpr float kRippleFrequency = 0.1f;

}  // namespace

void TerrainLayers::setUp(int meshColumns, int depthSteps, int meshRelief)
{
    columns = meshColumns;
    depth = depthSteps;
    relief = meshRelief;
    loadPackedTexture(kFloorPicture.resourceId, kFloorPicture.baseName, &floorTexture);
    loadPackedTexture(kWaterPicture.resourceId, kWaterPicture.baseName, &waterTexture);
    loadPackedTexture(kLightRayPicture.resourceId, kLightRayPicture.baseName, &lightRayTexture);

    if (columns > kMostMeshSide || depth > kMostMeshSide) {
        AfxMessageBox("MAP SIZE ERROR");
        return;
    }
    floorList = glGenLists(1);
    glNewList(floorList, GL_COMPILE);
    drawFloor();
    glEndList();
}

void TerrainLayers::floorVertex(int i, int j, float vertex[3]) const
{
    // The ripple is largest at the back (2 x relief high) and fades toward the front.
    const float slope = 2.0f * static_cast<float>(relief) / static_cast<float>(depth);
    vertex[0] = static_cast<float>(i - columns / 2);
    vertex[1] = std::cos(kRippleFrequency * static_cast<float>(i + j)) *
                static_cast<float>(depth - j) * slope;
    vertex[2] = static_cast<float>(j - depth);
}

void TerrainLayers::drawFloor() const
{
    glBindTexture(GL_TEXTURE_2D, floorTexture);
    float left[3], right[3];
    for (int i = 0; i < columns - 1; ++i) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j < depth - 1; ++j) {
            floorVertex(i, j, left);
            floorVertex(i + 1, j, right);
            glTexCoord2f(static_cast<float>(i) / columns, static_cast<float>(j) / depth);
            glVertex3fv(left);
            glTexCoord2f(static_cast<float>(i + 1) / columns, static_cast<float>(j) / depth);
            glVertex3fv(right);
        }
        glEnd();
    }
    glColor3f(1.0f, 1.0f, 1.0f);
}
