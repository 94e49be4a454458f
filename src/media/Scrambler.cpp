#include "media/Scrambler.h"

#include <cstdio>
#include <memory>

namespace {

// The key table of the packed assets. Any values serve as long as the generator and the program
// agree; these are fixed for good, since every packed asset depends on them.
constexpr std::uint8_t kScrambleKey[kScrambleKeyLength] = {
    0x3B, 0xA7, 0x11, 0x5E, 0xC2, 0x8D, 0x04, 0x79, 0xE6, 0x2F, 0x93, 0x48, 0xD1, 0x6A, 0x1C,
    0xB5, 0x57, 0xF0, 0x82, 0x2B, 0xC9, 0x64, 0x0E, 0x9F, 0x36, 0xDA, 0x73, 0x15, 0xAE, 0x41,
    0xEB, 0x88, 0x27, 0xC4, 0x5B, 0xF6, 0x0A, 0x95, 0x3E, 0xD7, 0x62, 0x1F, 0xB0, 0x4D, 0xE9,
    0x86, 0x23, 0xCC, 0x58, 0x97,
};

// Key entry for the byte at 0-based `index`: the counter is incremented before each byte.
std::uint8_t keyFor(std::size_t index)
{
    return kScrambleKey[(index + 1) % kScrambleKeyLength];
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

void descrambleBytes(std::uint8_t* data, std::size_t size, std::size_t position)
{
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>(data[i] + keyFor(position + i));
}

void scrambleBytes(std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>(data[i] - keyFor(i));
}

const char* unpackedExtension(const std::string& baseName)
{
    return baseName == "Music" ? ".wav" : ".bmp";
}

bool descrambleFile(const std::string& packedPath, const std::string& unpackedPath)
{
    FilePtr in(std::fopen(packedPath.c_str(), "rb"));
    if (!in)
        return false;
    FilePtr out(std::fopen(unpackedPath.c_str(), "wb"));
    if (!out)
        return false;

    std::uint8_t block[4096];
    std::size_t position = 0;
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, in.get())) > 0) {
        descrambleBytes(block, count, position);
        position += count;
        if (std::fwrite(block, 1, count, out.get()) != count)
            return false;
    }
    const bool readAll = !std::ferror(in.get());
    return std::fclose(out.release()) == 0 && readAll;
}
