#include "view/SceneLight.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831853f;
// The cycle's colours: each channel swings this far either side of its middle, a third of a
// turn after the one before it, so the hue goes round while the light stays soft and bright.
constexpr float kCycleMiddle = 0.7f;
constexpr float kCycleSwing = 0.3f;
// At the top of the fog slider the haze takes about two thirds of what lies this far off: the
// backdrop.
constexpr float kBackdropDistance = 83.0f;
constexpr float kThickestHazeOpticalDepth = 1.1f;
// The water's own colour, a deep sea blue-green, as white light shows it.
constexpr Rgb kWaterColor = {0.06f, 0.28f, 0.38f};

Rgb fromColorref(int colour)
{
    const auto c = static_cast<COLORREF>(colour);
    return {GetRValue(c) / 255.0f, GetGValue(c) / 255.0f, GetBValue(c) / 255.0f};
}

}  // namespace

Rgb lightTint(const AquariumSettings& settings, float phase)
{
    const float turn = kTwoPi * phase / kLightColorPeriod;
    if (settings.frontFixed != 0)
        return fromColorref(settings.frontColor);
    if (settings.frontAutoGradient != 0) {
        Rgb tint{};
        for (int channel = 0; channel < 3; ++channel)
            tint[channel] = kCycleMiddle +
                            kCycleSwing * std::sin(turn + static_cast<float>(channel) * kTwoPi / 3);
        return tint;
    }
    if (settings.frontGradient != 0) {
        const Rgb from = fromColorref(settings.frontColor1);
        const Rgb to = fromColorref(settings.frontColor2);
        const float t = 0.5f - 0.5f * std::cos(turn);
        return {from[0] + (to[0] - from[0]) * t, from[1] + (to[1] - from[1]) * t,
                from[2] + (to[2] - from[2]) * t};
    }
    return {1.0f, 1.0f, 1.0f};
}

float nextLightPhase(const AquariumSettings& settings, float phase)
{
    if (settings.lockFore != 0)
        return phase;
    return std::fmod(phase + 1.0f, kLightColorPeriod);
}

Rgb lightColor(const AquariumSettings& settings, float phase)
{
    const float level = static_cast<float>(kLightIntensityMax - settings.lightIntensity) * 0.01f;
    Rgb colour = lightTint(settings, phase);
    for (float& channel : colour)
        channel *= level;
    return colour;
}

float fogDensityFor(int fogSetting)
{
    const float share = static_cast<float>(std::clamp(fogSetting, 0, kFogDensityMax)) / kFogDensityMax;
    return share * std::sqrt(kThickestHazeOpticalDepth) / kBackdropDistance;
}

Rgb fogColorFor(const Rgb& light)
{
    return {kWaterColor[0] * light[0], kWaterColor[1] * light[1], kWaterColor[2] * light[2]};
}
