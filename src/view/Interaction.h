// The view's interaction mode and what the mouse has asked of the coming frames in it (the modes
// and what each one does are in ViewCommands.h). The view records the button; the frames take
// the clicks for their picks.
#pragma once

#include "view/ViewCommands.h"

#include <windows.h>

class Interaction {
public:
    static constexpr int kMostWaitingClicks = 8;

    // The identifier of the last command that reached the view.
    int mode() const { return InteractionMode; }
    const ViewCommandRow& modeRow() const { return commandRow(InteractionMode); }
    // Makes `mode` current; clicks of the old mode still waiting are not the new one's. False
    // when it already was.
    bool enter(int mode);

    // A left click at `point`: the button is down there, and in a mode whose row picks a place
    // the click waits for the next frame's picks.
    void press(POINT point);
    // The button went up: in the modes whose row says so, the press is forgotten.
    void release();

    // Hands every waiting click to `pick`, oldest first, and forgets them.
    template <typename Pick>
    void takeWaitingClicks(Pick pick)
    {
        for (int c = 0; c < waitingClickCount; ++c)
            pick(waitingClicks[c]);
        waitingClickCount = 0;
    }
    // The point of a press no frame has taken yet, which it takes; false when there is none.
    bool takeButtonPress(POINT& point);

private:
    int InteractionMode = ModeNone;
    bool buttonDown = false;  // pressed and not yet taken by a fish pick or consumed by a release
    POINT buttonPoint{};      // where it was pressed, in client pixels
    POINT waitingClicks[kMostWaitingClicks]{};
    int waitingClickCount = 0;
};
