// The settings file <Windows directory>\.\BluereefScrSet.ini: where it lies, and the load of the
// record and the views position from it (SharedSettings.h holds the program's one instance).
//
// Scene start-up loads it once. From then on the record changes only through the two apply
// functions, which the settings dialog and the fish dialog call after writing their keys.
#pragma once

#include "settings/AquariumSettings.h"

#include <string>

class IniFile;

// File name appended to the settings directory by every reader and writer of the file.
constexpr char kSettingsFileName[] = ".\\BluereefScrSet.ini";
// Sections of the settings file.
constexpr char kAquariumSettingsSection[] = "Aquarium Settings";
constexpr char kFishNumberSection[] = "Fish Number";
constexpr char kCustomImagesSection[] = "Custom Images";
constexpr char kCustomSettingsSection[] = "Custom Settings";
// Key stem of the fish counts: "Fish" followed by the kind 0..14.
constexpr char kFishCountKeyStem[] = "Fish";

// Loads and applies settings for one settings directory; the process uses the Windows directory
// (settingsPath()), tests a directory of their own.
class SettingsStore {
public:
    // Reads and writes the file `directory` + ".\BluereefScrSet.ini"; `directory` ends with one
    // backslash, or is empty for the current directory.
    explicit SettingsStore(const std::string& directory) : iniPath_(directory + kSettingsFileName) {}

    // Fills every field of `settings` and both values of `views` from the file, writing each
    // missing (or empty) key with its default and rewriting the keys whose load rule says so;
    // fish counts that are missing are drawn with rand() and written. A bubble setting outside
    // 0..110 and a fish count outside 0..50 are held to those limits in memory only.
    void load(AquariumSettings& settings, ViewsPosition& views) const;

    // Copies every field of `fromDialog` except fishCount into `settings`.
    static void applyDialogSettings(AquariumSettings& settings, const AquariumSettings& fromDialog);

    // Copies the fish dialog's counts into settings.fishCount, each held to 0..50.
    static void applyFishCounts(AquariumSettings& settings, const int (&counts)[kFishKinds]);

private:
    static void loadFrom(const IniFile& file, const IniFile& copy, AquariumSettings& settings,
                         ViewsPosition& views);

    std::string iniPath_;
};

// The Windows directory with one trailing backslash. When it cannot be found, shows the message
// "Error Find TempPath." and returns "" (the file then lies in the current directory). The 64-bit
// program uses chooseSettingsFolder() on it.
std::string settingsPath();

// Where a program that Windows does not virtualize keeps the settings file and its unpacked
// resources, given the Windows folder and the user's virtual store of it (both ending with a
// backslash): the store once it holds the settings file; else the Windows folder while files can
// be made there; else the store, made, with a copy of the Windows folder's settings file if there
// is one, as Windows does for a 32-bit program's writes.
std::string chooseSettingsFolder(const std::string& windowsFolder, const std::string& virtualStore);

// settingsPath() + ".\BluereefScrSet.ini": the file every dialog reads and writes.
std::string settingsIniPath();
