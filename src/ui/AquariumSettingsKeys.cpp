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

void loadDialogSettings(const IniFile& ini, AquariumSettings& values)
{
    for (const SettingsKey& key : kAquariumSettingsKeys) {
        const std::string text = ini.readText(kAquariumSettingsSection, key.name);
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

void saveDialogSettings(const IniFile& ini, const AquariumSettings& values)
{
    for (const SettingsKey& key : kAquariumSettingsKeys) {
        char text[64];
        switch (key.control) {
        case DialogControl::CheckBox:
        case DialogControl::FrontMode:
        case DialogControl::BackMode:
            std::snprintf(text, sizeof text, "%s", values.*key.field != 0 ? "1" : "0");
            break;
        case DialogControl::Color:
        case DialogControl::Number:
            std::snprintf(text, sizeof text, "%d", values.*key.field);
            break;
        case DialogControl::ColorPhase:
            std::snprintf(text, sizeof text, "%f", static_cast<double>(values.*key.phaseField));
            break;
        }
        ini.writeText(kAquariumSettingsSection, key.name, text);
    }
}

AquariumSettings settingsForTank(const AquariumSettings& values)
{
    AquariumSettings forTank = values;
    forTank.lockForeRotation = 0;
    forTank.lockBackRotation = 0;
    return forTank;
}
