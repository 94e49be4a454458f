// CWinApp: the one application object. Its constructor registers it as the application; the
// entry point (AfxWinMain) initialises it, calls InitInstance and runs the message loop.
#pragma once

#include "framework/Wnd.h"

#include <string>

class CWinApp {
public:
    explicit CWinApp(LPCSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    virtual int ExitInstance() { return m_exitCode; }

    // Offers a queued message to the window it is for, then to that window's parents, and last to
    // the main window; TRUE means it was consumed and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Keeps the application's profile in the registry under HKCU\Software\<key>\<app name>.
    void SetRegistryKey(LPCSTR companyKey);
    UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) const;
    // FALSE when no company key is set or the registry refuses the value.
    BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value) const;

    // Called by the entry point before InitInstance.
    void AfxWinInit(HINSTANCE instance);

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::string m_pszAppName;
    std::string m_pszRegistryKey;

private:
    std::string profileSectionPath(LPCSTR section) const;

    int m_exitCode = 0;  // the wParam of the WM_QUIT that ended the message loop
};

int AfxWinMain(HINSTANCE instance);
