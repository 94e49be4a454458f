// The wall behind the tank: up to three large quads, each enabled by its own setting — a solid
// colour, a two-colour vertical gradient, and a wash whose colours cycle with a slowly rising phase.
#pragma once

#include "view/TankBounds.h"

struct AquariumSettings;

// The wash's phase as last advanced, for the settings dialog to save as the locked rotation.
extern float backColorPhaseShared;

class BackgroundWall {
public:
    // Draws the enabled quads; leaves texturing on and the current colour white.
    void draw(const AquariumSettings& settings, const TankBounds& tank);

    float phase() const { return backColorPhase; }

private:
    void drawCyclingWash(const AquariumSettings& settings, const TankBounds& tank);

    float backColorPhase = 0;   // phase of the cycling wash
    bool phaseStarted = false;  // the wash has been drawn once, so the phase is set
};
