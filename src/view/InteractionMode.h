// The view's interaction modes. A mode is the identifier of the last command that reached the
// view; any identifier not named here behaves like ModeNone.
#pragma once

enum InteractionModeId : int {
    ModeTouch = 1035,         // a clicked fish reacts to the touch
    ModeFeed = 1036,          // a click drops a food pellet
    ModeZoomIn = 1037,        // a clicked fish grows
    ModeZoomOut = 1038,       // a clicked fish shrinks
    ModeNone = 1043,          // clicks do nothing
    ModeScreenCopy = 1045,    // a click ripples the picture
    ModePositionPick = 1046,  // a click runs the position pick alone
    ModeMarker = 1047,        // a click sends the marker to the clicked point
    ModeSwallowClickA = 1048,  // clicks do nothing and are consumed when the button goes up
    ModeSwallowClickB = 1049,  // the same
};

// Modes in which releasing the left button consumes the click.
inline bool releaseConsumesClick(int mode)
{
    return mode == ModeFeed || mode == ModeZoomIn || mode == ModeZoomOut ||
           mode == ModeSwallowClickA || mode == ModeSwallowClickB;
}
