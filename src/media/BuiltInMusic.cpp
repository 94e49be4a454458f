#include "media/BuiltInMusic.h"

#include "media/ResourceUnpacker.h"
#include "media/WaveLoop.h"
#include "settings/SettingsStore.h"

#include <mmsystem.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr WORD kMusicResourceId = 227;
constexpr char kMusicBaseName[] = "Music";
constexpr int kLoudestLevel = 65535;
// Device 0 addressed by its number, as the system's own sound player uses it.
const auto kFirstWaveOutDevice = reinterpret_cast<HWAVEOUT>(0);

WaveLoop& tuneLoop()
{
    static WaveLoop loop;
    return loop;
}

std::vector<char> readWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

DWORD waveOutVolumeFor(int attenuation)
{
    const DWORD level = static_cast<DWORD>(kLoudestLevel - std::clamp(attenuation, 0, kLoudestLevel));
    return level | (level << 16);
}

bool setBuiltInMusicVolume(int attenuation)
{
    const DWORD volume = waveOutVolumeFor(attenuation);
    if (::waveOutSetVolume(kFirstWaveOutDevice, volume) == MMSYSERR_NOERROR)
        return true;
    return tuneLoop().setVolume(volume);
}

void startBuiltInMusic(int attenuation)
{
    ResourceUnpacker unpacker(settingsPath());
    if (unpacker.extract(kMusicResourceId, kMusicBaseName)) {
        // Read whole before the files go: the tune must not depend on them while it plays.
        if (tuneLoop().open(readWholeFile(unpacker.unpackedPath()))) {
            setBuiltInMusicVolume(attenuation);
            tuneLoop().play();
        }
    }
    unpacker.deleteFiles();
}

void stopBuiltInMusic()
{
    tuneLoop().stop();
}

void BuiltInTuneSupervisor::tick(int attenuation, bool ownMusicPlays)
{
    if (ownMusicPlays) {
        pending = true;
        tune.stop();
    } else if (pending) {
        tune.start(attenuation);
        pending = false;
    }
}
