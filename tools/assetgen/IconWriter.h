// Writes Windows .ico files holding one 32-bit image per given size, and .cur files.
#pragma once

#include "Image.h"

#include <string>
#include <vector>

bool writeIcon(const std::string& path, const std::vector<Image>& images);

// A cursor of one 32-bit image whose hot spot is pixel (hotX, hotY).
bool writeCursor(const std::string& path, const Image& image, int hotX, int hotY);
