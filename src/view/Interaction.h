// The view's interaction modes and what the mouse asks of the coming frames. A mode is the
// identifier of the last command that reached the view; any identifier not named here behaves
// like ModeNone.
#pragma once

#include <windows.h>

enum InteractionModeId : int {
    ModeTouch = 1035,          // a clicked fish reacts to the touch
    ModeFeed = 1036,           // a click drops a food pellet
    ModeZoomIn = 1037,         // a clicked fish grows
    ModeZoomOut = 1038,        // a clicked fish shrinks
    ModeNone = 1043,           // clicks do nothing
    ModeScreenCopy = 1045,     // a click ripples the picture
    ModePositionPick = 1046,   // a click runs the position pick alone
    ModeMarker = 1047,         // a click sends the marker to the clicked point
    ModeSwallowClickA = 1048,  // clicks do nothing and are consumed when the button goes up
    ModeSwallowClickB = 1049,  // the same
};

// Commands of the popup menu besides the modes.
enum ViewCommand : int {
    CommandFishSettings = 1034,  // the fish settings dialog
    CommandAquariumSettings = 1040,  // the aquarium settings dialog
    CommandExit = 1042,          // ends the program
    CommandCustomMusic = 1050,   // shows the custom music dialog
    CommandCustomBackground = 1052,  // shows the custom background dialog
};

// Modes in which releasing the left button consumes the click.
inline bool releaseConsumesClick(int mode)
{
    return mode == ModeFeed || mode == ModeZoomIn || mode == ModeZoomOut ||
           mode == ModeSwallowClickA || mode == ModeSwallowClickB;
}

// Modes whose frames drift the picking bars and find where clicks went in the tank.
inline bool picksPositions(int mode)
{
    return mode == ModeFeed || mode == ModePositionPick || mode == ModeMarker;
}

// Modes whose frames look for the fish under a click.
inline bool picksFish(int mode)
{
    return mode == ModeTouch || mode == ModeZoomIn || mode == ModeZoomOut || mode == ModeMarker;
}

// The mode and the clicks that wait for the next frame's picks.
struct Interaction {
    static constexpr int kMostWaitingClicks = 8;

    int InteractionMode = ModeNone;  // identifier of the last command that reached the view
    bool buttonDown = false;         // left button pressed and not yet consumed by a fish pick
    POINT buttonPoint{};             // where it was pressed, in client pixels
    // Clicks of the position-pick modes not yet picked, oldest first; each finds its own point.
    POINT waitingClicks[kMostWaitingClicks]{};
    int waitingClickCount = 0;

    // Records a left click at `point` in the current mode.
    void click(POINT point)
    {
        buttonDown = true;
        buttonPoint = point;
        if (picksPositions(InteractionMode) && waitingClickCount < kMostWaitingClicks)
            waitingClicks[waitingClickCount++] = point;
    }
};
