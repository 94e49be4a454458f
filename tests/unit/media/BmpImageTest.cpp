// Decoding of BMP files in memory, for both loaders' rules, on well-formed and malformed files.
#include "media/BmpImage.h"

#include "SampleBmps.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace samplebmp;

namespace {

std::optional<BmpImage> plain(const std::vector<std::uint8_t>& bytes)
{
    return decodePlainBmp(bytes.data(), bytes.size());
}

std::optional<BmpImage> mipmap(const std::vector<std::uint8_t>& bytes)
{
    return decodeMipmapBmp(bytes.data(), bytes.size());
}

// Blue, green, red of a pixel of a 3-channel image.
Bgr pixelOf(const BmpImage& image, int x, int y)
{
    const std::uint8_t* p = &image.pixels[y * image.rowStride + x * 3];
    return {p[0], p[1], p[2]};
}

// Red, green, blue, alpha of a pixel of a mipmap image.
std::vector<int> rgbaOf(const BmpImage& image, int x, int y)
{
    const std::uint8_t* p = &image.pixels[y * image.rowStride + x * 4];
    return {p[0], p[1], p[2], p[3]};
}

::testing::AssertionResult sameColor(Bgr actual, Bgr expected)
{
    if (actual.b == expected.b && actual.g == expected.g && actual.r == expected.r)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "BGR (" << int(actual.b) << ", " << int(actual.g) << ", " << int(actual.r)
           << "), expected (" << int(expected.b) << ", " << int(expected.g) << ", "
           << int(expected.r) << ")";
}

}  // namespace

TEST(BmpRowStride, PadsRowsToFourBytesAndRefusesWhatCannotBeARow)
{
    EXPECT_EQ(bmpRowStride(1, 24), 4u);
    EXPECT_EQ(bmpRowStride(30, 24), 92u);
    EXPECT_EQ(bmpRowStride(64, 24), 192u);
    EXPECT_EQ(bmpRowStride(30, 8), 32u);
    EXPECT_EQ(bmpRowStride(3, 32), 12u);
    EXPECT_EQ(bmpRowStride(33, 1), 8u);
    EXPECT_FALSE(bmpRowStride(0, 24));
    EXPECT_FALSE(bmpRowStride(-5, 24));
    EXPECT_FALSE(bmpRowStride(10, 0));
    EXPECT_FALSE(bmpRowStride(INT64_MAX, 32)) << "width times bit count overflows";
}

TEST(PlainBmp, TwentyFourBitRowsKeepTheirPadding)
{
    const auto image = plain(bmp24(30, 20, gradient).bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 30);
    EXPECT_EQ(image->height, 20);
    EXPECT_EQ(image->sourceBitCount, 24);
    EXPECT_EQ(image->channels, 3);
    EXPECT_EQ(image->rowStride, 92u);
    ASSERT_EQ(image->pixels.size(), 92u * 20);
    for (int y : {0, 7, 19})
        for (int x : {0, 1, 15, 29})
            EXPECT_TRUE(sameColor(pixelOf(*image, x, y), gradient(x, y))) << x << ", " << y;
}

TEST(PlainBmp, EightBitPixelsAreExpandedThroughThePalette)
{
    const std::vector<Bgr> palette = samplePalette();
    const auto image = plain(bmp8(30, 20, palette, sampleIndex).bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->sourceBitCount, 8);
    EXPECT_EQ(image->channels, 3);
    EXPECT_EQ(image->rowStride, 92u) << "destination rows padded like 24-bit rows";
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_TRUE(sameColor(pixelOf(*image, x, y), palette[sampleIndex(x, y)]))
                << x << ", " << y;
}

TEST(PlainBmp, ColorsUsedZeroMeansAFullPaletteBeforeThePixels)
{
    const std::vector<Bgr> palette = samplePalette(256);
    const auto index = [](int x, int y) { return static_cast<std::uint8_t>(x * 16 + y * 3); };
    const auto image = plain(bmp8(16, 5, palette, index).bytes());
    ASSERT_TRUE(image);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_TRUE(sameColor(pixelOf(*image, x, y), palette[index(x, y)])) << x << ", " << y;
}

