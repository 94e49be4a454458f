#include "view/SceneTextures.h"

#include "media/PackedTexture.h"
#include "media/TextureLoader.h"

#include <cstdio>

namespace {
constexpr WORD kBackdropPictureId = 154;
constexpr char kBackdropPictureName[] = "BackGround0";
constexpr WORD kFirstFishSkinId = 10000;

int powerOfTwoAtLeast(int side)
{
    int power = 1;
    while (power < side)
        power *= 2;
    return power;
}

}  // namespace

void SceneTextures::loadPictures()
{
    loadPackedMipmappedTexture(kBackdropPictureId, kBackdropPictureName, &backgroundTexture);
    for (int i = 0; i < kFishTextureCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "fish%d", i);
        loadPackedTexture(static_cast<WORD>(kFirstFishSkinId + i), name, &fishTextures[i]);
    }
}

void SceneTextures::createScreenCopyTarget(int pictureWidth, int pictureHeight)
{
    // Every frame is copied into it whole, so it takes the whole picture, not the 128 x 128 that
    // an unsized blank texture has.
    screenCopyWidth = powerOfTwoAtLeast(pictureWidth);
    screenCopyHeight = powerOfTwoAtLeast(pictureHeight);
    screenCopyTexture = CreateBlankTexture(screenCopyWidth, screenCopyHeight);
    glBindTexture(GL_TEXTURE_2D, screenCopyTexture);
}
