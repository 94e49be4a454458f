// The picks of the interaction modes: which point of the tank and which fish lie under a click.
// They answer only where and which; what a hit does is the tank's (TankScene::act).
// Bars or fish are rendered in OpenGL's selection mode into a small square around the click, seen
// through the frame's own projection, so that what is picked is what the click is on. Every pick
// runs inside a frame, with the frame's camera and projection in place, and restores every matrix
// it changes.
#pragma once

#include "fish/Fish.h"
#include "scene/PickingBars.h"

#include <windows.h>

// The point of the tank under `click` on the bars' plane: x where the click meets upright bars
// (the middle of those it meets), y likewise with the level bars. Where it meets none, the point
// where the line of sight crosses the bars' plane; either way held to the tank's x and y range.
PickState pickPosition(const PickingBars& bars, const TankBounds& tank, POINT click);

// The first of the first `count` fish whose body lies under `click`, or -1. Each fish tested is
// stepped one more frame and its pose of that step drawn, as in the frame itself.
int pickFish(Fish* fish, int count, POINT click);
