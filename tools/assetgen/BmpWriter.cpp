#include "BmpWriter.h"

#include <cstddef>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A Windows bitmap file of `bits` per pixel (24: blue-green-red, rows padded to four bytes; 32:
// blue-green-red-alpha), rows stored bottom-up.
std::vector<std::uint8_t> encodeBmp(const Image& image, std::uint32_t bits)
{
    constexpr std::uint32_t fileHeaderSize = 14;
    constexpr std::uint32_t infoHeaderSize = 40;
    constexpr std::uint32_t pixelsPerMetre = 2835;  // 72 dpi
    const std::uint32_t width = static_cast<std::uint32_t>(image.width());
    const std::uint32_t height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t bytesPerPixel = bits / 8;
    const std::uint32_t stride = (width * bytesPerPixel + 3) / 4 * 4;
    const std::uint32_t imageSize = stride * height;
    const std::uint32_t offset = fileHeaderSize + infoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    // BITMAPFILEHEADER
    put16(out, 0x4D42);  // "BM"
    put32(out, offset + imageSize);
    put16(out, 0);
    put16(out, 0);
    put32(out, offset);
    // BITMAPINFOHEADER
    put32(out, infoHeaderSize);
    put32(out, width);
    put32(out, height);  // positive: bottom-up
    put16(out, 1);       // planes
    put16(out, bits);
    put32(out, 0);       // BI_RGB
    put32(out, imageSize);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);  // colours used
    put32(out, 0);  // colours important
    for (std::uint32_t row = height; row-- > 0;) {
        const std::size_t start = out.size();
        for (std::uint32_t x = 0; x < width; ++x) {
            const Rgba& p = image.at(static_cast<int>(x), static_cast<int>(row));
            out.push_back(toByte(p.b));
            out.push_back(toByte(p.g));
            out.push_back(toByte(p.r));
            if (bits == 32)
                out.push_back(toByte(p.a));
        }
        while (out.size() - start < stride)
            out.push_back(0);
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const Image& image)
{
    return encodeBmp(image, 24);
}

std::vector<std::uint8_t> encodeBmp32(const Image& image)
{
    return encodeBmp(image, 32);
}
