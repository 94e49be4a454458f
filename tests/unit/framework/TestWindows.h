// Small windows for exercising the framework: a plain top-level window and a message pump.
#pragma once

#include "framework/Wnd.h"

#include <string>
#include <vector>

// Dispatches everything queued for this thread, without blocking.
inline void pumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A hidden top-level window of the framework's default class.
inline bool createTopLevel(CWnd& wnd, const char* title = "test")
{
    return wnd.CreateEx(0, nullptr, title, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr);
}
