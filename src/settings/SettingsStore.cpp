#include "settings/SettingsStore.h"

#include "settings/IniFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

AquariumSettings theSettings{};
ViewsPosition theViewsPosition{};
float frontColorPhase = 0;
float backColorPhaseShared = 0;

namespace {

int clampTo(int value, int low, int high)
{
    return std::min(std::max(value, low), high);
}

// The keys of section "Aquarium Settings", read in the order of the record.
class AquariumSection {
public:
    explicit AquariumSection(const IniFile& ini) : ini_(ini) {}

    // atoi of the stored text; a missing or empty key is first written with its default text,
    // whose value is then taken ("32767.5" gives 32767).
    int read(const char* key, const char* defaultText) const
    {
        std::string text = ini_.readText(kAquariumSettingsSection, key);
        if (text.empty()) {
            ini_.writeText(kAquariumSettingsSection, key, defaultText);
            text = defaultText;
        }
        return std::atoi(text.c_str());
    }

    // A key that every load sets to a fixed value, in memory and in the file.
    int readOverridden(const char* key, const char* defaultText, int fixedValue) const
    {
        read(key, defaultText);
        ini_.writeInt(kAquariumSettingsSection, key, fixedValue);
        return fixedValue;
    }

    // A key with a range rule: a value outside low..high becomes `replacement`, which is written.
    int readInRange(const char* key, const char* defaultText, int low, int high,
                    int replacement) const
    {
        const int value = read(key, defaultText);
        if (value >= low && value <= high)
            return value;
        ini_.writeInt(kAquariumSettingsSection, key, replacement);
        return replacement;
    }

private:
    const IniFile& ini_;
};

}  // namespace

void SettingsStore::load(AquariumSettings& settings, ViewsPosition& views) const
{
    const IniFile ini(iniPath_);
    const AquariumSection section(ini);
    AquariumSettings& s = settings;

    s.showWater = section.readOverridden("Show Water", "1", 0);
    s.showLight = section.readOverridden("Show Light", "1", 0);
    s.showTerra = section.readOverridden("Show Terra", "1", 1);
    s.frontFixed = section.read("FRONT GUDING", "1");
    s.frontColor = section.read("FRONTCOLOR", "16777215");
    s.frontGradient = section.read("FRONT MANJIANBIAN", "0");
    s.frontColor1 = section.read("FRONT COLOR1", "16777215");
    s.frontColor2 = section.read("FRONT COLOR2", "16777215");
    s.frontAutoGradient = section.read("FRONT AUTOJIANBIAN", "0");
    s.lockFore = section.read("CHECK LOCKFORE", "0");
    s.lockForeRotation = static_cast<float>(section.read("LOCKFORE ROT", "0"));
    s.backFixed = section.readOverridden("BACK GUDING", "0", 1);
    s.backColor = section.readOverridden("BACKCOLOR", "0", 0);
    s.backGradient = section.read("BACK MANJIANBIAN", "0");
    s.backColor1 = section.read("BACK COLOR1", "65280");
    s.backColor2 = section.read("BACK COLOR2", "0");
    s.backAutoGradient = section.readOverridden("BACK AUTOJIANBIAN", "1", 0);
    s.lockBack = section.read("CHECK LOCKBACK", "0");
    s.lockBackRotation = static_cast<float>(section.read("LOCKBACK ROT", "0"));
    s.volume = section.read("YINLIANG", "32767.5");
    // Held to the slider's range in memory only, so that a hand-edited file cannot give the
    // bubble emitters a negative or excessive amount; the file keeps its text.
    s.bubbleCount = clampTo(section.read("QIPAONUM", "100"), 0, kBubbleSettingMax);
    s.backgroundMode = section.read("BACKGROUND", "0");
    // Fog thickens the water's haze from 0 (clear) to the top of its range: a tank nobody has set
    // up, or one with a value out of range, starts clear.
    s.fogDensity = section.readInRange("FOGNONGDU", "0", 0, kFogDensityMax, 0);
    s.lightIntensity = section.readInRange("LIGHTQIANGDU", "0", 0, kLightIntensityMax, 0);
    s.autoViews = section.read("CHECK VIEWS", "1");
    s.viewsLeftRight = section.read("VIEWSLEFTRIGHT", "0");
    views.viewsLeftRightNow = s.viewsLeftRight;
    s.viewsNearFar = section.read("VIEWSNEARFAR", "0");
    views.viewsNearFarNow = s.viewsNearFar;

    for (int kind = 0; kind < kFishKinds; ++kind) {
        const std::string key = IniFile::listKey(kFishCountKeyStem, kind);
        const std::string text = ini.readText(kFishNumberSection, key);
        int count = 0;
        if (text.empty()) {
            count = std::rand() % 3 + 1;
            ini.writeInt(kFishNumberSection, key, count);
        } else {
            count = std::atoi(text.c_str());
        }
        // Above 50 by rule, below 0 against hand-edited files; in memory only.
        s.fishCount[kind] = clampTo(count, 0, kMaxFishCount);
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

void loadSettings()
{
    SettingsStore(settingsPath()).load(theSettings, theViewsPosition);
}

void applyDialogSettings(const AquariumSettings& fromDialog)
{
    SettingsStore::applyDialogSettings(theSettings, fromDialog);
}

void applyFishCounts(const int (&counts)[kFishKinds])
{
    SettingsStore::applyFishCounts(theSettings, counts);
}
