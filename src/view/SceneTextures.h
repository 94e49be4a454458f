// The textures the frame's passes bind: the backdrop picture, one skin per fish kind, and the
// blank target of the screen copy. Made at scene set-up, they live as long as the rendering context.
#pragma once

class SceneTextures {
public:
    // Two names more than there are fish kinds; the spare two stay without images.
    static constexpr int kFishTextureCount = 17;

    // Unpacks and loads the backdrop picture (mipmapped, pure black transparent) and the skins,
    // leaving none of the unpacked files behind; the surface's size decides whether the
    // backdrop's mipmaps are ever sampled.
    void loadPictures(int surfaceWidth, int surfaceHeight);
    // Makes the blank screen-copy target, the smallest power-of-two texture that holds a picture
    // of the given size, and leaves it bound.
    void createScreenCopyTarget(int pictureWidth, int pictureHeight);

    unsigned backgroundTexture = 0;                   // the backdrop picture
    unsigned fishTextures[kFishTextureCount] = {};    // skin k of fish kind k
    unsigned screenCopyTexture = 0;                   // blank target of the screen copy
    int screenCopyWidth = 0;                          // its size in texels
    int screenCopyHeight = 0;
};
