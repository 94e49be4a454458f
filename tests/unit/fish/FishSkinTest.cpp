// The fish kinds' skins as the program carries them: packed pictures 10000 to 10014, laid out for
// the fish mesh's texture coordinates.
#include "fish/FishBodyMesh.h"

#include "media/BmpImage.h"
#include "media/Scrambler.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr int kKinds = 15;
constexpr WORD kFirstSkin = 10000;

// Skin `id` as the unpacker hands it to the texture loader; nothing when there is no such resource.
std::optional<BmpImage> skin(WORD id)
{
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), "RCAD");
    if (resource == nullptr)
        return std::nullopt;
    const auto* data =
        static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, resource)));
    std::vector<std::uint8_t> bytes(data, data + ::SizeofResource(module, resource));
    descrambleBytes(bytes.data(), bytes.size());
    return decodePlainBmp(bytes.data(), bytes.size());
}

struct Color {
    double r, g, b;
};

// The texel OpenGL samples at (s, t) with repeat wrapping (nearest texel): t = 0 is the first row
// stored in the file.
Color texel(const BmpImage& image, double s, double t)
{
    const int x = static_cast<int>(std::floor((s - std::floor(s)) * image.width));
    const int y = static_cast<int>(std::floor((t - std::floor(t)) * image.height));
    const std::uint8_t* p = &image.pixels[y * image.rowStride + x * image.channels];
    return {p[2] / 255.0, p[1] / 255.0, p[0] / 255.0};
}

double luminance(Color c) { return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b; }

bool isPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Every vertex of the mesh, body and fins.
std::vector<const float*> meshVertices()
{
    std::vector<const float*> all;
    for (const auto& strip : fishBodyMesh.body)
        for (const auto& v : strip)
            all.push_back(v);
    for (const auto& v : fishBodyMesh.frontFin) all.push_back(v);
    for (const auto& v : fishBodyMesh.rearFin) all.push_back(v);
    for (const auto& v : fishBodyMesh.tailFin) all.push_back(v);
    return all;
}

}  // namespace

TEST(FishSkins, FifteenSkinsAre24BitPicturesThatLoadUnscaled)
{
    for (int k = 0; k < kKinds; ++k) {
        const std::optional<BmpImage> image = skin(kFirstSkin + k);
        ASSERT_TRUE(image.has_value()) << "skin " << k;
        EXPECT_EQ(24, image->sourceBitCount) << "skin " << k;
        // Power-of-two sides up to 512 are uploaded as they are, never scaled.
        EXPECT_TRUE(isPowerOfTwo(image->width) && image->width <= 512) << "skin " << k;
        EXPECT_TRUE(isPowerOfTwo(image->height) && image->height <= 512) << "skin " << k;
    }
    EXPECT_FALSE(skin(kFirstSkin + kKinds).has_value());
}

// Seen through the mesh's texture coordinates, no two kinds look alike.
TEST(FishSkins, EveryKindLooksDifferentOnTheMesh)
{
    const std::vector<const float*> vertices = meshVertices();
    std::vector<std::vector<Color>> looks;
    for (int k = 0; k < kKinds; ++k) {
        const std::optional<BmpImage> image = skin(kFirstSkin + k);
        ASSERT_TRUE(image.has_value());
        std::vector<Color> look;
        for (const float* v : vertices)
            look.push_back(
                texel(*image, v[FishBodyMesh::kTexCoord], v[FishBodyMesh::kTexCoord + 1]));
        looks.push_back(look);
    }
    for (int a = 0; a < kKinds; ++a)
        for (int b = a + 1; b < kKinds; ++b) {
            double difference = 0;
            for (std::size_t i = 0; i < vertices.size(); ++i)
                difference += std::fabs(looks[a][i].r - looks[b][i].r) +
                              std::fabs(looks[a][i].g - looks[b][i].g) +
                              std::fabs(looks[a][i].b - looks[b][i].b);
            EXPECT_GT(difference / vertices.size(), 0.25) << "skins " << a << " and " << b;
        }
}

// Each skin has a dark pupil on both sides of the head, just behind the snout, where the mesh's
// upper surface maps it: this also fails for a skin stored upside down, which would put the back's
// rows where the mesh reads the belly and fins.
TEST(FishSkins, EyesSitBehindTheSnoutOnBothSidesOfTheBack)
{
    // The upper surface's texture is a top-down projection; recover it from two snout vertices.
    const float* a = fishBodyMesh.body[FishBodyMesh::kStripAB][0];
    const float* c = fishBodyMesh.body[FishBodyMesh::kStripAB][2];
    const float* b = fishBodyMesh.body[FishBodyMesh::kStripAB][1];
    const double sPerX = (c[6] - a[6]) / (c[0] - a[0]);
    const double tPerY = (a[7] - b[7]) / (a[1] - b[1]);
    auto texCoord = [&](double x, double y) {
        return std::pair{a[6] + (x - a[0]) * sPerX, a[7] + (y - a[1]) * tPerY};
    };
    for (int k = 0; k < kKinds; ++k) {
        const std::optional<BmpImage> image = skin(kFirstSkin + k);
        ASSERT_TRUE(image.has_value());
        for (double side : {1.0, -1.0}) {
            // The darkest point of the head's side, a little behind the snout.
            double darkest = 1.0;
            for (double x = -0.45; x <= -0.39; x += 0.002)
                for (double y = 0.04; y <= 0.09; y += 0.002) {
                    const auto [s, t] = texCoord(x, side * y);
                    darkest = std::min(darkest, luminance(texel(*image, s, t)));
                }
            EXPECT_LT(darkest, 0.08) << "skin " << k << " side " << side;
        }
    }
}
