// The framework's free functions: message boxes and window-class registration.
#include "framework/WinApp.h"

#include <cstdio>
#include <deque>
#include <string>

int AfxMessageBox(LPCSTR text, UINT type)
{
    CWnd* const mainWnd = AfxGetMainWnd();
    const HWND owner = mainWnd != nullptr ? mainWnd->m_hWnd : nullptr;
    CWinApp* const app = AfxGetApp();
    const char* const caption = app != nullptr ? app->m_pszAppName.c_str() : "";
    return ::MessageBoxA(owner, text, caption, type);
}

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    // Names stay valid for the life of the process: callers keep the returned pointer.
    static std::deque<std::string> registeredNames;

    const HINSTANCE instance = AfxGetInstanceHandle();
    char name[96];
    std::snprintf(name, sizeof name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(instance), classStyle,
                  static_cast<void*>(cursor), static_cast<void*>(background),
                  static_cast<void*>(icon));

    WNDCLASSA existing{};
    if (!::GetClassInfoA(instance, name, &existing)) {
        WNDCLASSA wc{};
        wc.style = classStyle;
        wc.lpfnWndProc = AfxWndProc;
        wc.hInstance = instance;
        wc.hIcon = icon;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.lpszClassName = name;
        if (!::RegisterClassA(&wc))
            return nullptr;
    }
    for (const std::string& known : registeredNames)
        if (known == name)
            return known.c_str();
    registeredNames.emplace_back(name);
    return registeredNames.back().c_str();
}
