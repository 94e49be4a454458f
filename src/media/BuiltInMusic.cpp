#include "media/BuiltInMusic.h"

#include "media/ResourceUnpacker.h"
#include "settings/SettingsStore.h"

#include <mmsystem.h>

bool ownMusicPlaying = true;
bool builtInSoundPending = true;

namespace {
constexpr WORD kMusicResourceId = 227;
constexpr char kMusicBaseName[] = "Music";
constexpr DWORD kLoudestVolume = 65535;
}  // namespace

void startBuiltInMusic()
{
    ResourceUnpacker unpacker(settingsPath());
    if (unpacker.extract(kMusicResourceId, kMusicBaseName)) {
        // The setting is an attenuation: 0 plays loudest.
        ::waveOutSetVolume(nullptr, kLoudestVolume - static_cast<DWORD>(theSettings.volume));
        ::PlaySoundA(unpacker.unpackedPath().c_str(), nullptr,
                     SND_FILENAME | SND_LOOP | SND_NODEFAULT | SND_ASYNC);
    }
    unpacker.deleteFiles();
}

void stopBuiltInMusic()
{
    ::PlaySoundA(nullptr, nullptr, SND_FILENAME);
}

void superviseBuiltInMusic(const TuneSwitch& tune)
{
    if (ownMusicPlaying) {
        builtInSoundPending = true;
        tune.stop();
    } else if (builtInSoundPending) {
        tune.start();
        builtInSoundPending = false;
    }
}
