// Entry point of BluereefScr.exe and BluereefScr.scr: the one application object, what the
// command line asks of it, and the framework's start-up.
#include "app/AquariumApp.h"

namespace {
AquariumApp theApp;

#ifdef BLUEREEF_SCREEN_SAVER_FILE
constexpr bool kScreenSaverFile = true;
#else
constexpr bool kScreenSaverFile = false;
#endif
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    theApp.request = parseStartArguments(commandLine, kScreenSaverFile);
    return AfxWinMain(instance);
}
