// The keys the settings dialog reads and writes in section "Aquarium Settings", in their order,
// and the rules of each kind of key. The dialog holds its values as the record holds them; while
// they are in the dialog, the two rotation fields carry the colour phases written to the file.
#pragma once

#include "settings/AquariumSettings.h"
#include "settings/SettingsSchema.h"

#include <iterator>
#include <string>

class IniFile;

// The text of each key in the file, in the keys' order, as far as the dialog knows it: as read,
// then as written. A missing key's text is empty.
struct KeyTexts {
    std::string text[std::size(kAquariumSettingsKeys)];
};

// Reads every key; a missing or malformed one reads as 0. A check box's flag is 1 exactly when
// its key is 1. A key of a colour group ("Fix Color", "Gradually Color", "Auto Gradually Color"
// of the light or of the background) selects its box when it is exactly 1, the later key winning;
// a group none of whose keys is 1 keeps the box `values` had selected.
// `inFile` receives the texts read.
void loadDialogSettings(const IniFile& ini, AquariumSettings& values, KeyTexts& inFile);

// Which keys a save writes besides those the file lacks.
enum class SaveScope {
    // Every key whose text differs from the file's, except what drifts by itself: the two colour
    // phases, which move on with every frame while a colour cycles, and the views' positions
    // while the automatic views move the eye. Saved on every tick, they would rewrite the file
    // ten times a second with nobody touching anything.
    ChangesButDrift,
    // Every key whose text differs from the file's.
    Changes,
};

// Writes the keys `scope` asks for whose text differs from `inFile`'s, all in one replacement of
// the file, and records what it wrote there: flags as "1" or "0", colours and numbers as "%d",
// phases as "%f". With nothing changed, the file is not written at all.
void saveDialogSettings(const IniFile& ini, const AquariumSettings& values, KeyTexts& inFile,
                        SaveScope scope);

// What the tank receives: the values with both rotation fields 0.
AquariumSettings settingsForTank(const AquariumSettings& values);

// The colour groups: selecting one box of a group clears the others.
enum class ColorGroup { Front, Back };
void selectColorMode(AquariumSettings& values, ColorGroup group, int AquariumSettings::*box);
bool isColorMode(ColorGroup group, int AquariumSettings::*flag);
