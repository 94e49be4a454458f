// Entry point of BluereefScr.exe: the one application object and the framework's start-up.
#include "app/AquariumApp.h"

namespace {
AquariumApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
