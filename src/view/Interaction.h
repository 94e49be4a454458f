// What the mouse asks of the coming frames in the view's interaction mode (the modes and what
// each one does are in ViewCommands.h).
#pragma once

#include "view/ViewCommands.h"

#include <windows.h>

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
        if (commandRow(InteractionMode).picksPlace && waitingClickCount < kMostWaitingClicks)
            waitingClicks[waitingClickCount++] = point;
    }
};
