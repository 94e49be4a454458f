// The texture makers on a real OpenGL context: BMP files and pictures written by the tests,
// loaded, and read back from the texture objects.
#include "media/TextureLoader.h"

#include "SampleBmps.h"
#include "SamplePictures.h"
#include "support/GlTestContext.h"
#include "support/TestDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace samplebmp;

namespace {

// One level of the texture bound to GL_TEXTURE_2D, read back as RGBA.
struct TextureLevel {
    GLint width = 0;
    GLint height = 0;
    std::vector<std::uint8_t> rgba;

    const std::uint8_t* at(int x, int y) const { return &rgba[(y * width + x) * 4]; }
};

TextureLevel readBoundLevel(GLint level = 0)
{
    TextureLevel result;
    ::glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &result.width);
    ::glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &result.height);
    if (result.width > 0 && result.height > 0) {
        result.rgba.assign(static_cast<std::size_t>(result.width) * result.height * 4, 0);
        ::glPixelStorei(GL_PACK_ALIGNMENT, 4);
        ::glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, result.rgba.data());
    }
    return result;
}

GLint boundTexture()
{
    GLint name = 0;
    ::glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

GLint boundParameter(GLenum name)
{
    GLint value = 0;
    ::glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

GLint levelParameter(GLenum name, GLint level = 0)
{
    GLint value = 0;
    ::glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

::testing::AssertionResult texelIs(const TextureLevel& level, int x, int y, Bgr colour, int alpha,
                                   int tolerance = 0)
{
    const std::uint8_t* t = level.at(x, y);
    const int expected[4] = {colour.r, colour.g, colour.b, alpha};
    for (int c = 0; c < 4; ++c)
        if (std::abs(t[c] - expected[c]) > tolerance)
            return ::testing::AssertionFailure()
                   << "texel (" << x << ", " << y << ") is RGBA (" << int(t[0]) << ", " << int(t[1])
                   << ", " << int(t[2]) << ", " << int(t[3]) << "), expected (" << expected[0]
                   << ", " << expected[1] << ", " << expected[2] << ", " << expected[3] << ")";
    return ::testing::AssertionSuccess();
}

// The texels a quarter of the way in from the left and from the right keep the colour of their
// half in every row: rows were neither sheared by padding nor had their channels swapped.
// (Edge texels are not checked: when GLU enlarges an image they take in some of the opposite
// edge's colour.)
::testing::AssertionResult keepsItsHalves(const TextureLevel& level, int leftAlpha = 255,
                                          int rightAlpha = 255)
{
    for (int y = 0; y < level.height; ++y) {
        if (auto left = texelIs(level, level.width / 4, y, kLeftColor, leftAlpha, 1); !left)
            return left;
        if (auto right = texelIs(level, level.width * 3 / 4, y, kRightColor, rightAlpha, 1); !right)
            return right;
    }
    return ::testing::AssertionSuccess();
}

class TextureLoaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        context = new GlTestContext;
        contextReady = context->ready();
    }
    static void TearDownTestSuite()
    {
        delete context;
        context = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(contextReady) << "no OpenGL context"; }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = files.file(name + ".bmp");
        EXPECT_TRUE(writeFile(path, bytes)) << path;
        return path;
    }

    std::string writePicture(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = files.file(name);
        EXPECT_TRUE(writeFile(path, bytes)) << path;
        return path;
    }

    // Loads with the plain loader and checks what every load must leave behind.
    bool loadPlain(const std::string& path, GLuint& texture)
    {
        texture = 0;
        const bool loaded = LoadBmpTexture(path.c_str(), &texture);
        EXPECT_NE(texture, 0u);
        EXPECT_EQ(boundTexture(), static_cast<GLint>(texture)) << "the new texture stays bound";
        return loaded;
    }
    bool loadMipmapped(const std::string& path, GLuint& texture)
    {
        texture = 0;
        const bool loaded = LoadMipmappedBmpTexture(path.c_str(), &texture);
        EXPECT_NE(texture, 0u);
        EXPECT_EQ(boundTexture(), static_cast<GLint>(texture)) << "the new texture stays bound";
        return loaded;
    }

    static GlTestContext* context;
    static bool contextReady;
    TestDirectory files;
};

GlTestContext* TextureLoaderTest::context = nullptr;
bool TextureLoaderTest::contextReady = false;

}  // namespace

