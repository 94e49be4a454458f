// Feeds arbitrary bytes to the picture decoder. Beyond the sanitizers' checks of every read and
// write, each decoded picture must be self-consistent and within the size limit.
#include "media/PictureImage.h"

#include "FuzzChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto image = decodePicture(data, size);
    if (!image)
        return 0;
    require(image->width > 0 && image->height > 0);
    const std::uint64_t pixels =
        static_cast<std::uint64_t>(image->width) * static_cast<std::uint64_t>(image->height);
    require(pixels <= kPictureMaxPixels);
    require(image->pixels.size() == pixels * 4);
    checksum(image->pixels);
    return 0;
}
