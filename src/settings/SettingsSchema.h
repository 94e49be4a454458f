// The keys of section "Aquarium Settings", written once: each key's name, the record field it
// fills, its default text, the rule the load applies to it and the kind of control the settings
// dialog shows it with. The store's load and the dialog's load and save walk this one table, in
// its order, which is the order of the record and of the keys in the file.
#pragma once

#include "settings/AquariumSettings.h"

// What a load does with a key after reading it (a missing or empty key is first written with its
// default text, whose value is then taken).
enum class LoadRule {
    AsRead,      // atoi of the text
    Overridden,  // every load sets `fixedValue`, in memory and in the file
    InRange,     // a value outside low..high becomes `fixedValue`, which is written
    Held,        // held to low..high in memory only; the file keeps its text
};

// How the settings dialog shows a key and reads it back from the file.
enum class DialogControl {
    CheckBox,     // "1" checks it, anything else clears it
    FrontMode,    // one box of the light's colour group: "1" selects it, clearing the others
    BackMode,     // one box of the background's colour group, likewise
    Color,        // a colour swatch holding a COLORREF
    Number,       // a slider or a choice, the number as written
    ColorPhase,  // a colour cycle's phase, written as "%f"
};

struct SettingsKey {
    const char* name;
    int AquariumSettings::*field;          // the record's field; null for a phase
    float AquariumSettings::*phaseField;   // a phase's field; null otherwise
    const char* defaultText;
    LoadRule rule;
    int fixedValue;                        // Overridden, InRange
    int low, high;                         // InRange, Held
    DialogControl control;
};

extern const SettingsKey kAquariumSettingsKeys[27];
