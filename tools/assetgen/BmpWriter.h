// Encodes a canvas as a Windows bitmap file (BITMAPFILEHEADER + BITMAPINFOHEADER, rows stored
// bottom-up): 24-bit blue-green-red with each row padded to four bytes (alpha dropped), or 32-bit
// blue-green-red-alpha.
#pragma once

#include "Image.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> encodeBmp24(const Image& image);
std::vector<std::uint8_t> encodeBmp32(const Image& image);
