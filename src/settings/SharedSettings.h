// The settings state the whole program shares: the record, the views position and the running
// phases of the colour cycles. The application makes the one instance at start-up and hands it
// by reference to the view, its renderer and the dialogs; nothing else holds it.
#pragma once

#include "settings/AquariumSettings.h"
#include "settings/SettingsStore.h"

// The running phases of the cycling colours. The renderer publishes each one every frame its
// colours are not locked; the settings dialog loads them from and saves them as "LOCKFORE ROT"
// and "LOCKBACK ROT".
struct ColorPhases {
    float front = 0;  // the light's
    float back = 0;   // the background wash's
};

struct SharedSettings {
    AquariumSettings settings{};  // zero until load() runs
    ViewsPosition views{};        // zero until load() runs
    ColorPhases phases{};

    // Loads the record and the views position from the settings file in the settings folder.
    void load() { SettingsStore(settingsPath()).load(settings, views); }
    // SettingsStore::applyDialogSettings and applyFishCounts on the record.
    void applyDialogSettings(const AquariumSettings& fromDialog)
    {
        SettingsStore::applyDialogSettings(settings, fromDialog);
    }
    void applyFishCounts(const int (&counts)[kFishKinds])
    {
        SettingsStore::applyFishCounts(settings, counts);
    }
};
