// The settings record that the renderer and the dialogs share, and the limits of its values.
// Each field is kept in the INI file under the key named beside it (section "Aquarium Settings"
// unless noted); SettingsStore.h loads it.
#pragma once

// Number of fish kinds, each with its own skin and its own count.
constexpr int kFishKinds = 15;
// The most fish the tank holds (its number of fish slots); also the cap on any one kind's count.
constexpr int kMaxFishCount = 50;
// Top of the bubble slider; the bubble emitters receive this minus `bubbleCount`.
constexpr int kBubbleSettingMax = 110;
// Top of the fog density slider.
constexpr int kFogDensityMax = 25;
// Top of the light intensity slider.
constexpr int kLightIntensityMax = 100;
// Top of the volume slider, the largest wave-out volume.
constexpr int kVolumeMax = 65535;
// Tops of the views sliders: left to right, and far to near.
constexpr int kViewsLeftRightMax = 7000;
constexpr int kViewsNearFarMax = 2000;

// Colours are Windows COLORREF values (0x00BBGGRR); flags are 0 or 1. The record is a plain
// aggregate in the order the file's keys are read; a value made with {} is all zero.
struct AquariumSettings {
    int showWater = 0;          // "Show Water": flag, shown by the settings dialog only
    int showLight = 0;          // "Show Light": flag, shown by the settings dialog only
    int showTerra = 0;          // "Show Terra": draw the backdrop (with backgroundMode 0)
    int frontFixed = 0;         // "FRONT GUDING": the light takes frontColor
    int frontColor = 0;         // "FRONTCOLOR": the light's fixed colour
    int frontGradient = 0;      // "FRONT MANJIANBIAN": the light sways between two colours
    int frontColor1 = 0;        // "FRONT COLOR1": one end of that sway
    int frontColor2 = 0;        // "FRONT COLOR2": the other end
    int frontAutoGradient = 0;  // "FRONT AUTOJIANBIAN": the light's colours cycle
    int lockFore = 0;           // "CHECK LOCKFORE": the light's colour phase stands still
    float lockForeRotation = 0; // "LOCKFORE ROT": starting phase of the light's colours
    int backFixed = 0;          // "BACK GUDING": draw a solid background quad
    int backColor = 0;          // "BACKCOLOR": colour of that quad
    int backGradient = 0;       // "BACK MANJIANBIAN": draw a two-colour vertical gradient
    int backColor1 = 0;         // "BACK COLOR1": one end of the gradient
    int backColor2 = 0;         // "BACK COLOR2": the other end of the gradient
    int backAutoGradient = 0;   // "BACK AUTOJIANBIAN": draw the self-cycling colour quad
    int lockBack = 0;           // "CHECK LOCKBACK": freeze the cycling colour phase
    float lockBackRotation = 0; // "LOCKBACK ROT": starting phase of the cycling colours
    int volume = 0;             // "YINLIANG": attenuation 0..kVolumeMax, 0 is loudest
    int bubbleCount = 0;        // "QIPAONUM": bubble setting 0..kBubbleSettingMax
    int backgroundMode = 0;     // "BACKGROUND": background choice, 0 shows the backdrop
    int fishCount[kFishKinds] = {}; // section "Fish Number", "Fish0".."Fish14": fish per kind
    int fogDensity = 0;         // "FOGNONGDU": 0..kFogDensityMax, the haze of the water
    int lightIntensity = 0;     // "LIGHTQIANGDU": 0..kLightIntensityMax, dims light 1
    int autoViews = 0;          // "CHECK VIEWS": the eye drifts on its own
    int viewsLeftRight = 0;     // "VIEWSLEFTRIGHT": 0..kViewsLeftRightMax, the eye across
    int viewsNearFar = 0;       // "VIEWSNEARFAR": 0..kViewsNearFarMax, the eye toward the tank
};

// The current views position, kept beside the record: the load sets it from the two views
// fields, and the settings dialog reads and moves it while it is open.
struct ViewsPosition {
    int viewsLeftRightNow = 0;  // current left/right position
    int viewsNearFarNow = 0;    // current far/near position
};
