// The small additive sprites: drawn with additive blending, so black is "nothing" and brightness is
// light added to the picture behind. All are square canvases of the given size.
#pragma once

#include "Image.h"

// A rising bubble as it appears on the bubble quads, which lay the picture's rows along their
// horizontal axis and its columns up their vertical axis: a soft rim with a highlight up and to the
// left (as seen on the quad) and a faint reflection opposite.
Image paintBubble(int size);

// A soft round glow fading to black at the rim.
Image paintGlow(int size);

// A four-pointed glint with a soft core.
Image paintGlint(int size);
