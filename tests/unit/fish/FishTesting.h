// Fish in known states for the tests: fresh records have random sizes and targets.
#pragma once

#include "fish/Fish.h"

// The swimming box of every fish in the tank with the default bounds: x -50..50, y -14..15,
// z -85..-55.
inline void giveTankBox(Fish& fish)
{
    fish.setBounds(-50, 50, 5, -19, -85, -55);
}

// A level fish in the middle of the tank box, heading and aiming at `heading`, at cruising speed.
inline void settle(Fish& fish, float heading)
{
    giveTankBox(fish);
    fish.x = 0;
    fish.y = 0;
    fish.z = -70;
    fish.heading = heading;
    fish.targetHeading = heading;
    fish.pitch = 0;
    fish.targetPitch = 0;
    fish.speed = 0.1f;
}

// Sets `size` through the fish's own resizing (which keeps it in 2..8).
inline void makeSize(Fish& fish, int size)
{
    fish.resize(10, false);
    fish.resize(static_cast<float>(size - Fish::kMinSize), true);
}

// Moves the fish so that its head point (as updateBox places it) lies at (x, y, z). The
// direction flags come from the fish's last move.
inline void putHeadAt(Fish& fish, float x, float y, float z)
{
    fish.updateBox();
    fish.x += x - fish.headPoint().x;
    fish.y += y - fish.headPoint().y;
    fish.z += z - fish.headPoint().z;
    fish.updateBox();
}
