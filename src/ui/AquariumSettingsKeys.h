// The keys the settings dialog reads and writes in section "Aquarium Settings", in their order,
// and the rules of each kind of key. The dialog holds its values as the record holds them; while
// they are in the dialog, the two rotation fields carry the colour phases written to the file.
#pragma once

#include "settings/AquariumSettings.h"

class IniFile;

// Reads every key; a missing or malformed one reads as 0. A check box's flag is 1 exactly when
// its key is 1. A key of a colour group ("Fix Color", "Gradually Color", "Auto Gradually Color"
// of the light or of the background) selects its box when it is exactly 1, the later key winning;
// a group none of whose keys is 1 keeps the box `values` had selected.
void loadDialogSettings(const IniFile& ini, AquariumSettings& values);

// Writes every key: flags as "1" or "0", colours and numbers as "%d", phases as "%f".
void saveDialogSettings(const IniFile& ini, const AquariumSettings& values);

// What the tank receives: the values with both rotation fields 0.
AquariumSettings settingsForTank(const AquariumSettings& values);

// The colour groups: selecting one box of a group clears the others.
enum class ColorGroup { Front, Back };
void selectColorMode(AquariumSettings& values, ColorGroup group, int AquariumSettings::*box);
bool isColorMode(ColorGroup group, int AquariumSettings::*flag);
