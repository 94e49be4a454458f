// The packed-asset format: scrambling in memory and descrambling of files.
#include "media/Scrambler.h"

#include "SampleBmps.h"
#include "support/TestDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> pseudoRandomBytes(std::size_t size, unsigned seed)
{
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(seed >> 16);
    }
    return bytes;
}

}  // namespace

TEST(Scrambler, DescramblingUndoesScramblingAtEveryLength)
{
    for (std::size_t size : {0u, 1u, 49u, 50u, 51u, 100u, 12343u}) {
        const std::vector<std::uint8_t> original = pseudoRandomBytes(size, static_cast<unsigned>(size));
        std::vector<std::uint8_t> bytes = original;
        scrambleBytes(bytes.data(), bytes.size());
        descrambleBytes(bytes.data(), bytes.size());
        EXPECT_EQ(bytes, original) << size << " bytes";
    }
}

TEST(Scrambler, KeyRepeatsEveryFiftyBytes)
{
    // The same byte value scrambles alike exactly at positions 50 apart.
    std::vector<std::uint8_t> bytes(150, 0x5A);
    descrambleBytes(bytes.data(), bytes.size());
    for (std::size_t i = 0; i < 100; ++i)
        ASSERT_EQ(bytes[i], bytes[i + 50]) << i;
}

TEST(Scrambler, MusicAloneUnpacksAsWave)
{
    EXPECT_STREQ(unpackedExtension("Music"), ".wav");
    for (const char* name : {"music", "MUSIC", "Music ", "Music1", "BackGround0", "fish3", ""})
        EXPECT_STREQ(unpackedExtension(name), ".bmp") << '"' << name << '"';
}

TEST(Scrambler, DescrambledFileHasTheInputsLengthAndDescrambledBytes)
{
    TestDirectory dir;
    // 12343 bytes, the size of a fish skin; it spans several of the routine's read blocks.
    const std::vector<std::uint8_t> packed = pseudoRandomBytes(12343, 7);
    ASSERT_TRUE(samplebmp::writeFile(dir.file("fish0.ad"), packed));
    ASSERT_TRUE(descrambleFile(dir.file("fish0.ad"), dir.file("fish0.bmp")));
    const std::vector<std::uint8_t> unpacked = readAll(dir.file("fish0.bmp"));
    ASSERT_EQ(unpacked.size(), 12343u);
    std::vector<std::uint8_t> expected = packed;
    descrambleBytes(expected.data(), expected.size());
    EXPECT_EQ(unpacked, expected);

    ASSERT_TRUE(samplebmp::writeFile(dir.file("empty.ad"), {}));
    ASSERT_TRUE(descrambleFile(dir.file("empty.ad"), dir.file("empty.bmp")));
    EXPECT_TRUE(fileExists(dir.file("empty.bmp")));
    EXPECT_TRUE(readAll(dir.file("empty.bmp")).empty());
}

TEST(Scrambler, DescramblingFailsWhenAFileCannotBeOpened)
{
    TestDirectory dir;
    EXPECT_FALSE(descrambleFile(dir.file("absent.ad"), dir.file("absent.bmp")));
    EXPECT_FALSE(fileExists(dir.file("absent.bmp"))) << "no output without input";
    ASSERT_TRUE(samplebmp::writeFile(dir.file("x.ad"), {1, 2, 3}));
    EXPECT_FALSE(descrambleFile(dir.file("x.ad"), dir.file("no such folder\\x.bmp")));
}