TEST(PlainBmp, IndexBeyondTheUsedColorsIsBlack)
{
    const auto index = [](int x, int) { return static_cast<std::uint8_t>(x == 0 ? 1 : 200); };
    const auto image = plain(bmp8(4, 1, samplePalette(2), index).bytes());
    ASSERT_TRUE(image);
    EXPECT_TRUE(sameColor(pixelOf(*image, 0, 0), samplePalette(2)[1]));
    EXPECT_TRUE(sameColor(pixelOf(*image, 1, 0), Bgr{0, 0, 0}));
}

TEST(PlainBmp, ThirtyTwoBitPixelsAreKeptWithTheirFourthByte)
{
    const std::vector<std::uint8_t> bytes =
        bmp32(5, 3, gradient, [](int x, int y) { return x + 10 * y; }).bytes();
    const auto image = plain(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->channels, 4);
    EXPECT_EQ(image->rowStride, 20u);
    EXPECT_EQ(image->pixels, std::vector<std::uint8_t>(bytes.begin() + kHeadersSize, bytes.end()));
}

TEST(PlainBmp, PixelsStartAfterTheHeaderWhateverThePixelOffsetSays)
{
    std::vector<std::uint8_t> bytes = bmp24(4, 2, gradient).bytes();
    putU32(bytes, kPixelOffsetField, 1000000);
    const auto image = plain(bytes);
    ASSERT_TRUE(image);
    EXPECT_TRUE(sameColor(pixelOf(*image, 3, 1), gradient(3, 1)));
}

TEST(PlainBmp, OtherBitCountsAndPalettesOfMoreThan256EntriesGiveNoImage)
{
    for (int bits : {1, 4, 16, 0, 48}) {
        std::vector<std::uint8_t> bytes = bmp24(8, 8, gradient).bytes();
        putU16(bytes, kBitCountField, bits);
        EXPECT_FALSE(plain(bytes)) << bits << " bits";
    }
    // 257 palette entries in a file long enough to hold them.
    BmpFile file = bmp8(8, 8, samplePalette(257), sampleIndex);
    EXPECT_FALSE(plain(file.bytes()));
}

