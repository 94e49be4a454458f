#include "media/BmpImage.h"

#include <limits>

namespace {

constexpr std::size_t kHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
constexpr std::size_t kPaletteEntrySize = 4;
constexpr std::uint32_t kMaxPaletteEntries = 256;

// The fields of the two headers that either decoder looks at.
struct BmpHeaders {
    std::uint32_t pixelOffset = 0;  // file header: where the pixels start, from the file's start
    std::int32_t width = 0;
    std::int32_t height = 0;        // negative for top-down files
    std::uint16_t bitCount = 0;
    std::uint32_t imageSize = 0;    // length of the pixel data; may be 0 for uncompressed files
    std::uint32_t coloursUsed = 0;  // palette entries; 0 means the full palette for the bit count
};

std::uint16_t readU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t readU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t readI32(const std::uint8_t* p)
{
    const std::uint32_t value = readU32(p);
    if (value <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        return static_cast<std::int32_t>(value);
    return -static_cast<std::int32_t>(~value) - 1;
}

std::optional<BmpHeaders> readHeaders(const std::uint8_t* data, std::size_t size)
{
    if (data == nullptr || size < kHeadersSize || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const std::uint8_t* info = data + kBmpFileHeaderSize;
    BmpHeaders headers;
    headers.pixelOffset = readU32(data + 10);
    headers.width = readI32(info + 4);
    headers.height = readI32(info + 8);
    headers.bitCount = readU16(info + 14);
    headers.imageSize = readU32(info + 20);
    headers.coloursUsed = readU32(info + 32);
    return headers;
}

bool dimensionsAcceptable(const BmpHeaders& headers)
{
    return headers.width > 0 && headers.height > 0 && headers.width <= kBmpMaxSide &&
           headers.height <= kBmpMaxSide &&
           static_cast<std::uint64_t>(headers.width) * static_cast<std::uint64_t>(headers.height) <=
               kBmpMaxPixels;
}

std::optional<std::size_t> checkedMultiply(std::size_t a, std::size_t b)
{
    if (a != 0 && b > std::numeric_limits<std::size_t>::max() / a)
        return std::nullopt;
    return a * b;
}

}  // namespace

std::optional<std::size_t> bmpRowStride(std::int64_t width, int bitCount)
{
    if (width <= 0 || bitCount <= 0)
        return std::nullopt;
    const std::uint64_t w = static_cast<std::uint64_t>(width);
    const std::uint64_t bits = static_cast<std::uint64_t>(bitCount);
    if (w > (std::numeric_limits<std::uint64_t>::max() - 31) / bits)
        return std::nullopt;
    const std::uint64_t stride = (w * bits + 31) / 32 * 4;
    if (stride > std::numeric_limits<std::size_t>::max())
        return std::nullopt;
    return static_cast<std::size_t>(stride);
}

std::optional<BmpImage> decodePlainBmp(const std::uint8_t* data, std::size_t size)
{
    const std::optional<BmpHeaders> headers = readHeaders(data, size);
    if (!headers || !dimensionsAcceptable(*headers))
        return std::nullopt;
    const int bitCount = headers->bitCount;
    if (bitCount != 8 && bitCount != 24 && bitCount != 32)
        return std::nullopt;

    std::size_t paletteEntries = 0;
    std::size_t pixelStart = kHeadersSize;
    if (bitCount == 8) {
        paletteEntries = headers->coloursUsed == 0 ? kMaxPaletteEntries : headers->coloursUsed;
        if (paletteEntries > kMaxPaletteEntries)
            return std::nullopt;
        pixelStart += paletteEntries * kPaletteEntrySize;
        if (pixelStart > size)
            return std::nullopt;
    }
    const std::size_t available = size - pixelStart;
    if (headers->imageSize > available)
        return std::nullopt;

    const std::size_t width = static_cast<std::size_t>(headers->width);
    const std::size_t height = static_cast<std::size_t>(headers->height);
    const std::optional<std::size_t> sourceStride = bmpRowStride(headers->width, bitCount);
    if (!sourceStride)
        return std::nullopt;
    const std::optional<std::size_t> sourceLength = checkedMultiply(*sourceStride, height);
    if (!sourceLength || *sourceLength > available)
        return std::nullopt;
    const std::uint8_t* source = data + pixelStart;

    BmpImage image;
    image.width = headers->width;
    image.height = headers->height;
    image.sourceBitCount = bitCount;
    if (bitCount != 8) {
        image.channels = bitCount / 8;
        image.rowStride = *sourceStride;
        image.pixels.assign(source, source + *sourceLength);
        return image;
    }

    const std::optional<std::size_t> stride = bmpRowStride(headers->width, 24);
    if (!stride)
        return std::nullopt;
    const std::optional<std::size_t> length = checkedMultiply(*stride, height);
    if (!length)
        return std::nullopt;
    image.channels = 3;
    image.rowStride = *stride;
    image.pixels.assign(*length, 0);
    const std::uint8_t* palette = data + kHeadersSize;
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* in = source + y * *sourceStride;
        std::uint8_t* out = image.pixels.data() + y * *stride;
        for (std::size_t x = 0; x < width; ++x, out += 3) {
            const std::size_t index = in[x];
            if (index >= paletteEntries)
                continue;  // stays black
            const std::uint8_t* entry = palette + index * kPaletteEntrySize;
            out[0] = entry[0];  // blue
            out[1] = entry[1];  // green
            out[2] = entry[2];  // red
        }
    }
    return image;
}

std::optional<BmpImage> decodeMipmapBmp(const std::uint8_t* data, std::size_t size)
{
    const std::optional<BmpHeaders> headers = readHeaders(data, size);
    if (!headers || headers->bitCount != 24 || !dimensionsAcceptable(*headers))
        return std::nullopt;
    if (headers->pixelOffset < kHeadersSize || headers->pixelOffset > size)
        return std::nullopt;
    const std::size_t available = size - headers->pixelOffset;
    if (headers->imageSize > available)
        return std::nullopt;

    const std::size_t width = static_cast<std::size_t>(headers->width);
    const std::size_t height = static_cast<std::size_t>(headers->height);
    const std::optional<std::size_t> paddedStride = bmpRowStride(headers->width, 24);
    const std::optional<std::size_t> tightStride = checkedMultiply(width, 3);
    if (!paddedStride || !tightStride)
        return std::nullopt;
    const std::optional<std::size_t> paddedLength = checkedMultiply(*paddedStride, height);
    const std::optional<std::size_t> tightLength = checkedMultiply(*tightStride, height);
    if (!paddedLength || !tightLength)
        return std::nullopt;

    // The row layout the image-size field speaks for (see the header); the padded layout when
    // the field says nothing useful.
    std::size_t stride = *paddedStride;
    std::size_t length = *paddedLength;
    if (headers->imageSize < *paddedLength && headers->imageSize >= *tightLength) {
        stride = *tightStride;
        length = *tightLength;
    }
    if (length > available)
        return std::nullopt;

    const std::optional<std::size_t> pixelCount = checkedMultiply(width, height);
    const std::optional<std::size_t> outputLength =
        pixelCount ? checkedMultiply(*pixelCount, 4) : std::nullopt;
    if (!outputLength)
        return std::nullopt;
    BmpImage image;
    image.width = headers->width;
    image.height = headers->height;
    image.sourceBitCount = 24;
    image.channels = 4;
    image.rowStride = width * 4;
    image.pixels.resize(*outputLength);
    const std::uint8_t* source = data + headers->pixelOffset;
    std::uint8_t* out = image.pixels.data();
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* in = source + y * stride;
        for (std::size_t x = 0; x < width; ++x, in += 3, out += 4) {
            out[0] = in[2];  // red
            out[1] = in[1];  // green
            out[2] = in[0];  // blue
            out[3] = (in[0] | in[1] | in[2]) == 0 ? 0 : 255;
        }
    }
    return image;
}
