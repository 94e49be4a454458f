// What a hit of the interaction mode's pick does to the tank.
#pragma once

enum class TankAction {
    None,
    DropFood,    // a pellet falls in just below the picked place
    SendMarker,  // the marker swims to the picked place
    Touch,       // the picked fish turns away and speeds up
    Grow,        // the picked fish grows a step
    Shrink,      // the picked fish shrinks a step
    Ripple,      // the picture ripples round the click itself
};
