#include "ui/AquariumSettingsKeys.h"

#include "settings/IniFile.h"
#include "settings/SettingsSchema.h"
#include "settings/SettingsStore.h"

#include <cstdio>
#include <cstdlib>

namespace {

using Flag = int AquariumSettings::*;

constexpr Flag kFrontModes[] = {&AquariumSettings::frontFixed, &AquariumSettings::frontGradient,
                                &AquariumSettings::frontAutoGradient};
constexpr Flag kBackModes[] = {&AquariumSettings::backFixed, &AquariumSettings::backGradient,
                               &AquariumSettings::backAutoGradient};

// Whether the key's value moves by itself while the dialog is open.
bool drifts(const SettingsKey& key, const AquariumSettings& values)
{
    const bool viewFollowsEye = values.autoViews == 1 &&
                                (key.field == &AquariumSettings::viewsLeftRight ||
                                 key.field == &AquariumSettings::viewsNearFar);
    return key.control == DialogControl::ColorPhase || viewFollowsEye;
}

// The key's value as the file holds it.
std::string keyText(const SettingsKey& key, const AquariumSettings& values)
{
    char text[64];
    switch (key.control) {
    case DialogControl::CheckBox:
    case DialogControl::FrontMode:
    case DialogControl::BackMode:
        return values.*key.field != 0 ? "1" : "0";
    case DialogControl::Color:
    case DialogControl::Number:
        std::snprintf(text, sizeof text, "%d", values.*key.field);
        return text;
    case DialogControl::ColorPhase:
        std::snprintf(text, sizeof text, "%f", static_cast<double>(values.*key.phaseField));
        return text;
    }
    return {};
}

}  // namespace

void selectColorMode(AquariumSettings& values, ColorGroup group, Flag box)
{
    for (Flag mode : group == ColorGroup::Front ? kFrontModes : kBackModes)
        values.*mode = mode == box ? 1 : 0;
}

bool isColorMode(ColorGroup group, Flag flag)
{
    for (Flag mode : group == ColorGroup::Front ? kFrontModes : kBackModes)
        if (mode == flag)
            return true;
    return false;
}

void loadDialogSettings(const IniFile& ini, AquariumSettings& values, KeyTexts& inFile)
{
    for (std::size_t k = 0; k < std::size(kAquariumSettingsKeys); ++k) {
        const SettingsKey& key = kAquariumSettingsKeys[k];
        const std::string text = ini.readText(kAquariumSettingsSection, key.name);
        inFile.text[k] = text;
        const int number = std::atoi(text.c_str());
        switch (key.control) {
        case DialogControl::CheckBox:
            values.*key.field = number == 1 ? 1 : 0;
            break;
        case DialogControl::FrontMode:
        case DialogControl::BackMode:
            if (number == 1)
                selectColorMode(values,
                                 key.control == DialogControl::FrontMode ? ColorGroup::Front
                                                                         : ColorGroup::Back,
                                 key.field);
            break;
        case DialogControl::Color:
        case DialogControl::Number:
            values.*key.field = number;
            break;
        case DialogControl::ColorPhase:
            values.*key.phaseField = static_cast<float>(std::atof(text.c_str()));
            break;
        }
    }
}

void saveDialogSettings(const IniFile& ini, const AquariumSettings& values, KeyTexts& inFile,
                        SaveScope scope)
{
    KeyTexts changed = inFile;
    bool anyChanged = false;
    for (std::size_t k = 0; k < std::size(kAquariumSettingsKeys); ++k) {
        const SettingsKey& key = kAquariumSettingsKeys[k];
        if (scope == SaveScope::ChangesButDrift && drifts(key, values) && !inFile.text[k].empty())
            continue;
        changed.text[k] = keyText(key, values);
        anyChanged = anyChanged || changed.text[k] != inFile.text[k];
    }
    if (!anyChanged)
        return;
    // All the changes replace the file at once.
    KeyTexts written = inFile;
    const bool replaced = ini.update([&](const IniFile& copy) {
        for (std::size_t k = 0; k < std::size(kAquariumSettingsKeys); ++k)
            if (changed.text[k] != inFile.text[k] &&
                copy.writeText(kAquariumSettingsSection, kAquariumSettingsKeys[k].name,
                               changed.text[k]))
                written.text[k] = changed.text[k];
    });
    if (replaced)
        inFile = written;
}

AquariumSettings settingsForTank(const AquariumSettings& values)
{
    AquariumSettings forTank = values;
    forTank.lockForeRotation = 0;
    forTank.lockBackRotation = 0;
    return forTank;
}
