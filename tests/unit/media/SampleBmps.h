// BMP files made by the tests themselves: a small writer, header patching, and the sample files
// the texture tests load. Plain C++ only, so that the native fuzzers seed their corpora from the
// very same files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace samplebmp {

// Byte offsets of the header fields the samples patch.
constexpr std::size_t kPixelOffsetField = 10;
constexpr std::size_t kWidthField = 18;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kBitCountField = 28;
constexpr std::size_t kImageSizeField = 34;
constexpr std::size_t kColorsUsedField = 46;
constexpr std::size_t kHeadersSize = 54;

struct Bgr {
    std::uint8_t b = 0, g = 0, r = 0;
};

inline void putU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void putU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::size_t paddedRow(std::size_t width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

// One BMP file: headers, palette, then the pixel bytes exactly as given (rows bottom-up).
struct BmpFile {
    std::int32_t width = 1;
    std::int32_t height = 1;
    int bitCount = 24;
    std::vector<std::uint8_t> palette;  // 4 bytes (blue, green, red, 0) per entry
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint8_t> pixels;
    std::optional<std::uint32_t> imageSize;  // default: the pixel bytes' length

    std::vector<std::uint8_t> bytes() const
    {
        std::vector<std::uint8_t> out(kHeadersSize);
        const std::uint32_t offset = static_cast<std::uint32_t>(kHeadersSize + palette.size());
        out[0] = 'B';
        out[1] = 'M';
        putU32(out, 2, static_cast<std::uint32_t>(offset + pixels.size()));
        putU32(out, kPixelOffsetField, offset);
        putU32(out, 14, 40);
        putU32(out, kWidthField, static_cast<std::uint32_t>(width));
        putU32(out, kHeightField, static_cast<std::uint32_t>(height));
        putU16(out, 26, 1);
        putU16(out, kBitCountField, static_cast<std::uint32_t>(bitCount));
        putU32(out, kImageSizeField,
               imageSize ? *imageSize : static_cast<std::uint32_t>(pixels.size()));
        putU32(out, 38, 2835);
        putU32(out, 42, 2835);
        putU32(out, kColorsUsedField, coloursUsed);
        out.insert(out.end(), palette.begin(), palette.end());
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

// A 24-bit file; rows padded to 4 bytes unless `padded` is false.
inline BmpFile bmp24(int width, int height, const std::function<Bgr(int x, int y)>& colour,
                     bool padded = true)
{
    BmpFile file;
    file.width = width;
    file.height = height;
    const std::size_t row = padded ? paddedRow(width, 24) : static_cast<std::size_t>(width) * 3;
    file.pixels.assign(row * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Bgr c = colour(x, y);
            std::uint8_t* p = &file.pixels[y * row + x * 3];
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    return file;
}

// A 32-bit file; `alpha` gives the fourth byte of each pixel.
inline BmpFile bmp32(int width, int height, const std::function<Bgr(int x, int y)>& colour,
                     const std::function<std::uint8_t(int x, int y)>& alpha)
{
    BmpFile file;
    file.width = width;
    file.height = height;
    file.bitCount = 32;
    file.pixels.assign(static_cast<std::size_t>(width) * height * 4, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Bgr c = colour(x, y);
            std::uint8_t* p = &file.pixels[(static_cast<std::size_t>(y) * width + x) * 4];
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
            p[3] = alpha(x, y);
        }
    return file;
}

// An 8-bit file with the given palette; colours-used is written as 0 for a palette of 256
// entries, else as the palette's length.
inline BmpFile bmp8(int width, int height, const std::vector<Bgr>& palette,
                    const std::function<std::uint8_t(int x, int y)>& index)
{
    BmpFile file;
    file.width = width;
    file.height = height;
    file.bitCount = 8;
    for (const Bgr& c : palette) {
        file.palette.insert(file.palette.end(), {c.b, c.g, c.r, 0});
    }
    file.coloursUsed = palette.size() == 256 ? 0 : static_cast<std::uint32_t>(palette.size());
    const std::size_t row = paddedRow(width, 8);
    file.pixels.assign(row * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            file.pixels[y * row + x] = index(x, y);
    return file;
}

// A colour that differs in every channel from pixel to pixel.
inline Bgr gradient(int x, int y)
{
    return {static_cast<std::uint8_t>(x * 3 + y), static_cast<std::uint8_t>(y * 4),
            static_cast<std::uint8_t>(255 - x * 2)};
}

// Left half one colour, right half another: shows sheared or mirrored rows after scaling.
constexpr Bgr kLeftColor{30, 100, 200};
constexpr Bgr kRightColor{220, 60, 10};
inline Bgr halves(int width, int x)
{
    return x < width / 2 ? kLeftColor : kRightColor;
}

// The 16-colour palette of the 8-bit samples.
inline std::vector<Bgr> samplePalette(std::size_t entries = 16)
{
    std::vector<Bgr> palette;
    for (std::size_t i = 0; i < entries; ++i)
        palette.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 8),
                           static_cast<std::uint8_t>(i * 5 + 7)});
    return palette;
}

inline std::uint8_t sampleIndex(int x, int y)
{
    return static_cast<std::uint8_t>((x / 4 + y / 4) % 16);
}

// The pixels of the mipmapped samples: pure black, a barely red pixel and a barely blue one,
// then colours; all in the first row.
inline Bgr mipmapSample(int x, int y)
{
    if (y == 0 && x == 0)
        return {0, 0, 0};
    if (y == 0 && x == 1)
        return {0, 0, 1};
    if (y == 0 && x == 2)
        return {1, 0, 0};
    return gradient(x, y);
}

using NamedBytes = std::pair<std::string, std::vector<std::uint8_t>>;

// Well-formed samples, small enough to seed a fuzzer.
inline std::vector<NamedBytes> wellFormedSamples()
{
    std::vector<NamedBytes> samples;
    samples.emplace_back("rgb24_64x64", bmp24(64, 64, gradient).bytes());
    samples.emplace_back("rgb24_100x60", bmp24(100, 60, gradient).bytes());
    samples.emplace_back("rgb24_1x1", bmp24(1, 1, gradient).bytes());
    samples.emplace_back("rgb24_30x20_halves",
                         bmp24(30, 20, [](int x, int) { return halves(30, x); }).bytes());
    samples.emplace_back("pal8_64x64", bmp8(64, 64, samplePalette(), sampleIndex).bytes());
    samples.emplace_back("pal8_full_palette_30x20",
                         bmp8(30, 20, samplePalette(256), sampleIndex).bytes());
    samples.emplace_back("bgra32_64x64",
                         bmp32(64, 64, gradient, [](int x, int) { return x * 4; }).bytes());
    samples.emplace_back("mipmap_64x64", bmp24(64, 64, mipmapSample).bytes());
    BmpFile unpadded = bmp24(30, 20, mipmapSample, false);
    samples.emplace_back("mipmap_unpadded_30x20", unpadded.bytes());
    BmpFile sizeless = bmp24(30, 20, mipmapSample);
    sizeless.imageSize = 0;
    samples.emplace_back("mipmap_size_zero_30x20", sizeless.bytes());
    return samples;
}

// Files that give no image with either loader, whatever they claim.
inline std::vector<NamedBytes> malformedSamples()
{
    const std::vector<std::uint8_t> valid = bmp24(64, 64, gradient).bytes();
    std::vector<NamedBytes> samples;
    const auto patched = [&](const char* name, std::size_t field, std::uint32_t value) {
        std::vector<std::uint8_t> bytes = valid;
        putU32(bytes, field, value);
        samples.emplace_back(name, bytes);
    };
    samples.emplace_back("truncated_in_pixels",
                         std::vector<std::uint8_t>(valid.begin(), valid.begin() + kHeadersSize + 100));
    samples.emplace_back("truncated_in_header",
                         std::vector<std::uint8_t>(valid.begin(), valid.begin() + 30));
    samples.emplace_back("ten_bytes", std::vector<std::uint8_t>(valid.begin(), valid.begin() + 10));
    std::vector<std::uint8_t> unsignedFile = valid;
    unsignedFile[0] = 'M';
    unsignedFile[1] = 'B';
    samples.emplace_back("no_signature", unsignedFile);
    patched("negative_width", kWidthField, static_cast<std::uint32_t>(-64));
    patched("negative_height", kHeightField, static_cast<std::uint32_t>(-64));
    patched("zero_width", kWidthField, 0);
    patched("huge_width", kWidthField, 0x7FFFFFFF);
    patched("huge_height", kHeightField, 100000);
    patched("image_size_beyond_file", kImageSizeField, static_cast<std::uint32_t>(valid.size() * 2));
    {
        std::vector<std::uint8_t> bytes = valid;
        putU32(bytes, kWidthField, 20000);
        putU32(bytes, kHeightField, 20000);
        samples.emplace_back("too_many_pixels", bytes);
    }
    {
        std::vector<std::uint8_t> bytes = valid;
        putU16(bytes, kBitCountField, 16);
        samples.emplace_back("bit_count_16", bytes);
    }
    {
        std::vector<std::uint8_t> bytes = bmp8(64, 64, samplePalette(), sampleIndex).bytes();
        putU32(bytes, kColorsUsedField, 100000);
        samples.emplace_back("pal8_colours_used_100000", bytes);
    }
    {
        const std::vector<std::uint8_t> full = bmp8(8, 8, samplePalette(256), sampleIndex).bytes();
        samples.emplace_back("pal8_truncated_in_palette",
                             std::vector<std::uint8_t>(full.begin(), full.begin() + kHeadersSize + 512));
    }
    return samples;
}

inline bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace samplebmp
