// Feeds arbitrary bytes to both BMP decoders. Beyond the sanitizers' checks of every read and
// write, each decoded image must be self-consistent.
#include "media/BmpImage.h"

#include "FuzzChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (const auto image = decodePlainBmp(data, size)) {
        require(image->width > 0 && image->height > 0);
        require(image->width <= kBmpMaxSide && image->height <= kBmpMaxSide);
        require(image->sourceBitCount == 8 || image->sourceBitCount == 24 ||
                image->sourceBitCount == 32);
        require(image->channels == (image->sourceBitCount == 32 ? 4 : 3));
        const auto stride = bmpRowStride(image->width, image->channels * 8);
        require(stride && image->rowStride == *stride);
        require(image->pixels.size() == image->rowStride * static_cast<std::size_t>(image->height));
        // Nothing decoded from the file can be larger than the file, except that 8-bit pixels
        // grow to three bytes each.
        require(image->pixels.size() <= 3 * size + 3 * static_cast<std::size_t>(image->height));
        checksum(image->pixels);
    }
    if (const auto image = decodeMipmapBmp(data, size)) {
        require(image->width > 0 && image->height > 0);
        require(image->sourceBitCount == 24 && image->channels == 4);
        require(image->rowStride == 4 * static_cast<std::size_t>(image->width));
        require(image->pixels.size() == image->rowStride * static_cast<std::size_t>(image->height));
        require(image->pixels.size() / 4 * 3 <= size);
        for (std::size_t i = 0; i < image->pixels.size(); i += 4) {
            const std::uint8_t* p = &image->pixels[i];
            const bool black = (p[0] | p[1] | p[2]) == 0;
            require(p[3] == (black ? 0 : 255));
        }
    }
    return 0;
}
