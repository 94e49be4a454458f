// Checks of a picture file's structure made before stb_image reads it: the version the program is
// built with (2.27) trusts counts and lengths in JPEG and PNG files that a crafted or damaged file
// can set to overrun its arrays or to have it ask for gigabytes. Found by fuzzing.
#pragma once

#include <cstddef>
#include <cstdint>

// False for a JPEG whose Huffman tables claim more codes than exist, and for a PNG with a chunk
// longer than the rest of the file; true for everything else. `size` is at least 1.
bool withinDecoderLimits(const std::uint8_t* bytes, std::size_t size);
