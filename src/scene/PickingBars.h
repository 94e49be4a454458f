// The invisible bars that clicks are picked against: 101 thin upright bars across the tank and 51
// thin level bars up its height, all 70 units deep, sweeping back and forth by about a unit while a
// position-pick mode is on. A click's x is where it meets an upright bar, its y where it meets a
// level one.
#pragma once

#include "tank/TankBounds.h"

// Where a position pick found a click in the tank, on the bars' plane.
struct PickState {
    float pickX = 0;
    float pickY = 0;
};

class PickingBars {
public:
    static constexpr int kUprightBars = 101;
    static constexpr int kLevelBars = 51;

    // Spreads the upright bars from the tank's left edge about a unit apart, and the level bars
    // evenly from its floor to its surface.
    void place(const TankBounds& tank);
    // Moves every bar a tenth of a unit along its sweep, turning back past a unit from its start.
    void drift(const TankBounds& tank);

    // Draws bar `i` at the current matrix, translated to its place.
    void drawUpright(int i) const;
    void drawLevel(int i) const;

    float sweepBarsX[kUprightBars][3] = {};  // upright bars, each at (x, 0, -70)
    float sweepBarsY[kLevelBars][3] = {};    // level bars, each at (0, y, -70)
    bool sweepXRising = false;               // the upright bars move toward +x
    bool sweepYRising = true;                // the level bars move toward +y
};
