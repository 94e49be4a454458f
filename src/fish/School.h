// The rules that involve several fish or the food, which kind each fish is, and where the fish
// start. None of them draws.
#pragma once

#include "fish/Fish.h"
#include "fish/FoodPellet.h"
#include "settings/AquariumSettings.h"
#include "tank/TankBounds.h"

// The fish indices of each kind, rebuilt from the kinds' counts: kinds take consecutive indices
// in kind order, so a kind with no fish leaves no gap.
struct FishKindRanges {
    explicit FishKindRanges(const int (&counts)[kFishKinds]);

    // The kind of fish `index`, or -1 when the index lies beyond every kind.
    int kindOf(int index) const;
    // How many fish swim: the total, at most the tank's kMaxFishCount.
    int shownCount() const;
    // How many fish swim in a frame whose ramp has let in `fishRamp` fish: one more than the
    // ramp, so the first frame already has two, and never more than are shown.
    int swimmingCount(int fishRamp) const;

    int start[kFishKinds] = {};  // first index of each kind
    int end[kFishKinds] = {};    // one past the last index of each kind
    int total = 0;               // sum of the counts
};

// Gives each of the fish a random place and the swimming box every fish shares, drawing rand()
// in a fixed order. A third of them start on the floor, below their box, and are lifted into it
// by their first move.
void placeFish(Fish (&fish)[kMaxFishCount], const TankBounds& tank);

// Fish `c`, just moved, against every other fish that has a box: marks those that overlap as
// colliding and steers both of each pair apart, or matches their speeds when they swim alike.
void resolveCollisions(Fish (&fish)[kMaxFishCount], int c);

// Turns the fish toward active pellets near its head and slows it close to them; marks it as
// attracted while any is near. The view calls it in feed mode only: elsewhere the mark stays.
void respondToFood(Fish& fish, const FoodPellet (&food)[kFoodSlots]);

// Pulls active pellets near the fish's mouth toward it, and eats those that are very near.
void pullFood(Fish& fish, FoodPellet (&food)[kFoodSlots]);

// The whole degrees that food attraction pitches by for a pellet at (x, y): the angle of the line
// from the tank's origin to the pellet against the x axis, 0..90, except that a point on an axis
// gives 0, 90, 180 or 270.
int foodPitchAmount(float x, float y);
