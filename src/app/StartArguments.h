// What the command line asks of the program. Windows starts a screen saver file with /s (run), /c
// (settings, optionally modal to a window) or /p (preview inside a window), in any case, with '-'
// for '/', and with the window's handle after ':' or a space; with no argument it asks for the
// settings. The desktop program ignores its command line, as it always has.
#pragma once

#include <windows.h>

enum class StartMode {
    Desktop,      // the aquarium on the desktop, with its menu and modes
    ScreenSaver,  // full screen until the user touches a key or the mouse
    Settings,     // the settings dialogs only
    Preview,      // a small live tank inside another program's window
    Nothing,      // a request that cannot be met (a preview without its window)
};

struct StartRequest {
    StartMode mode = StartMode::Desktop;
    HWND window = nullptr;  // the settings' owner or the preview's parent; none for the others
};

// `screenSaverFile`: the program runs as the .scr, which reads its command line.
StartRequest parseStartArguments(const char* commandLine, bool screenSaverFile);