TEST_F(TextureLoaderTest, TwentyFourBitImageAtPowerOfTwoSizeIsUploadedUnscaled)
{
    GLuint texture;
    ASSERT_TRUE(loadPlain(write("rgb24", bmp24(64, 64, gradient).bytes()), texture));
    const TextureLevel level = readBoundLevel();
    ASSERT_EQ(level.width, 64);
    ASSERT_EQ(level.height, 64);
    EXPECT_EQ(levelParameter(GL_TEXTURE_ALPHA_SIZE), 0) << "three components";
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_TRUE(texelIs(level, x, y, gradient(x, y), 255));
    EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(TextureLoaderTest, OtherSizesAreScaledToPowerOfTwoSidesUnderTheCap)
{
    struct Case {
        int width, height, expectedWidth, expectedHeight;
    };
    for (const Case& c : {Case{100, 60, 128, 64}, Case{1024, 512, 512, 512}, Case{30, 20, 32, 32},
                          Case{6, 2, 8, 2}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const int width = c.width;
        GLuint texture;
        ASSERT_TRUE(loadPlain(write("scaled", bmp24(c.width, c.height, [width](int x, int) {
                                                  return halves(width, x);
                                              }).bytes()),
                              texture));
        const TextureLevel level = readBoundLevel();
        ASSERT_EQ(level.width, c.expectedWidth);
        ASSERT_EQ(level.height, c.expectedHeight);
        EXPECT_TRUE(keepsItsHalves(level));
    }
}

TEST_F(TextureLoaderTest, SinglePixelBecomesTwoByTwo)
{
    const Bgr colour{40, 90, 250};
    GLuint texture;
    ASSERT_TRUE(loadPlain(write("one", bmp24(1, 1, [&](int, int) { return colour; }).bytes()),
                          texture));
    const TextureLevel level = readBoundLevel();
    ASSERT_EQ(level.width, 2);
    ASSERT_EQ(level.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_TRUE(texelIs(level, x, y, colour, 255, 1));
}

TEST_F(TextureLoaderTest, EightBitImageIsExpandedThroughItsPalette)
{
    const std::vector<Bgr> palette = samplePalette();
    GLuint texture;
    ASSERT_TRUE(loadPlain(write("pal8", bmp8(64, 64, palette, sampleIndex).bytes()), texture));
    const TextureLevel level = readBoundLevel();
    ASSERT_EQ(level.width, 64);
    ASSERT_EQ(level.height, 64);
    EXPECT_EQ(levelParameter(GL_TEXTURE_ALPHA_SIZE), 0) << "three components";
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_TRUE(texelIs(level, x, y, palette[sampleIndex(x, y)], 255, 1));
}

TEST_F(TextureLoaderTest, ThirtyTwoBitImageKeepsItsAlpha)
{
    GLuint texture;
    const auto alpha = [](int x, int y) { return static_cast<std::uint8_t>(x * 4 + y % 4); };
    ASSERT_TRUE(loadPlain(write("bgra32", bmp32(64, 64, gradient, alpha).bytes()), texture));
    TextureLevel level = readBoundLevel();
    ASSERT_EQ(level.width, 64);
    ASSERT_EQ(level.height, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_TRUE(texelIs(level, x, y, gradient(x, y), alpha(x, y)));

    // Scaled: each side keeps its colour and alpha.
    const auto sideAlpha = [](int x, int) { return static_cast<std::uint8_t>(x < 50 ? 40 : 210); };
    ASSERT_TRUE(loadPlain(write("bgra32_scaled", bmp32(100, 60, [](int x, int) {
                                                       return halves(100, x);
                                                   }, sideAlpha).bytes()),
                          texture));
    level = readBoundLevel();
    ASSERT_EQ(level.width, 128);
    ASSERT_EQ(level.height, 64);
    EXPECT_TRUE(keepsItsHalves(level, 40, 210));
}

TEST_F(TextureLoaderTest, PixelStoreStateLeftByOtherCodeDoesNotDisturbLoading)
{
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
    GLuint texture;
    const bool loaded = loadPlain(write("padded", bmp24(30, 20, [](int x, int) {
                                                      return halves(30, x);
                                                  }).bytes()),
                                  texture);
    GLint alignment = 0, rowLength = 0;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    ::glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(alignment, 1) << "the caller's state comes back";
    EXPECT_EQ(rowLength, 7);
    const TextureLevel level = readBoundLevel();
    ASSERT_EQ(level.width, 32);
    EXPECT_TRUE(keepsItsHalves(level));
}

TEST_F(TextureLoaderTest, MipmappedTextureMakesOnlyPureBlackTransparent)
{
    GLuint texture;
    ASSERT_TRUE(loadMipmapped(write("mipmap", bmp24(64, 64, mipmapSample).bytes()), texture));
    const TextureLevel level = readBoundLevel();
    ASSERT_EQ(level.width, 64);
    ASSERT_EQ(level.height, 64);
    EXPECT_TRUE(texelIs(level, 0, 0, {0, 0, 0}, 0)) << "pure black";
    EXPECT_TRUE(texelIs(level, 1, 0, {0, 0, 1}, 255)) << "red 1";
    EXPECT_TRUE(texelIs(level, 2, 0, {1, 0, 0}, 255)) << "blue 1";
    for (int y = 1; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_TRUE(texelIs(level, x, y, gradient(x, y), 255));

    // The whole chain down to 1 x 1.
    for (GLint l = 1, side = 32; side >= 1; ++l, side /= 2) {
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH, l), side) << "level " << l;
        EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT, l), side) << "level " << l;
    }
    EXPECT_EQ(boundParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(boundParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
}

TEST_F(TextureLoaderTest, MipmappedTextureReadsPaddedUnpaddedAndSizelessRows)
{
    const auto colour = [](int x, int) { return halves(30, x); };
    BmpFile sizeless = bmp24(30, 20, colour);
    sizeless.imageSize = 0;
    const std::pair<const char*, BmpFile> samples[] = {
        {"padded", bmp24(30, 20, colour)},
        {"unpadded", bmp24(30, 20, colour, false)},
        {"sizeless", sizeless},
    };
    for (const auto& [name, file] : samples) {
        SCOPED_TRACE(name);
        GLuint texture;
        ASSERT_TRUE(loadMipmapped(write(name, file.bytes()), texture));
        const TextureLevel level = readBoundLevel();
        ASSERT_GT(level.width, 0);
        ASSERT_GT(level.height, 0);
        EXPECT_TRUE(keepsItsHalves(level));
    }
}

TEST_F(TextureLoaderTest, BlankTextureIsOneHundredTwentyEightSquareAndAllZero)
{
    const GLuint first = CreateBlankTexture();
    ASSERT_NE(first, 0u);
    EXPECT_EQ(boundTexture(), static_cast<GLint>(first));
    const TextureLevel level = readBoundLevel();
    ASSERT_EQ(level.width, 128);
    ASSERT_EQ(level.height, 128);
    EXPECT_GT(levelParameter(GL_TEXTURE_ALPHA_SIZE), 0) << "four components";
    EXPECT_EQ(level.rgba, std::vector<std::uint8_t>(128 * 128 * 4, 0));
    EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    const GLuint second = CreateBlankTexture();
    EXPECT_NE(second, first);
}

// Whatever a file claims, a load that cannot use it leaves a texture name without an image.
TEST_F(TextureLoaderTest, UnusableFilesGiveATextureNameWithoutAnImage)
{
    std::vector<NamedBytes> unusable = malformedSamples();
    std::vector<std::uint8_t> beyond = bmp24(8, 8, gradient).bytes();
    putU32(beyond, kPixelOffsetField, 100000);
    const std::vector<std::uint8_t> fourteen(beyond.begin(), beyond.begin() + 14);

    const auto expectNoImage = [](bool loaded, GLuint texture) {
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(::glIsTexture(texture));
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 0);
    };
    GLuint texture = 0;
    for (const auto& [name, bytes] : unusable) {
        SCOPED_TRACE(name);
        const std::string path = write(name, bytes);
        bool loaded = loadPlain(path, texture);
        expectNoImage(loaded, texture);
        loaded = loadMipmapped(path, texture);
        expectNoImage(loaded, texture);
    }
    {
        SCOPED_TRACE("missing file");
        const std::string missing = files.file("missing.bmp");
        bool loaded = loadPlain(missing, texture);
        expectNoImage(loaded, texture);
        loaded = loadMipmapped(missing, texture);
        expectNoImage(loaded, texture);
    }
    {
        SCOPED_TRACE("fourteen bytes");
        const bool loaded = loadPlain(write("fourteen", fourteen), texture);
        expectNoImage(loaded, texture);
    }
    {
        SCOPED_TRACE("mipmapped: pixel offset beyond the file");
        const bool loaded = loadMipmapped(write("beyond", beyond), texture);
        expectNoImage(loaded, texture);
    }
    {
        SCOPED_TRACE("mipmapped: 8-bit file");
        const bool loaded =
            loadMipmapped(write("pal8", bmp8(8, 8, samplePalette(), sampleIndex).bytes()), texture);
        expectNoImage(loaded, texture);
    }
}

// The user's pictures: a texture name only for a picture that decodes, and nothing left bound.
TEST_F(TextureLoaderTest, PictureThatCannotBeUsedTakesNoTextureName)
{
    const std::string text = "no picture at all, only text";
    const auto png = samplepicture::encode(samplepicture::Kind::Png, 3, 5, 3,
                                           std::vector<std::uint8_t>(3 * 5 * 3, 90));
    const std::pair<const char*, std::string> unusable[] = {
        {"missing file", files.file("missing.png")},
        {"text", writePicture("text.png", std::vector<std::uint8_t>(text.begin(), text.end()))},
        {"truncated PNG", writePicture("truncated.png", {png.begin(), png.end() - png.size() / 2})},
    };
    GLuint bound = 0;
    ::glGenTextures(1, &bound);
    ::glBindTexture(GL_TEXTURE_2D, bound);
    for (const auto& [name, path] : unusable) {
        SCOPED_TRACE(name);
        GLuint before = 0, after = 0;
        ::glGenTextures(1, &before);
        EXPECT_FALSE(LoadPictureTexture(path.c_str()));
        ::glGenTextures(1, &after);
        EXPECT_EQ(after, before + 1) << "a texture name was taken";
        EXPECT_EQ(boundTexture(), static_cast<GLint>(bound));
    }
}

// Upright and opaque, from paths with spaces and characters beyond ASCII (in the ANSI code page),
// scaled up to power-of-two sides with a full mipmap chain, while the picture's own size is kept.
TEST_F(TextureLoaderTest, PictureOfAnyPathKeepsItsSizeOnAMipmappedPowerOfTwoTexture)
{
    const auto colour = [](int x, int y) { return samplepicture::quarters(x, y, 150, 8); };
    const auto png = samplepicture::encode(samplepicture::Kind::Png, 300, 17, 4,
                                           samplepicture::pixelBytes(300, 17, 4, colour));
    for (const char* name : {"odd.png", "sea picture \xe9.png"}) {
        SCOPED_TRACE(name);
        const auto texture = LoadPictureTexture(writePicture(name, png).c_str());
        ASSERT_TRUE(texture);
        EXPECT_EQ(texture->width, 300);
        EXPECT_EQ(texture->height, 17);
        EXPECT_EQ(boundTexture(), 0) << "nothing left bound";

        ::glBindTexture(GL_TEXTURE_2D, texture->name);
        const TextureLevel level = readBoundLevel();
        ASSERT_EQ(level.width, 512);
        ASSERT_EQ(level.height, 32);
        // OpenGL's rows go bottom up: the picture's top left quarter is at the texture's top.
        // Each quarter has an alpha of its own in the file, none in the texture.
        const std::pair<int, int> topLeft{128, 24}, topRight{384, 24}, bottomLeft{128, 8},
            bottomRight{384, 8};
        for (const auto& [texel, source] : {std::pair{topLeft, colour(0, 0)},
                                            std::pair{topRight, colour(299, 0)},
                                            std::pair{bottomLeft, colour(0, 16)},
                                            std::pair{bottomRight, colour(299, 16)}})
            EXPECT_TRUE(texelIs(level, texel.first, texel.second, {source.b, source.g, source.r},
                                255, 2));
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH, 9), 1) << "mipmaps down to 1 x 1";
        EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT, 9), 1);
        EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
        EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        ::glBindTexture(GL_TEXTURE_2D, 0);
    }
}

