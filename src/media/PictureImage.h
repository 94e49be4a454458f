// Decoding of the user's own pictures (JPEG, PNG and BMP files held in memory) through
// stb_image. Plain C++ with no Windows or OpenGL calls, so that the decoding can be exercised
// (and fuzzed) on any host.
//
// Whatever a file says, decoding reads only inside the given buffer: a file that is truncated,
// is no picture of those kinds, or is larger than the limit below decodes to "no picture".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The most pixels a picture may have: 40 million (a 7300 x 5470 photograph), 160 MB decoded.
// Larger ones would take seconds to decode and too much of a 32-bit process's memory; they are
// refused before any of their pixels is decoded.
constexpr std::uint32_t kPictureMaxPixels = 40'000'000;

// A decoded picture: red-green-blue-alpha bytes, rows from the bottom up (as OpenGL reads them).
struct PictureImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 4 bytes
};

std::optional<PictureImage> decodePicture(const std::uint8_t* bytes, std::size_t size);
