// The countdown to hiding the mouse pointer over the tank: frames since the pointer last had a
// reason to show. The view owns it and counts it each frame, hiding the pointer at 100; mouse
// moves, the popup menu and the dialogs set it back (to 0, or far below 0 to keep the pointer for
// longer). The dialogs the view opens are handed it for the one call they make, reset().
#pragma once

class CursorHideCounter {
public:
    // The count at which the pointer is hidden.
    static constexpr int kHideFrames = 100;

    // The pointer shows for another kHideFrames frames.
    void reset() { frames = 0; }
    // The pointer shows for 1100 frames, not 100 (unless something resets the countdown sooner):
    // a dialog has opened.
    void keepLonger() { frames = kLongShow; }
    // The next frame hides the pointer.
    void hideNow() { frames = kHideFrames; }
    // Counts one frame; true from the frame the count reaches kHideFrames on.
    bool countFrame() { return frames >= kHideFrames || ++frames == kHideFrames; }

private:
    static constexpr int kLongShow = -1000;
    int frames = 0;
};