TEST_F(TextureLoaderTest, LargePictureIsScaledDownToTheCapAndTheImplementationsLimit)
{
    constexpr int kWidth = 5000, kHeight = 3000;
    const samplepicture::Rgba colour{30, 140, 200};
    const auto png = samplepicture::encode(
        samplepicture::Kind::Png, kWidth, kHeight, 3,
        samplepicture::pixelBytes(kWidth, kHeight, 3, [&](int, int) { return colour; }));
    ASSERT_FALSE(png.empty());
    const auto texture = LoadPictureTexture(writePicture("large.png", png).c_str());
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->width, kWidth);
    EXPECT_EQ(texture->height, kHeight);

    GLint implementationLimit = 0;
    ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &implementationLimit);
    const GLint side = std::min(kPictureTextureMaxSide, implementationLimit);
    ::glBindTexture(GL_TEXTURE_2D, texture->name);
    const TextureLevel level = readBoundLevel();
    EXPECT_EQ(level.width, side);
    EXPECT_EQ(level.height, side);
    ASSERT_GT(level.width, 0);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{side / 2, side / 3},
                               std::pair{side - 1, side - 1}})
        EXPECT_TRUE(texelIs(level, x, y, {colour.b, colour.g, colour.r}, 255, 1));
    ::glBindTexture(GL_TEXTURE_2D, 0);
}
