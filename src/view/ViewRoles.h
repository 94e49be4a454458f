// What the view is there for, and what each role does, one row each: the desktop aquarium with its
// menu and modes, the screen saver that the first touch of a key or the mouse ends, or the small
// live preview inside another program's window.
#pragma once

enum class ViewRole { Desktop, ScreenSaver, Preview };

struct ViewRoleRow {
    ViewRole role;
    bool offersMenu;          // the right button's menu with the modes, and F1's start-up text
    bool showsStartUpText;    // the start-up text, which speaks of the menu and keys, at first
    bool hidesPointerAtOnce;  // the pointer goes at the first frame, not after the countdown
    bool endsOnInput;         // a key, a mouse button or a moved mouse ends the program
    int framesPerSecond;      // 0: the display's rate
    bool playsMusic;          // the music dialog exists, and with it the built-in tune
    bool topmost;             // its window stands above every other window
    bool quitsWithWindow;     // the program ends when the view's window goes
};

const ViewRoleRow& roleRow(ViewRole role);
