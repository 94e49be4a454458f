// The packed-asset format: every byte of an asset is offset by an entry of a 50-entry key, chosen
// by the byte's 1-based position modulo 50. Plain C++ with no Windows calls, shared by the program
// (descrambling) and the asset generator (scrambling).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::size_t kScrambleKeyLength = 50;

// Turns stored bytes back into the asset's bytes, in place; `position` is where `data` starts in
// the asset.
void descrambleBytes(std::uint8_t* data, std::size_t size, std::size_t position = 0);
// The inverse: turns an asset's bytes into stored bytes, in place.
void scrambleBytes(std::uint8_t* data, std::size_t size);

// Extension of the unpacked file: ".wav" for the base name "Music" exactly, ".bmp" for any other.
const char* unpackedExtension(const std::string& baseName);

// Descrambles the file `packedPath` into `unpackedPath` (same length). False when either file
// cannot be opened or the output cannot be written completely.
bool descrambleFile(const std::string& packedPath, const std::string& unpackedPath);
