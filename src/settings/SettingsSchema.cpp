#include "settings/SettingsSchema.h"

namespace {

using S = AquariumSettings;
using Rule = LoadRule;
using Control = DialogControl;

}  // namespace

const SettingsKey kAquariumSettingsKeys[27] = {
    // name, field, phase field, default, load rule, fixed value, low, high, dialog control
    {"Show Water", &S::showWater, nullptr, "1", Rule::Overridden, 0, 0, 0, Control::CheckBox},
    {"Show Light", &S::showLight, nullptr, "1", Rule::Overridden, 0, 0, 0, Control::CheckBox},
    {"Show Terra", &S::showTerra, nullptr, "1", Rule::Overridden, 1, 0, 0, Control::CheckBox},
    {"FRONT GUDING", &S::frontFixed, nullptr, "1", Rule::AsRead, 0, 0, 0, Control::FrontMode},
    {"FRONTCOLOR", &S::frontColor, nullptr, "16777215", Rule::AsRead, 0, 0, 0, Control::Color},
    {"FRONT MANJIANBIAN", &S::frontGradient, nullptr, "0", Rule::AsRead, 0, 0, 0,
     Control::FrontMode},
    {"FRONT COLOR1", &S::frontColor1, nullptr, "16777215", Rule::AsRead, 0, 0, 0, Control::Color},
    {"FRONT COLOR2", &S::frontColor2, nullptr, "16777215", Rule::AsRead, 0, 0, 0, Control::Color},
    {"FRONT AUTOJIANBIAN", &S::frontAutoGradient, nullptr, "0", Rule::AsRead, 0, 0, 0,
     Control::FrontMode},
    {"CHECK LOCKFORE", &S::lockFore, nullptr, "0", Rule::AsRead, 0, 0, 0, Control::CheckBox},
    {"LOCKFORE ROT", nullptr, &S::lockForeRotation, "0", Rule::AsRead, 0, 0, 0,
     Control::ColorPhase},
    {"BACK GUDING", &S::backFixed, nullptr, "0", Rule::Overridden, 1, 0, 0, Control::BackMode},
    {"BACKCOLOR", &S::backColor, nullptr, "0", Rule::Overridden, 0, 0, 0, Control::Color},
    {"BACK MANJIANBIAN", &S::backGradient, nullptr, "0", Rule::AsRead, 0, 0, 0,
     Control::BackMode},
    {"BACK COLOR1", &S::backColor1, nullptr, "65280", Rule::AsRead, 0, 0, 0, Control::Color},
    {"BACK COLOR2", &S::backColor2, nullptr, "0", Rule::AsRead, 0, 0, 0, Control::Color},
    {"BACK AUTOJIANBIAN", &S::backAutoGradient, nullptr, "1", Rule::Overridden, 0, 0, 0,
     Control::BackMode},
    {"CHECK LOCKBACK", &S::lockBack, nullptr, "0", Rule::AsRead, 0, 0, 0, Control::CheckBox},
    {"LOCKBACK ROT", nullptr, &S::lockBackRotation, "0", Rule::AsRead, 0, 0, 0,
     Control::ColorPhase},
    {"YINLIANG", &S::volume, nullptr, "32767.5", Rule::AsRead, 0, 0, 0, Control::Number},
    // Held to the slider's range in memory only, so that a hand-edited file cannot give the
    // bubble emitters a negative or excessive amount; the file keeps its text.
    {"QIPAONUM", &S::bubbleCount, nullptr, "100", Rule::Held, 0, 0, kBubbleSettingMax,
     Control::Number},
    {"BACKGROUND", &S::backgroundMode, nullptr, "0", Rule::AsRead, 0, 0, 0, Control::Number},
    // Fog thickens the water's haze from 0 (clear) to the top of its range: a tank nobody has set
    // up, or one with a value out of range, starts clear.
    {"FOGNONGDU", &S::fogDensity, nullptr, "0", Rule::InRange, 0, 0, kFogDensityMax,
     Control::Number},
    {"LIGHTQIANGDU", &S::lightIntensity, nullptr, "0", Rule::InRange, 0, 0, kLightIntensityMax,
     Control::Number},
    {"CHECK VIEWS", &S::autoViews, nullptr, "1", Rule::AsRead, 0, 0, 0, Control::CheckBox},
    {"VIEWSLEFTRIGHT", &S::viewsLeftRight, nullptr, "0", Rule::AsRead, 0, 0, 0, Control::Number},
    {"VIEWSNEARFAR", &S::viewsNearFar, nullptr, "0", Rule::AsRead, 0, 0, 0, Control::Number},
};
