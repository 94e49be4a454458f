#include "settings/SettingsStore.h"

#include "settings/IniFile.h"
#include "settings/SettingsSchema.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

int clampTo(int value, int low, int high)
{
    return std::min(std::max(value, low), high);
}

// atoi of a key's text in section "Aquarium Settings"; a missing or empty key is first written
// with its default text, whose value is then taken ("32767.5" gives 32767).
int readWithDefault(const IniFile& file, const IniFile& copy, const SettingsKey& key)
{
    std::string text = file.readText(kAquariumSettingsSection, key.name);
    if (text.empty()) {
        copy.writeText(kAquariumSettingsSection, key.name, key.defaultText);
        text = key.defaultText;
    }
    return std::atoi(text.c_str());
}

// A key's value after its load rule, read from `file`, writing what the rule writes into `copy`.
int loadKey(const IniFile& file, const IniFile& copy, const SettingsKey& key)
{
    const int value = readWithDefault(file, copy, key);
    switch (key.rule) {
    case LoadRule::AsRead:
        return value;
    case LoadRule::Overridden:
        copy.writeInt(kAquariumSettingsSection, key.name, key.fixedValue);
        return key.fixedValue;
    case LoadRule::InRange:
        if (value >= key.low && value <= key.high)
            return value;
        copy.writeInt(kAquariumSettingsSection, key.name, key.fixedValue);
        return key.fixedValue;
    case LoadRule::Held:
        return clampTo(value, key.low, key.high);
    }
    return value;
}

}  // namespace

void SettingsStore::load(AquariumSettings& settings, ViewsPosition& views) const
{
    // What the load writes replaces the file at once; it reads only what the file held before.
    const IniFile file(iniPath_);
    file.removeUnfinishedCopies();
    file.update([&](const IniFile& copy) { loadFrom(file, copy, settings, views); });
}

void SettingsStore::loadFrom(const IniFile& file, const IniFile& copy, AquariumSettings& settings,
                             ViewsPosition& views)
{
    for (const SettingsKey& key : kAquariumSettingsKeys) {
        const int value = loadKey(file, copy, key);
        if (key.field != nullptr)
            settings.*key.field = value;
        else
            settings.*key.phaseField = static_cast<float>(value);
    }
    views.viewsLeftRightNow = settings.viewsLeftRight;
    views.viewsNearFarNow = settings.viewsNearFar;

    for (int kind = 0; kind < kFishKinds; ++kind) {
        const std::string key = IniFile::listKey(kFishCountKeyStem, kind);
        const std::string text = file.readText(kFishNumberSection, key);
        int count = 0;
        if (text.empty()) {
            count = std::rand() % 3 + 1;
            copy.writeInt(kFishNumberSection, key, count);
        } else {
            count = std::atoi(text.c_str());
        }
        // Above 50 by rule, below 0 against hand-edited files; in memory only.
        settings.fishCount[kind] = clampTo(count, 0, kMaxFishCount);
    }
}

void SettingsStore::applyDialogSettings(AquariumSettings& settings,
                                        const AquariumSettings& fromDialog)
{
    AquariumSettings applied = fromDialog;
    std::copy(std::begin(settings.fishCount), std::end(settings.fishCount),
              std::begin(applied.fishCount));
    // The dialog hands over the bubble setting it read from the file until a slider moves, so a
    // hand-edited value is held to the slider's range here as at load.
    applied.bubbleCount = clampTo(applied.bubbleCount, 0, kBubbleSettingMax);
    settings = applied;
}

void SettingsStore::applyFishCounts(AquariumSettings& settings, const int (&counts)[kFishKinds])
{
    // Held to 0..50: the dialog hands over whatever the file held, negative counts included,
    // and the fish population cannot take a negative count.
    for (int kind = 0; kind < kFishKinds; ++kind)
        settings.fishCount[kind] = clampTo(counts[kind], 0, kMaxFishCount);
}

std::string chooseSettingsFolder(const std::string& windowsFolder, const std::string& virtualStore)
{
    const std::string storedFile = virtualStore + kSettingsFileName;
    if (::GetFileAttributesA(storedFile.c_str()) != INVALID_FILE_ATTRIBUTES)
        return virtualStore;
    char probe[MAX_PATH];
    if (::GetTempFileNameA(windowsFolder.c_str(), "brf", 0, probe) != 0) {
        ::DeleteFileA(probe);
        return windowsFolder;
    }
    for (size_t slash = virtualStore.find('\\', 3); slash != std::string::npos;
         slash = virtualStore.find('\\', slash + 1))
        ::CreateDirectoryA(virtualStore.substr(0, slash).c_str(), nullptr);
    ::CopyFileA((windowsFolder + kSettingsFileName).c_str(), storedFile.c_str(), TRUE);
    return virtualStore;
}

namespace {

// The Windows directory with one trailing backslash, or "" after the message.
std::string windowsFolder()
{
    char directory[MAX_PATH];
    const UINT length = ::GetWindowsDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        ::MessageBoxA(nullptr, "Error Find TempPath.", "ERROR", MB_OK);
        return std::string();
    }
    return std::string(directory, length) + "\\";
}

}  // namespace

#ifdef _WIN64
// Windows redirects a 32-bit program's writes to the Windows folder into the user's virtual store
// of it when the user may not write there; a 64-bit program gets no such redirection. This one
// follows the same rule itself, once per process, so that it keeps its settings too, and keeps the
// same ones as the 32-bit program.
std::string settingsPath()
{
    static const std::string folder = [] {
        const std::string windows = windowsFolder();
        char localData[MAX_PATH];
        const DWORD length = ::GetEnvironmentVariableA("LOCALAPPDATA", localData, MAX_PATH);
        if (windows.size() < 3 || length == 0 || length >= MAX_PATH)
            return windows;
        // C:\Windows\ is stored as %LOCALAPPDATA%\VirtualStore\Windows\.
        return chooseSettingsFolder(
            windows, std::string(localData, length) + "\\VirtualStore" + windows.substr(2));
    }();
    return folder;
}
#else
std::string settingsPath()
{
    return windowsFolder();
}
#endif

std::string settingsIniPath()
{
    return settingsPath() + kSettingsFileName;
}
