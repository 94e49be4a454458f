// The rules of one bubble: where it starts, how it rises, and when it starts again at the
// bottom. BubbleSystem keeps a sheet of them, draws them and says which of them move.
#pragma once

#include "fish/ParticleSystem.h"

// Puts a new bubble on the start line with its size, a slow rise and a full life.
void initialiseBubble(Particle& p);
// Moves a bubble one frame. One that has sunk to the floor, risen out of the water or faded out
// starts again on the start line, rising faster than the first bubbles and keeping its size.
void advanceBubble(Particle& p);
