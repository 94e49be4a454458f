// Dispatches everything queued for the test's thread, without blocking.
#pragma once

#include <windows.h>

inline void pumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
