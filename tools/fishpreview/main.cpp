// fishpreview OUTPUT_DIR: draws the fish mesh with every kind's skin, as the program would place
// it (model space turned -90 degrees about x, so model z is up), with a small software rasteriser:
// orthographic views from above, from three-quarters above and from the side (as the tank's
// camera mostly sees the fish), lit by one directional light (on both faces, so the thin fins
// show their colour from either side), next to the skin itself. The skin
// goes through the same BMP encoding the program unpacks, and is sampled as OpenGL samples it
// (t = 0 at the first stored row, linear filtering, repeat wrapping). Writes fish<k>.png for each
// kind and kinds.png with the three-quarter views of all of them.
#include "BmpWriter.h"
#include "FishMesh.h"
#include "FishRenderer.h"
#include "FishSkins.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Colour {
    double r, g, b;
};

// The fish over the tank's dark water.
struct Canvas {
    int width, height;
    std::vector<Colour> pixels;

    explicit Canvas(const Image& fish) : width(fish.width()), height(fish.height())
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const double k = double(y) / height;
                const Colour water{0.05 + 0.05 * k, 0.22 + 0.12 * k, 0.34 + 0.16 * k};
                const Rgba& f = fish.at(x, y);
                pixels.push_back({water.r + (f.r - water.r) * f.a, water.g + (f.g - water.g) * f.a,
                                  water.b + (f.b - water.b) * f.a});
            }
    }
};

Canvas renderView(const FishMesh& mesh, const SkinTexture& skin, FishView view, int width,
                  int height)
{
    return Canvas(renderFish(mesh, skin, view, width, height));
}

struct Sheet {
    int width, height;
    std::vector<std::uint8_t> rgb;

    Sheet(int w, int h) : width(w), height(h), rgb(std::size_t(w) * h * 3, 24) {}

    void put(int x, int y, Colour c)
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
        p[0] = static_cast<std::uint8_t>(std::lround(std::clamp(c.r, 0.0, 1.0) * 255));
        p[1] = static_cast<std::uint8_t>(std::lround(std::clamp(c.g, 0.0, 1.0) * 255));
        p[2] = static_cast<std::uint8_t>(std::lround(std::clamp(c.b, 0.0, 1.0) * 255));
    }

    void paste(const Canvas& canvas, int left, int top)
    {
        for (int y = 0; y < canvas.height; ++y)
            for (int x = 0; x < canvas.width; ++x)
                put(left + x, top + y, canvas.pixels[std::size_t(y) * canvas.width + x]);
    }

    // The skin as it is painted (image row 0 at the top, i.e. t = 1 at the top), magnified.
    void pasteTexture(const SkinTexture& texture, int left, int top, int zoom)
    {
        for (int y = 0; y < texture.height * zoom; ++y)
            for (int x = 0; x < texture.width * zoom; ++x) {
                const Rgba t = texture.texel(x / zoom, texture.height - 1 - y / zoom);
                put(left + x, top + y, {t.r, t.g, t.b});
            }
    }

    bool write(const std::string& path) const
    {
        return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fishpreview OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const FishMesh mesh = buildFishMesh();
    const FishView top{0, 90, 330}, threeQuarter{-35, 32, 300}, side{0, 8, 330};
    constexpr int panelWidth = 400, panelHeight = 250;
    constexpr int columns = 5;
    Sheet all(columns * panelWidth, (kFishKinds + columns - 1) / columns * panelHeight);
    bool ok = true;
    for (int kind = 0; kind < kFishKinds; ++kind) {
        const SkinTexture texture = SkinTexture::fromBmp24(encodeBmp24(paintFishSkin(kind)));
        Sheet sheet(2 * panelWidth + 2 * texture.width + 8, 2 * panelHeight);
        sheet.paste(renderView(mesh, texture, top, panelWidth, panelHeight), 0, 0);
        sheet.paste(
            renderView(mesh, texture, threeQuarter, panelWidth, panelHeight), panelWidth, 0);
        sheet.paste(renderView(mesh, texture, side, panelWidth, panelHeight), 0, panelHeight);
        Canvas turned =
            renderView(mesh, texture, FishView{-70, 10, 330}, panelWidth, panelHeight);
        sheet.paste(turned, panelWidth, panelHeight);
        sheet.pasteTexture(
            texture, 2 * panelWidth + 8, (2 * panelHeight - 2 * texture.height) / 2, 2);
        char name[64];
        std::snprintf(name, sizeof name, "/fish%02d.png", kind);
        ok = sheet.write(dir + name) && ok;
        all.paste(renderView(mesh, texture, threeQuarter, panelWidth, panelHeight),
                  kind % columns * panelWidth, kind / columns * panelHeight);
        std::printf("fish%02d: %s\n", kind, fishKindName(kind));
    }
    ok = all.write(dir + "/kinds.png") && ok;
    return ok ? 0 : 1;
}
