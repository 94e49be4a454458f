// Packs generated assets for the program: each asset is scrambled with the program's key and
// written as rcad_<id>.bin, and the resource script assets.rc lists them all as "RCAD" resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Packer {
public:
    explicit Packer(std::string directory) : directory_(std::move(directory)) {}

    // Scrambles and writes one asset under the given resource identifier.
    bool add(unsigned resourceId, std::vector<std::uint8_t> bytes);

    // Writes assets.rc naming every asset added so far.
    bool writeResourceScript() const;

private:
    std::string directory_;
    std::vector<unsigned> ids_;
};

// Writes bytes to a file; false when the file cannot be written completely.
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
