// Light 1, the scene's only light, and the fog of the water: what the settings make of them. The
// light-intensity setting dims the light; the "Color of light" group tints it with a fixed colour,
// a slow cycle of soft colours, or a slow sway between two colours; the fog setting thickens a
// haze of the water's own colour, lit as the scene is.
#pragma once

#include "settings/AquariumSettings.h"

#include <array>

struct SceneLight {
    float ambient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float position[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
};

using Rgb = std::array<float, 3>;

// Frames the cycling and swaying colours take to come round (a minute at 60 frames a second);
// the phase counts frames and wraps at this.
constexpr float kLightColorPeriod = 3600.0f;

// The colour the light group asks for at full intensity, each channel 0 to 1, at `phase`:
// "Fix Color" gives its swatch's colour; "Auto Gradually Color" a cycle of soft colours; the
// gradient box a sway from its first colour to its second and back; no box, white.
Rgb lightTint(const AquariumSettings& settings, float phase);

// The phase a frame later: one frame on, wrapped to the period; unchanged while locked.
float nextLightPhase(const AquariumSettings& settings, float phase);

// The light's colour for this frame: the tint dimmed by the light-intensity setting.
Rgb lightColor(const AquariumSettings& settings, float phase);

// The GL_EXP2 fog density for the fog setting: 0 (none) for 0; at the top of the range, the
// backdrop keeps about a third of its own colour.
float fogDensityFor(int fogSetting);

// The haze's colour under a light of `light`.
Rgb fogColorFor(const Rgb& light);
