// Small windows for exercising the framework: a plain top-level window and a message pump.
#pragma once

#include "framework/Wnd.h"
#include "support/MessagePump.h"

#include <string>
#include <vector>

// A hidden top-level window of the framework's default class.
inline bool createTopLevel(CWnd& wnd, const char* title = "test")
{
    return wnd.CreateEx(0, nullptr, title, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr);
}
