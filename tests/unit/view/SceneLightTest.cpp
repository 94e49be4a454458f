// The light and the fog as the settings make them: the colour group's tints, the phase that
// drives them, the intensity, and the haze's density and colour.
#include "view/SceneLight.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

AquariumSettings lightSettings(int AquariumSettings::*mode)
{
    AquariumSettings settings{};
    settings.frontColor = 0x0080FF;  // orange: red 255, green 128, blue 0
    settings.frontColor1 = 0x0000FF; // red
    settings.frontColor2 = 0xFF0000; // blue
    if (mode != nullptr)
        settings.*mode = 1;
    return settings;
}

void expectRgb(const Rgb& actual, const Rgb& expected)
{
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(actual[c], expected[c], 1e-5) << "channel " << c;
}

TEST(LightTint, EachModeOfTheColorGroupTintsTheLightAsItsLabelSays)
{
    expectRgb(lightTint(lightSettings(&AquariumSettings::frontFixed), 900),
              {1.0f, 128 / 255.0f, 0.0f});
    expectRgb(lightTint(lightSettings(nullptr), 900), {1, 1, 1});  // no box: white light

    const AquariumSettings sway = lightSettings(&AquariumSettings::frontGradient);
    expectRgb(lightTint(sway, 0), {1, 0, 0});
    expectRgb(lightTint(sway, kLightColorPeriod / 2), {0, 0, 1});
    expectRgb(lightTint(sway, kLightColorPeriod / 4), {0.5f, 0, 0.5f});

    // The cycle stays soft and bright, and comes round to where it began.
    const AquariumSettings cycle = lightSettings(&AquariumSettings::frontAutoGradient);
    for (float phase = 0; phase < kLightColorPeriod; phase += 97) {
        const Rgb tint = lightTint(cycle, phase);
        for (float channel : tint) {
            EXPECT_GE(channel, 0.4f - 1e-5f);
            EXPECT_LE(channel, 1.0f + 1e-5f);
        }
    }
    expectRgb(lightTint(cycle, kLightColorPeriod), lightTint(cycle, 0));
    // A third of the way round, each channel has what the next one had: the hue has turned.
    const Rgb start = lightTint(cycle, 0);
    const Rgb third = lightTint(cycle, kLightColorPeriod / 3);
    expectRgb(third, {start[1], start[2], start[0]});
}

TEST(LightTint, ThePhaseMovesAFrameAtATimeAndWrapsAndStandsStillWhileLocked)
{
    AquariumSettings settings = lightSettings(&AquariumSettings::frontAutoGradient);
    EXPECT_FLOAT_EQ(nextLightPhase(settings, 10), 11);
    EXPECT_FLOAT_EQ(nextLightPhase(settings, kLightColorPeriod - 1), 0);
    settings.lockFore = 1;
    EXPECT_FLOAT_EQ(nextLightPhase(settings, 10), 10);
}

TEST(LightTint, TheIntensitySettingDimsTheTint)
{
    AquariumSettings settings = lightSettings(&AquariumSettings::frontFixed);
    settings.lightIntensity = 0;
    expectRgb(lightColor(settings, 0), {1.0f, 128 / 255.0f, 0});
    settings.lightIntensity = 75;
    expectRgb(lightColor(settings, 0), {0.25f, 0.25f * 128 / 255.0f, 0});
    settings.lightIntensity = kLightIntensityMax;
    expectRgb(lightColor(settings, 0), {0, 0, 0});
}

TEST(WaterFog, ClearAtZeroAndAHazeThatStillShowsTheBackdropAtTheTop)
{
    EXPECT_EQ(fogDensityFor(0), 0);
    EXPECT_EQ(fogDensityFor(-3), 0) << "held to the slider's range";
    // GL_EXP2: what is left of a colour `distance` units away.
    const auto leftOf = [](int setting, float distance) {
        const float d = fogDensityFor(setting) * distance;
        return std::exp(-d * d);
    };
    constexpr float kBackdrop = 83;
    EXPECT_NEAR(leftOf(kFogDensityMax, kBackdrop), 0.33f, 0.02f);
    EXPECT_FLOAT_EQ(fogDensityFor(40), fogDensityFor(kFogDensityMax));
    EXPECT_GT(leftOf(1, kBackdrop), 0.99f) << "the lowest step is a trace";
    for (int setting = 1; setting <= kFogDensityMax; ++setting)
        EXPECT_GT(fogDensityFor(setting), fogDensityFor(setting - 1));

    const Rgb haze = fogColorFor({1, 1, 1});
    EXPECT_GT(haze[2], haze[0]) << "the water's own blue-green";
    EXPECT_GT(haze[1], haze[0]);
    expectRgb(fogColorFor({0, 0, 0}), {0, 0, 0});
}

}  // namespace
