// The pictures of the interface's commands: one motif per command of the popup menu, painted on
// the tank's rounded water tile as icons, and painted as a badge beside an arrow as the cursor of
// each interaction mode, so that the pointer tells which mode is on.
#pragma once

#include "Image.h"

enum class Motif {
    FishCounts,  // two fish: how many fish of each kind
    Exit,        // the power symbol
    Watch,       // an eye: just watch
    Feed,        // food pellets
    Touch,       // a fingertip touching a fish
    Grow,        // a fish with a plus
    Shrink,      // a fish with a minus
    Marker,      // the marker's cone over a target
    Ripple,      // rings on the water
    Settings,    // three sliders
    Background,  // a framed picture
    Music,       // a note
};

// The menu icon of `motif`, `size` pixels square.
Image paintMenuIcon(Motif motif, int size);

// A 32 × 32 cursor: a white arrow with its tip at the top left (the hot spot, pixel (1, 1)) and the
// mode's motif as a badge at the lower right.
Image paintModeCursor(Motif motif);
constexpr int kCursorSize = 32;
constexpr int kCursorHotSpot = 1;
