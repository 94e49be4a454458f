#include "ui/AquariumSettingsKeys.h"

#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <cstdio>
#include <cstdlib>

namespace {

using Flag = int AquariumSettings::*;
using Phase = float AquariumSettings::*;

enum class KeyKind { CheckBox, FrontMode, BackMode, Colour, Number, ColourPhase };

struct DialogKey {
    const char* name;
    KeyKind kind;
    Flag field;        // every kind but ColourPhase
    Phase phaseField;  // ColourPhase only
};

constexpr DialogKey kDialogKeys[] = {
    {"Show Water", KeyKind::CheckBox, &AquariumSettings::showWater, nullptr},
    {"Show Light", KeyKind::CheckBox, &AquariumSettings::showLight, nullptr},
    {"Show Terra", KeyKind::CheckBox, &AquariumSettings::showTerra, nullptr},
    {"FRONT GUDING", KeyKind::FrontMode, &AquariumSettings::frontFixed, nullptr},
    {"FRONTCOLOR", KeyKind::Colour, &AquariumSettings::frontColor, nullptr},
    {"FRONT MANJIANBIAN", KeyKind::FrontMode, &AquariumSettings::frontGradient, nullptr},
    {"FRONT COLOR1", KeyKind::Colour, &AquariumSettings::frontColor1, nullptr},
    {"FRONT COLOR2", KeyKind::Colour, &AquariumSettings::frontColor2, nullptr},
    {"FRONT AUTOJIANBIAN", KeyKind::FrontMode, &AquariumSettings::frontAutoGradient, nullptr},
    {"CHECK LOCKFORE", KeyKind::CheckBox, &AquariumSettings::lockFore, nullptr},
    {"LOCKFORE ROT", KeyKind::ColourPhase, nullptr, &AquariumSettings::lockForeRotation},
    {"BACK GUDING", KeyKind::BackMode, &AquariumSettings::backFixed, nullptr},
    {"BACKCOLOR", KeyKind::Colour, &AquariumSettings::backColor, nullptr},
    {"BACK MANJIANBIAN", KeyKind::BackMode, &AquariumSettings::backGradient, nullptr},
    {"BACK COLOR1", KeyKind::Colour, &AquariumSettings::backColor1, nullptr},
    {"BACK COLOR2", KeyKind::Colour, &AquariumSettings::backColor2, nullptr},
    {"BACK AUTOJIANBIAN", KeyKind::BackMode, &AquariumSettings::backAutoGradient, nullptr},
    {"CHECK LOCKBACK", KeyKind::CheckBox, &AquariumSettings::lockBack, nullptr},
    {"LOCKBACK ROT", KeyKind::ColourPhase, nullptr, &AquariumSettings::lockBackRotation},
    {"YINLIANG", KeyKind::Number, &AquariumSettings::volume, nullptr},
    {"QIPAONUM", KeyKind::Number, &AquariumSettings::bubbleCount, nullptr},
    {"BACKGROUND", KeyKind::Number, &AquariumSettings::backgroundMode, nullptr},
    {"FOGNONGDU", KeyKind::Number, &AquariumSettings::fogDensity, nullptr},
    {"LIGHTQIANGDU", KeyKind::Number, &AquariumSettings::lightIntensity, nullptr},
    {"CHECK VIEWS", KeyKind::CheckBox, &AquariumSettings::autoViews, nullptr},
    {"VIEWSLEFTRIGHT", KeyKind::Number, &AquariumSettings::viewsLeftRight, nullptr},
    {"VIEWSNEARFAR", KeyKind::Number, &AquariumSettings::viewsNearFar, nullptr},
};

constexpr Flag kFrontModes[] = {&AquariumSettings::frontFixed, &AquariumSettings::frontGradient,
                                &AquariumSettings::frontAutoGradient};
constexpr Flag kBackModes[] = {&AquariumSettings::backFixed, &AquariumSettings::backGradient,
                               &AquariumSettings::backAutoGradient};

}  // namespace

void selectColourMode(AquariumSettings& values, ColourGroup group, Flag box)
{
    for (Flag mode : group == ColourGroup::Front ? kFrontModes : kBackModes)
        values.*mode = mode == box ? 1 : 0;
}

bool isColourMode(ColourGroup group, Flag flag)
{
    for (Flag mode : group == ColourGroup::Front ? kFrontModes : kBackModes)
        if (mode == flag)
            return true;
    return false;
}

void loadDialogSettings(const IniFile& ini, AquariumSettings& values)
{
    for (const DialogKey& key : kDialogKeys) {
        const std::string text = ini.readText(kAquariumSettingsSection, key.name);
        const int number = std::atoi(text.c_str());
        switch (key.kind) {
        case KeyKind::CheckBox:
            values.*key.field = number == 1 ? 1 : 0;
            break;
        case KeyKind::FrontMode:
        case KeyKind::BackMode:
            if (number == 1)
                selectColourMode(values,
                                 key.kind == KeyKind::FrontMode ? ColourGroup::Front
                                                                : ColourGroup::Back,
                                 key.field);
            break;
        case KeyKind::Colour:
        case KeyKind::Number:
            values.*key.field = number;
            break;
        case KeyKind::ColourPhase:
            values.*key.phaseField = static_cast<float>(std::atof(text.c_str()));
            break;
        }
    }
}

void saveDialogSettings(const IniFile& ini, const AquariumSettings& values)
{
    for (const DialogKey& key : kDialogKeys) {
        char text[64];
        switch (key.kind) {
        case KeyKind::CheckBox:
        case KeyKind::FrontMode:
        case KeyKind::BackMode:
            std::snprintf(text, sizeof text, "%s", values.*key.field != 0 ? "1" : "0");
            break;
        case KeyKind::Colour:
        case KeyKind::Number:
            std::snprintf(text, sizeof text, "%d", values.*key.field);
            break;
        case KeyKind::ColourPhase:
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
