// A small software rasteriser for the fish mesh: draws the mesh with a kind's skin as the program
// places it (model space turned -90 degrees about x, so model z is up), orthographically from any
// direction, lit by one directional light on both faces (so the thin fins show their colour from
// either side). The skin is sampled as OpenGL samples it: t = 0 at the first stored row of its BMP,
// linear filtering, repeat wrapping.
#pragma once

#include "FishMesh.h"
#include "Image.h"

#include <vector>

// The skin as OpenGL holds it, decoded from the BMP the program unpacks.
struct SkinTexture {
    int width = 0, height = 0;
    std::vector<Rgba> texels;  // row 0 is the BMP's first stored row (t = 0)

    static SkinTexture fromBmp24(const std::vector<std::uint8_t>& bmp);
    Rgba texel(int x, int y) const;
    Rgba sample(double s, double t) const;
};

// A view: turned by yaw about world up, then tilted by elevation (positive looks down on the
// fish), at a scale of pixels per model unit.
struct FishView {
    double yawDegrees, elevationDegrees, pixelsPerUnit;
};

// The fish seen through `view`, centred on a transparent canvas of the given size; alpha is the
// share of each pixel the fish covers (rendered at twice the size and filtered down).
Image renderFish(const FishMesh& mesh, const SkinTexture& skin, FishView view, int width,
                 int height);
