// Scrambling, descrambling in memory and descrambling of files must agree on arbitrary bytes.
#include "media/Scrambler.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A private directory for the packed and unpacked files, removed when the fuzzer exits.
std::string workDirectory;
void removeWorkFiles()
{
    std::remove((workDirectory + "/asset.ad").c_str());
    std::remove((workDirectory + "/asset.bmp").c_str());
    ::rmdir(workDirectory.c_str());
}

const std::string& directory()
{
    if (workDirectory.empty()) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/scrambler-fuzz-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        require(::mkdtemp(name.data()) != nullptr);
        workDirectory = name.data();
        std::atexit(removeWorkFiles);
    }
    return workDirectory;
}

std::vector<std::uint8_t> readAll(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    require(file != nullptr);
    std::uint8_t block[4096];
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + count);
    std::fclose(file);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> original(data, data + size);

    std::vector<std::uint8_t> bytes = original;
    scrambleBytes(bytes.data(), bytes.size());
    descrambleBytes(bytes.data(), bytes.size());
    require(bytes == original);

    std::vector<std::uint8_t> descrambled = original;
    descrambleBytes(descrambled.data(), descrambled.size());

    const std::string packed = directory() + "/asset.ad";
    const std::string unpacked = directory() + "/asset.bmp";
    std::FILE* file = std::fopen(packed.c_str(), "wb");
    require(file != nullptr);
    require(std::fwrite(data, 1, size, file) == size);
    require(std::fclose(file) == 0);
    require(descrambleFile(packed, unpacked));
    require(readAll(unpacked) == descrambled);

    const std::string name(reinterpret_cast<const char*>(data), size);
    require(std::strcmp(unpackedExtension(name), name == "Music" ? ".wav" : ".bmp") == 0);
    return 0;
}
