// Unpacking of embedded assets into temporary files.
#include "media/ResourceUnpacker.h"

#include "media/BmpImage.h"
#include "media/Scrambler.h"

#include "support/TestDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

// The packed test asset of UnpackerTests.rc.
constexpr WORD kTestAsset = 9100;

std::vector<std::uint8_t> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stored bytes of an "RCAD" resource of this program; empty when there is none.
std::vector<std::uint8_t> storedBytes(WORD id)
{
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), "RCAD");
    if (resource == nullptr)
        return {};
    const auto* data = static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, resource)));
    return {data, data + ::SizeofResource(module, resource)};
}

std::string temporaryDirectory()
{
    char path[MAX_PATH];
    const DWORD length = ::GetTempPathA(MAX_PATH, path);
    return std::string(path, length);
}

}  // namespace

TEST(ResourceUnpacker, MissingIdentifierFindsNothingAndLeavesNoFile)
{
    TestDirectory dir;
    ResourceUnpacker unpacker(dir.path());
    EXPECT_FALSE(unpacker.extract(10015, "fish15"));
    EXPECT_TRUE(unpacker.unpackedPath().empty());
    for (const std::string& folder : {dir.path(), temporaryDirectory()}) {
        EXPECT_FALSE(fileExists(folder + "fish15.ad")) << folder;
        EXPECT_FALSE(fileExists(folder + "fish15.bmp")) << folder;
    }
}

TEST(ResourceUnpacker, WritesTheStoredBytesAndTheirDescrambledForm)
{
    const std::vector<std::uint8_t> stored = storedBytes(kTestAsset);
    ASSERT_GT(stored.size(), 50u) << "the test asset is linked in";
    TestDirectory dir;
    ResourceUnpacker unpacker(dir.path());
    ASSERT_TRUE(unpacker.extract(kTestAsset, "Probe"));
    EXPECT_EQ(unpacker.unpackedPath(), dir.file("Probe.bmp"));
    EXPECT_EQ(readAll(dir.file("Probe.ad")), stored);
    std::vector<std::uint8_t> expected = stored;
    descrambleBytes(expected.data(), expected.size());
    EXPECT_EQ(readAll(dir.file("Probe.bmp")), expected);

    unpacker.deleteFiles();
    EXPECT_FALSE(fileExists(dir.file("Probe.ad")));
    EXPECT_FALSE(fileExists(dir.file("Probe.bmp")));
}

TEST(ResourceUnpacker, MusicUnpacksToAWaveFile)
{
    TestDirectory dir;
    ResourceUnpacker unpacker(dir.path());
    ASSERT_TRUE(unpacker.extract(kTestAsset, "Music"));
    EXPECT_EQ(unpacker.unpackedPath(), dir.file("Music.wav"));
    EXPECT_TRUE(fileExists(dir.file("Music.wav")));
    EXPECT_FALSE(fileExists(dir.file("Music.bmp")));
    unpacker.deleteFiles();
    EXPECT_FALSE(fileExists(dir.file("Music.wav")));
}

TEST(ResourceUnpacker, DirectoryThatCannotTakeTheFilesFallsBackToTheTemporaryDirectory)
{
    ResourceUnpacker unpacker("C:\\no such folder\\nor this one\\");
    const std::string name = "bluereef-fallback-" + std::to_string(::GetCurrentProcessId());
    ASSERT_TRUE(unpacker.extract(kTestAsset, name));
    const std::string temp = temporaryDirectory();
    EXPECT_EQ(unpacker.unpackedPath(), temp + name + ".bmp");
    EXPECT_TRUE(fileExists(temp + name + ".ad"));
    EXPECT_TRUE(fileExists(temp + name + ".bmp"));
    unpacker.deleteFiles();
    EXPECT_FALSE(fileExists(temp + name + ".ad"));
    EXPECT_FALSE(fileExists(temp + name + ".bmp"));
}

// The program's own pictures unpack to BMP files that the loaders reading them accept: the
// backdrop (read by both loaders), the bubble and the fish skins.
TEST(ResourceUnpacker, ProgramPicturesUnpackToFilesTheirLoadersRead)
{
    struct Asset {
        WORD id;
        bool mipmapped;
    };
    std::vector<Asset> assets = {{154, true}, {166, false}};
    for (WORD kind = 0; kind < 15; ++kind)
        assets.push_back({static_cast<WORD>(10000 + kind), false});
    TestDirectory dir;
    for (const Asset& asset : assets) {
        SCOPED_TRACE(asset.id);
        ResourceUnpacker unpacker(dir.path());
        ASSERT_TRUE(unpacker.extract(asset.id, "Picture"));
        EXPECT_EQ(unpacker.unpackedPath(), dir.file("Picture.bmp"));
        const std::vector<std::uint8_t> picture = readAll(unpacker.unpackedPath());
        EXPECT_EQ(picture.size(), storedBytes(asset.id).size());
        EXPECT_TRUE(decodePlainBmp(picture.data(), picture.size()));
        if (asset.mipmapped) {
            EXPECT_TRUE(decodeMipmapBmp(picture.data(), picture.size()));
        }
        unpacker.deleteFiles();
    }
}
