// Decoding of the user's pictures from memory: pictures of each accepted kind made by the tests,
// and files that must be refused.
#include "media/PictureImage.h"

#include "SamplePictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

using namespace samplepicture;

namespace {

// Split so that no 8 x 8 block of a JPEG holds two colours; the sides stay odd.
constexpr int kWidth = 35, kHeight = 33, kSplitX = 16, kSplitY = 16;

Rgba sample(int x, int y)
{
    return quarters(x, y, kSplitX, kSplitY);
}

std::vector<std::uint8_t> samplePicture(Kind kind, int channels = 3, int jpegQuality = 95)
{
    return encode(kind, kWidth, kHeight, channels, pixelBytes(kWidth, kHeight, channels, sample),
                  jpegQuality);
}

// The largest difference between the picture and the sample read from the bottom row up, leaving
// out the pixels within `margin` of the quarters' borders; -1 when the sizes differ.
int largestDifference(const PictureImage& image, int channels, int margin)
{
    if (image.width != kWidth || image.height != kHeight ||
        image.pixels.size() != static_cast<std::size_t>(kWidth) * kHeight * 4)
        return -1;
    int largest = 0;
    for (int row = 0; row < kHeight; ++row) {
        const int y = kHeight - 1 - row;
        for (int x = 0; x < kWidth; ++x) {
            if (std::abs(x - kSplitX) < margin || std::abs(y - kSplitY) < margin)
                continue;
            const Rgba e = asStored(sample(x, y), channels);
            const int expected[4] = {e.r, e.g, e.b, e.a};
            const std::uint8_t* p = &image.pixels[(static_cast<std::size_t>(row) * kWidth + x) * 4];
            for (int c = 0; c < 4; ++c)
                largest = std::max(largest, std::abs(p[c] - expected[c]));
        }
    }
    return largest;
}

std::optional<PictureImage> decode(const std::vector<std::uint8_t>& bytes)
{
    return decodePicture(bytes.data(), bytes.size());
}

void putNumber(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size,
               bool bigEndian)
{
    for (int i = 0; i < size; ++i)
        bytes[at + (bigEndian ? size - 1 - i : i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The picture's header made to claim another size, the rest of the file left as it is.
std::vector<std::uint8_t> claimingSize(Kind kind, std::vector<std::uint8_t> bytes, int width,
                                       int height)
{
    if (kind == Kind::Png) {  // IHDR, the first chunk
        putNumber(bytes, 16, width, 4, true);
        putNumber(bytes, 20, height, 4, true);
    } else if (kind == Kind::Bmp) {
        putNumber(bytes, 18, width, 4, false);
        putNumber(bytes, 22, height, 4, false);
    } else {  // the baseline frame header of a JPEG
        for (std::size_t at = 2; at + 9 < bytes.size(); ++at)
            if (bytes[at] == 0xFF && bytes[at + 1] == 0xC0) {
                putNumber(bytes, at + 5, height, 2, true);
                putNumber(bytes, at + 7, width, 2, true);
                break;
            }
    }
    return bytes;
}

}  // namespace

TEST(DecodePicture, EachKindDecodesWithItsSizeAndColorsBottomRowFirst)
{
    struct Case {
        const char* name;
        Kind kind;
        int channels, jpegQuality, tolerance, margin;
    };
    const Case cases[] = {
        {"PNG colour", Kind::Png, 3, 0, 0, 0},
        {"PNG colour and alpha", Kind::Png, 4, 0, 0, 0},
        {"PNG grey", Kind::Png, 1, 0, 0, 0},
        {"PNG grey and alpha", Kind::Png, 2, 0, 0, 0},
        {"BMP 24-bit", Kind::Bmp, 3, 0, 0, 0},
        {"BMP 32-bit with alpha", Kind::Bmp, 4, 0, 0, 0},
        {"JPEG colour", Kind::Jpeg, 3, 95, 4, 0},
        {"JPEG grey", Kind::Jpeg, 1, 95, 4, 0},
        // Subsampled colour is smoothed across the quarters' borders.
        {"JPEG subsampled colour", Kind::Jpeg, 3, 75, 6, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> file = samplePicture(c.kind, c.channels, c.jpegQuality);
        ASSERT_FALSE(file.empty());
        const std::optional<PictureImage> image = decode(file);
        ASSERT_TRUE(image);
        const int difference = largestDifference(*image, c.channels, c.margin);
        EXPECT_GE(difference, 0) << "size " << image->width << " x " << image->height;
        EXPECT_LE(difference, c.tolerance);
    }
}

TEST(DecodePicture, RefusesWhatIsNoWholePictureOfAnAcceptedKind)
{
    const std::vector<std::uint8_t> png = samplePicture(Kind::Png);
    const std::vector<std::uint8_t> jpeg = samplePicture(Kind::Jpeg);
    const auto firstBytes = [](const std::vector<std::uint8_t>& bytes, std::size_t count) {
        return std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + count);
    };
    const std::string text = "Not a picture, but a line of text long enough to be one.";
    // A 1 x 1 GIF: stb_image reads these, the program does not.
    const std::vector<std::uint8_t> gif = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x2C, 0,
        0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
    const std::string pnm = "P6\n2 1\n255\n\x10\x20\x30\x40\x50\x60";

    const std::pair<const char*, std::vector<std::uint8_t>> refused[] = {
        {"PNG cut in half", firstBytes(png, png.size() / 2)},
        {"PNG cut inside its header", firstBytes(png, 20)},
        {"JPEG cut in half", firstBytes(jpeg, jpeg.size() / 2)},
        {"JPEG without its last byte", firstBytes(jpeg, jpeg.size() - 1)},
        {"text", std::vector<std::uint8_t>(text.begin(), text.end())},
        {"one byte", {0xFF}},
        {"GIF", gif},
        {"PNM", std::vector<std::uint8_t>(pnm.begin(), pnm.end())},
        {"TGA", samplePicture(Kind::Tga)},
    };
    for (const auto& [name, bytes] : refused) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_FALSE(decode(bytes));
    }
    EXPECT_FALSE(decodePicture(nullptr, 0));
    EXPECT_FALSE(decodePicture(png.data(), 0));
}

// 100 million pixels, 400 MB decoded: refused from the header alone, before any pixel is decoded
// (decoding what is there would take seconds and, for a BMP or a JPEG, succeed).
TEST(DecodePicture, RefusesAPictureClaimingTooManyPixelsAtOnce)
{
    const std::pair<const char*, Kind> kinds[] = {
        {"PNG", Kind::Png}, {"BMP", Kind::Bmp}, {"JPEG", Kind::Jpeg}};
    for (const auto& [name, kind] : kinds) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> file = samplePicture(kind);
        // The size is where it is patched: a row fewer is decoded as such.
        const auto shorter = decode(claimingSize(kind, file, kWidth, kHeight - 1));
        ASSERT_TRUE(shorter);
        EXPECT_EQ(shorter->height, kHeight - 1);

        using namespace std::chrono;
        const auto start = steady_clock::now();
        EXPECT_FALSE(decode(claimingSize(kind, file, 10000, 10000)));
        EXPECT_LT(duration_cast<milliseconds>(steady_clock::now() - start).count(), 200);
    }
}
