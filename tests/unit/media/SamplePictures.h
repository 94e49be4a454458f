// Pictures made by the tests themselves with stb_image_write: JPEG, PNG and BMP files (and files
// of kinds the program does not accept) held in memory. Plain C++ only, so that the native
// fuzzers seed their corpora from pictures made the same way.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace samplepicture {

// Kinds of picture stb_image_write makes; only the first three are accepted by the program.
enum class Kind { Jpeg, Png, Bmp, Tga };

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

// Pixel bytes with `channels` components, the top row first: grey takes the red component,
// grey with alpha the red and alpha components.
std::vector<std::uint8_t> pixelBytes(int width, int height, int channels,
                                     const std::function<Rgba(int x, int y)>& colour);

// What a decoder that expands to RGBA makes of `colour` stored with `channels` components.
Rgba asStored(Rgba colour, int channels);

// The file of that kind holding `pixels` (see pixelBytes); JPEG at the given quality. Empty when
// the writer refuses.
std::vector<std::uint8_t> encode(Kind kind, int width, int height, int channels,
                                 const std::vector<std::uint8_t>& pixels, int jpegQuality = 95);

// A picture of four coloured quarters (top left red, top right green, bottom left blue, bottom
// right grey), each with an alpha of its own, split at (splitX, splitY).
Rgba quarters(int x, int y, int splitX, int splitY);

// Small pictures of the accepted kinds, odd sizes, colour, grey and alpha, named by kind and
// content ("17x9_rgba.png").
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> seedPictures();

}  // namespace samplepicture
