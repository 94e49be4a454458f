#include "ui/MediaListKeys.h"

#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cstring>
#include <map>

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

struct LettersAnyCase {
    bool operator()(const std::string& a, const std::string& b) const
    {
        return ::_stricmp(a.c_str(), b.c_str()) < 0;
    }
};

const char* flagText(bool flag)
{
    return flag ? "1" : "0";
}

}  // namespace

MediaListSwitch readMediaListSwitch(const IniFile& ini, MediaList list)
{
    const ListKeys& keys = keysOf(list);
    return {ini.readText(keys.section, keys.enabled) == "1",
            ini.readInt(keys.section, keys.count) > 0};
}

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
    // Keys compare as the profile functions compare them, and the first of two alike counts.
    std::map<std::string, std::string, LettersAnyCase> values;
    for (const auto& [key, value] : ini.readSection(keys.section))
        values.emplace(key, IniFile::unquoted(value));
    for (int index = 0; index < count; ++index) {
        const auto path = values.find(keys.pathStem + std::to_string(index));
        if (path != values.end() && !path->second.empty())
            state.paths.push_back(path->second);
    }
    return state;
}

void saveMediaList(const IniFile& ini, MediaList list, const MediaListState& state)
{
    const ListKeys& keys = keysOf(list);
    IniEntries entries = {{keys.randomOrder, flagText(state.randomOrder)},
                          {keys.repeatAll, flagText(state.repeatAll)},
                          {keys.repeatOne, flagText(state.repeatOne)},
                          {keys.enabled, flagText(state.enabled)}};
    if (keys.interval != nullptr && !IniFile::holdsLineBreak(state.interval))
        entries.emplace_back(keys.interval, state.interval);
    int written = 0;
    for (const std::string& path : state.paths)
        if (!IniFile::holdsLineBreak(path))
            entries.emplace_back(keys.pathStem + std::to_string(written++), path);
    entries.emplace_back(keys.count, std::to_string(written));
    ini.writeSection(keys.section, entries);
}