TEST(MipmapBmp, PureBlackIsTransparentAndEverythingElseOpaque)
{
    const auto image = mipmap(bmp24(64, 64, mipmapSample).bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->channels, 4);
    EXPECT_EQ(image->rowStride, 64u * 4);
    EXPECT_EQ(rgbaOf(*image, 0, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(rgbaOf(*image, 1, 0), (std::vector<int>{1, 0, 0, 255})) << "barely red";
    EXPECT_EQ(rgbaOf(*image, 2, 0), (std::vector<int>{0, 0, 1, 255})) << "barely blue";
    for (int y = 1; y < 64; y += 9)
        for (int x = 0; x < 64; x += 7) {
            const Bgr c = gradient(x, y);
            ASSERT_EQ(rgbaOf(*image, x, y), (std::vector<int>{c.r, c.g, c.b, 255})) << x << ", " << y;
        }
}

// Every row layout a file may use, decoded to the same picture.
TEST(MipmapBmp, RowLayoutFollowsTheImageSizeField)
{
    const auto check = [](const BmpFile& file, const char* what) {
        const auto image = mipmap(file.bytes());
        ASSERT_TRUE(image) << what;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                const Bgr c = mipmapSample(x, y);
                const int alpha = (c.b | c.g | c.r) ? 255 : 0;
                ASSERT_EQ(rgbaOf(*image, x, y), (std::vector<int>{c.r, c.g, c.b, alpha}))
                    << what << " at " << x << ", " << y;
            }
    };
    check(bmp24(30, 20, mipmapSample), "padded rows, size of padded rows");
    check(bmp24(30, 20, mipmapSample, false), "unpadded rows, size of unpadded rows");
    BmpFile zero = bmp24(30, 20, mipmapSample);
    zero.imageSize = 0;
    check(zero, "padded rows, size 0");
    BmpFile tooSmall = bmp24(30, 20, mipmapSample);
    tooSmall.imageSize = 100;
    check(tooSmall, "padded rows, size too small for any layout");
    BmpFile trailing = bmp24(30, 20, mipmapSample);
    trailing.pixels.resize(trailing.pixels.size() + 2, 0xEE);
    check(trailing, "padded rows, two more bytes counted in the size");
}

TEST(MipmapBmp, PixelsStartAtThePixelOffset)
{
    std::vector<std::uint8_t> bytes = bmp24(4, 2, mipmapSample).bytes();
    bytes.insert(bytes.begin() + kHeadersSize, 6, 0xAB);
    putU32(bytes, kPixelOffsetField, kHeadersSize + 6);
    const auto image = mipmap(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbaOf(*image, 1, 0), (std::vector<int>{1, 0, 0, 255}));
    const Bgr last = mipmapSample(3, 1);
    EXPECT_EQ(rgbaOf(*image, 3, 1), (std::vector<int>{last.r, last.g, last.b, 255}));
}

TEST(MipmapBmp, RefusesWhatItCannotReadAsTwentyFourBitPixels)
{
    const std::vector<std::uint8_t> valid = bmp24(8, 8, mipmapSample).bytes();
    ASSERT_TRUE(mipmap(valid));
    std::vector<std::uint8_t> bytes = valid;
    putU32(bytes, kPixelOffsetField, 20);
    EXPECT_FALSE(mipmap(bytes)) << "pixel offset inside the headers";
    putU32(bytes, kPixelOffsetField, static_cast<std::uint32_t>(valid.size() + 1));
    EXPECT_FALSE(mipmap(bytes)) << "pixel offset past the end";
    putU32(bytes, kPixelOffsetField, static_cast<std::uint32_t>(valid.size() - 10));
    putU32(bytes, kImageSizeField, 0);
    EXPECT_FALSE(mipmap(bytes)) << "rows run past the end";
    EXPECT_FALSE(mipmap(bmp32(8, 8, gradient, [](int, int) { return 255; }).bytes()));
    EXPECT_FALSE(mipmap(bmp8(8, 8, samplePalette(), sampleIndex).bytes()));
}

TEST(BothBmpViews, WellFormedSamplesDecode)
{
    // The plain loader reads rows as padded, and a file of unpadded rows is too short for that.
    for (const auto& [name, bytes] : wellFormedSamples())
        EXPECT_EQ(plain(bytes).has_value(), name != "mipmap_unpadded_30x20") << name;
    for (const auto& [name, bytes] : wellFormedSamples()) {
        if (name.rfind("mipmap_", 0) == 0) {
            EXPECT_TRUE(mipmap(bytes)) << name;
        }
    }
}

TEST(BothBmpViews, MalformedFilesGiveNoImage)
{
    for (const auto& [name, bytes] : malformedSamples()) {
        EXPECT_FALSE(plain(bytes)) << name;
        EXPECT_FALSE(mipmap(bytes)) << name;
    }
    EXPECT_FALSE(decodePlainBmp(nullptr, 0));
    EXPECT_FALSE(decodeMipmapBmp(nullptr, 100));
}

// Every prefix of a valid file is read without touching bytes beyond it (a fault here shows up
// under the sanitizers of the native fuzz build, and as a wrong result here).
TEST(BothBmpViews, EveryTruncationOfAValidFileGivesNoImage)
{
    for (const auto& file : {bmp24(7, 5, gradient), bmp8(7, 5, samplePalette(), sampleIndex)}) {
        const std::vector<std::uint8_t> bytes = file.bytes();
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + length);
            EXPECT_FALSE(plain(prefix)) << length << " of " << bytes.size();
            EXPECT_FALSE(mipmap(prefix)) << length << " of " << bytes.size();
        }
    }
}
