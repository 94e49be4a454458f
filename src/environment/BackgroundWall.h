// The wall behind the tank: up to three large quads, each enabled by its own setting — a solid
// colour, a two-colour vertical gradient, and a wash whose colours cycle with a slowly rising phase.
#pragma once

#include "environment/BackdropPatch.h"
#include "tank/TankBounds.h"

struct AquariumSettings;
struct ColorPhases;

class BackgroundWall {
public:
    // Draws the enabled quads; leaves texturing on and the current colour white. When `hidden`
    // (something opaque drawn later is known to cover them everywhere) the quads' pixels are
    // skipped, but the state and the wash's phase change just as when they are drawn. A phase
    // that moves is published in `phases.back`.
    void draw(const AquariumSettings& settings, const TankBounds& tank, ColorPhases& phases,
              bool hidden = false);
    // The corners every quad of the wall is drawn with.
    static void corners(const TankBounds& tank, Point3d out[4]);

private:
    void drawCyclingWash(const AquariumSettings& settings, const TankBounds& tank,
                         ColorPhases& phases, bool hidden);

    float backColorPhase = 0;   // phase of the cycling wash
    bool phaseStarted = false;  // the wash has been drawn once, so the phase is set
};
