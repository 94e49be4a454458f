#include "ui/MediaListKeys.h"

#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace {

struct ListKeys {
    const char* section;
    const char* randomOrder;
    const char* repeatAll;
    const char* repeatOne;
    const char* enabled;
    const char* interval;  // nullptr: the list has none
    const char* count;
    const char* pathStem;  // followed by the index 0, 1, ...
    int maxCount;
};

// More music files than anyone lists; a count beyond it is a damaged file, not a list.
constexpr int kMaxMusicFiles = 10000;

constexpr ListKeys kPictureKeys = {kCustomImagesSection, "RandomImage", "CycImage", "RepeatImage",
                                   "OwnImage", "ImageTime", "ImageSum", "ImageList", kMaxPictures};
constexpr ListKeys kMusicKeys = {kCustomSettingsSection, "RandomMusic", "CycMusic", "RepeatMusic",
                                 "OwnMusic", nullptr, "MusicSum", "MusicList", kMaxMusicFiles};

const ListKeys& keysOf(MediaList list)
{
    return list == MediaList::Pictures ? kPictureKeys : kMusicKeys;
}

const char* flagText(bool flag)
{
    return flag ? "1" : "0";
}

}  // namespace

MediaListState loadMediaList(const IniFile& ini, MediaList list)
{
    const ListKeys& keys = keysOf(list);
    const auto flag = [&](const char* key) { return ini.readText(keys.section, key) == "1"; };
    MediaListState state;
    state.randomOrder = flag(keys.randomOrder);
    state.repeatAll = flag(keys.repeatAll);
    state.repeatOne = flag(keys.repeatOne);
    state.enabled = flag(keys.enabled);
    if (keys.interval != nullptr)
        state.interval = ini.readText(keys.section, keys.interval);
    const int count = std::clamp(ini.readInt(keys.section, keys.count), 0, keys.maxCount);
    for (int index = 0; index < count; ++index) {
        std::string path = ini.readWholeText(keys.section, keys.pathStem + std::to_string(index));
        if (!path.empty())
            state.paths.push_back(std::move(path));
    }
    return state;
}

void saveMediaList(const IniFile& ini, MediaList list, const MediaListState& state)
{
    const ListKeys& keys = keysOf(list);
    ini.update([&](const IniFile& copy) {
        copy.writeText(keys.section, keys.randomOrder, flagText(state.randomOrder));
        copy.writeText(keys.section, keys.repeatAll, flagText(state.repeatAll));
        copy.writeText(keys.section, keys.repeatOne, flagText(state.repeatOne));
        copy.writeText(keys.section, keys.enabled, flagText(state.enabled));
        if (keys.interval != nullptr)
            copy.writeText(keys.section, keys.interval, state.interval);
        int written = 0;
        for (const std::string& path : state.paths)
            if (copy.writeText(keys.section, keys.pathStem + std::to_string(written), path))
                ++written;
        copy.writeInt(keys.section, keys.count, written);
    });
}
