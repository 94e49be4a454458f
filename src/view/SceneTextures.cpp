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

void sampleAtFullSize(GLuint backdrop, int surfaceWidth, int surfaceHeight)
{
    // Mipmapping takes the full-size image wherever a pixel spans less than 1.4 texels. On a
    // surface at least as large as the picture, the backdrop stretched across it never comes
    // near that, so the full-size image alone gives the same pixels, without the driver working
    // out a mipmap level for each of them. Smaller surfaces (a preview) keep the mipmaps.
    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, backdrop);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (width > 0 && surfaceWidth >= width && surfaceHeight >= height)
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

}  // namespace

void SceneTextures::loadPictures(int surfaceWidth, int surfaceHeight)
{
    loadPackedMipmappedTexture(kBackdropPictureId, kBackdropPictureName, &backgroundTexture);
    sampleAtFullSize(backgroundTexture, surfaceWidth, surfaceHeight);
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
