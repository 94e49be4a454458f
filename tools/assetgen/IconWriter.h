// Writes a Windows .ico file holding one 32-bit image per given size.
#pragma once

#include "Image.h"

#include <string>
#include <vector>

bool writeIcon(const std::string& path, const std::vector<Image>& images);
