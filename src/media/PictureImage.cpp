#include "media/PictureImage.h"

#include "media/PictureFileChecks.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

// Only the kinds of picture the program offers: the less of stb_image is compiled in, the less
// of it a crafted file can reach.
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS 32768
// Zeroed memory for everything stb_image allocates: a corrupt JPEG can have the decoder use a
// Huffman table that the file never defined, and an uninitialised one sends it reading far
// outside its arrays, where a zeroed one decodes nothing but zeros.
#define STBI_MALLOC(size) std::calloc(1, size)
#define STBI_REALLOC(block, size) std::realloc(block, size)
#define STBI_FREE(block) std::free(block)
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace {

constexpr int kRgba = 4;

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

}  // namespace

std::optional<PictureImage> decodePicture(const std::uint8_t* bytes, std::size_t size)
{
    if (bytes == nullptr || size == 0 || size > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    // Only a JPEG starts with a marker (PNG and BMP files have signatures of their own).
    if (!withinDecoderLimits(bytes, size))
        return std::nullopt;
    const int length = static_cast<int>(size);
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes, length, &width, &height, &channels) || width <= 0 ||
        height <= 0 || static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) >
                           kPictureMaxPixels)
        return std::nullopt;

    const std::unique_ptr<stbi_uc, StbFree> decoded(
        stbi_load_from_memory(bytes, length, &width, &height, &channels, kRgba));
    // The decoder's own size must agree with what it reported, or the copy below could overrun.
    if (!decoded || width <= 0 || height <= 0 ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kPictureMaxPixels)
        return std::nullopt;

    PictureImage image;
    image.width = width;
    image.height = height;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * kRgba;
    image.pixels.resize(rowBytes * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        std::memcpy(image.pixels.data() + rowBytes * static_cast<std::size_t>(height - 1 - row),
                    decoded.get() + rowBytes * static_cast<std::size_t>(row), rowBytes);
    return image;
}
