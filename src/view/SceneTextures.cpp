#include "view/SceneTextures.h"

#include "media/PackedTexture.h"
#include "media/TextureLoader.h"

#include <cstdio>

namespace {
constexpr WORD kBackdropPictureId = 154;
constexpr char kBackdropPictureName[] = "BackGround0";
constexpr WORD kFirstFishSkinId = 10000;
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

void SceneTextures::createScreenCopyTarget()
{
    screenCopyTexture = CreateBlankTexture();
    glBindTexture(GL_TEXTURE_2D, screenCopyTexture);
}
