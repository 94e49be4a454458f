// The countdown to hiding the mouse pointer over the tank: frames since the pointer last had a
// reason to show. Frame composition counts it up and hides the pointer at 100; mouse moves, the
// popup menu and the dialogs set it back (to 0, or far below 0 to keep the pointer for longer).
#pragma once

extern int cursorHideCounter;

// The count at which the pointer is hidden.
constexpr int kCursorHideFrames = 100;
