// The skins of the 15 fish kinds, painted for the fish mesh's texture layout (FishMesh.h): the
// back seen from above in the upper band, the belly in the lower band, the fins in their swatches.
#pragma once

#include "Image.h"

constexpr int kFishKinds = 15;
constexpr int kFishSkinWidth = 256;
constexpr int kFishSkinHeight = 128;

// Short name of a kind, for listings and previews.
const char* fishKindName(int kind);

// The skin of kind 0..14, kFishSkinWidth x kFishSkinHeight. Image row 0 is the top of the picture,
// as the BMP writer expects: it holds texture t = 1 (the last rows of the lower band), and the
// bottom row holds t = 0.
Image paintFishSkin(int kind);
