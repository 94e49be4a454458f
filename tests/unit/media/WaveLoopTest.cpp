// The built-in tune's sound path: reading a wave file image, the volume rule, and the real tune
// played through Wine's sound driver into the capture file of the test's sound configuration.
#include "media/BuiltInMusic.h"
#include "media/WaveLoop.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

void append32(std::vector<char>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void appendChunk(std::vector<char>& out, const char* id, const std::vector<char>& body)
{
    out.insert(out.end(), id, id + 4);
    append32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        out.push_back(0);
}

// A RIFF WAVE image: a format chunk of `formatTag`, mono 16-bit at 22050 Hz, an odd-sized chunk
// the reader must step over, then `dataBytes` bytes of samples.
std::vector<char> waveImage(std::uint16_t formatTag, size_t dataBytes)
{
    std::vector<char> format;
    const std::uint16_t fields[] = {formatTag, 1};
    for (std::uint16_t field : fields) {
        format.push_back(static_cast<char>(field & 0xFF));
        format.push_back(static_cast<char>(field >> 8));
    }
    append32(format, 22050);
    append32(format, 44100);
    format.push_back(2);
    format.push_back(0);
    format.push_back(16);
    format.push_back(0);
    std::vector<char> body{'W', 'A', 'V', 'E'};
    appendChunk(body, "fmt ", format);
    appendChunk(body, "LIST", std::vector<char>(3, 'x'));
    appendChunk(body, "data", std::vector<char>(dataBytes, 1));
    std::vector<char> image{'R', 'I', 'F', 'F'};
    append32(image, static_cast<std::uint32_t>(body.size()));
    image.insert(image.end(), body.begin(), body.end());
    return image;
}

TEST(WaveImage, FindsTheFormatAndTheSamplesAndRefusesAnythingElse)
{
    WaveImageLayout layout;
    const std::vector<char> good = waveImage(WAVE_FORMAT_PCM, 100);
    ASSERT_TRUE(parseWaveImage(good, layout));
    EXPECT_EQ(layout.format.nSamplesPerSec, 22050u);
    EXPECT_EQ(layout.format.wBitsPerSample, 16);
    EXPECT_EQ(layout.dataSize, 100u);
    EXPECT_EQ(layout.dataOffset, good.size() - 100);

    std::vector<char> truncated = good;
    truncated.resize(truncated.size() - 1);
    EXPECT_FALSE(parseWaveImage(truncated, layout)) << "samples running past the end";
    EXPECT_FALSE(parseWaveImage(waveImage(3, 100), layout)) << "floating-point samples";
    EXPECT_FALSE(parseWaveImage(waveImage(WAVE_FORMAT_PCM, 0), layout)) << "no samples";
    std::vector<char> notWave = good;
    notWave[8] = 'X';
    EXPECT_FALSE(parseWaveImage(notWave, layout));
    EXPECT_FALSE(parseWaveImage({}, layout));
}

TEST(WaveOutVolume, TheAttenuationSettingGivesBothChannelsTheSameLevel)
{
    const struct {
        int attenuation;
        DWORD volume;
    } cases[] = {{0, 0xFFFFFFFF}, {32767, 0x80008000}, {65535, 0}, {-5, 0xFFFFFFFF}, {70000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(waveOutVolumeFor(c.attenuation), c.volume) << "attenuation " << c.attenuation;
}

// The samples the sound driver has written to the capture file so far: 16-bit, as the tune is.
std::vector<std::int16_t> capturedSamples(const std::string& unixPath)
{
    std::ifstream file("Z:" + unixPath, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                               (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return samples;
}

// The longest run of silent samples in [from, to).
size_t longestSilence(const std::vector<std::int16_t>& samples, size_t from, size_t to)
{
    size_t longest = 0, run = 0;
    for (size_t i = from; i < to; ++i) {
        run = samples[i] == 0 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

bool sounds(const std::vector<std::int16_t>& samples, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i)
        if (std::abs(samples[i]) > 1000)
            return true;
    return false;
}

TEST(BuiltInTune, PlaysFromMemoryAndFollowsTheVolumeAtOnce)
{
    const char* capture = std::getenv("BLUEREEF_SOUND_CAPTURE");
    ASSERT_NE(capture, nullptr) << "the test runs with the sound configuration of tests/";
    ::DeleteFileA(("Z:" + std::string(capture)).c_str());
    const size_t before = 0;

    startBuiltInMusic(0);
    const std::string directory = settingsPath();
    WIN32_FIND_DATAA found;
    const HANDLE left = ::FindFirstFileA((directory + "Music.*").c_str(), &found);
    EXPECT_EQ(left, INVALID_HANDLE_VALUE) << "the unpacked files are gone while the tune plays";
    if (left != INVALID_HANDLE_VALUE)
        ::FindClose(left);

    ::Sleep(600);
    const size_t loud = capturedSamples(capture).size();
    EXPECT_TRUE(setBuiltInMusicVolume(65535));
    ::Sleep(600);
    const size_t silent = capturedSamples(capture).size();
    EXPECT_TRUE(setBuiltInMusicVolume(0));
    ::Sleep(600);
    stopBuiltInMusic();
    const std::vector<std::int16_t> samples = capturedSamples(capture);

    ASSERT_GT(loud, before);
    ASSERT_GT(silent, loud);
    ASSERT_GT(samples.size(), silent);
    EXPECT_TRUE(sounds(samples, before, loud)) << "the tune plays at the loudest setting";
    // The driver runs a little ahead of the clock: the change reaches the samples it writes next.
    const size_t quietStretch = (silent - loud) / 2;
    EXPECT_GE(longestSilence(samples, loud, silent), quietStretch) << "the top attenuation is silence";
    EXPECT_TRUE(sounds(samples, silent, samples.size())) << "and the tune comes back";

    const size_t afterStop = capturedSamples(capture).size();
    ::Sleep(300);
    EXPECT_EQ(capturedSamples(capture).size(), afterStop) << "stopping stops the device";
}

}  // namespace
