// The picks of the interaction modes: which point of the tank and which fish lie under a click.
// Bars or fish are rendered in OpenGL's selection mode into a small square around the click, seen
// through the frame's own projection, so that what is picked is what the click is on. Every pick
// runs inside a frame, with the frame's camera and projection in place, and restores every matrix
// it changes.
#pragma once

#include "view/Interaction.h"
#include "view/PickingBars.h"
#include "view/TankScene.h"

// The point of the tank under `click` on the bars' plane: x where the click meets upright bars
// (the middle of those it meets), y likewise with the level bars. Where it meets none, the point
// where the line of sight crosses the bars' plane; either way held to the tank's x and y range.
void pickPosition(const PickingBars& bars, const TankBounds& tank, POINT click, PickState& pick);

// The first of the first `count` fish whose body lies under `click`, or -1. Drawing a fish to test
// it advances it one step, as every drawing of a fish does.
int pickFish(Fish* fish, int count, POINT click);

// The mode block of a frame in a position-pick mode: the bars drift, and every waiting click is
// picked and then drops a pellet (feed mode) or sends the marker (marker mode).
void runModeBlock(TankScene& scene, Interaction& interaction);

// The fish pick of a frame in a fish-pick mode, for a pressed button: the first fish under it
// reacts to a touch, grows or shrinks, as the mode says.
void runFishPick(TankScene& scene, Interaction& interaction);
