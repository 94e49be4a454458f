// Encodes a canvas as a 24-bit Windows bitmap file (BITMAPFILEHEADER + BITMAPINFOHEADER, rows stored
// bottom-up, blue-green-red, each row padded to four bytes). Alpha is dropped.
#pragma once

#include "Image.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> encodeBmp24(const Image& image);
