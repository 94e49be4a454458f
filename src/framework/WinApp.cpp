#include "framework/WinApp.h"

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp* AfxGetApp()
{
    return theApplication;
}

HINSTANCE AfxGetInstanceHandle()
{
    return theApplication != nullptr && theApplication->m_hInstance != nullptr
               ? theApplication->m_hInstance
               : ::GetModuleHandleA(nullptr);
}

CWnd* AfxGetMainWnd()
{
    return theApplication != nullptr ? theApplication->m_pMainWnd : nullptr;
}

CWinApp::CWinApp(LPCSTR appName)
{
    if (appName != nullptr)
        m_pszAppName = appName;
    theApplication = this;
}

CWinApp::~CWinApp()
{
    if (theApplication == this)
        theApplication = nullptr;
}

void CWinApp::AfxWinInit(HINSTANCE instance)
{
    m_hInstance = instance;
    if (m_pszAppName.empty()) {
        char name[256] = "";
        ::LoadStringA(instance, AFX_IDS_APP_TITLE, name, sizeof name);
        m_pszAppName = name;
    }
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    m_exitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd* const wnd = CWnd::FromHandlePermanent(hwnd);
        if (wnd == nullptr)
            continue;
        if (wnd->PreTranslateMessage(msg))
            return TRUE;
        if (wnd == m_pMainWnd)
            return FALSE;
    }
    // A message for a window outside the main window (a modeless dialog, say) still passes the
    // main window's pre-translation.
    return m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr &&
           m_pMainWnd->PreTranslateMessage(msg);
}

void CWinApp::SetRegistryKey(LPCSTR companyKey)
{
    m_pszRegistryKey = companyKey;
}

std::string CWinApp::profileSectionPath(LPCSTR section) const
{
    return "Software\\" + m_pszRegistryKey + "\\" + m_pszAppName + "\\" + section;
}

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) const
{
    if (m_pszRegistryKey.empty())
        return static_cast<UINT>(defaultValue);
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status = ::RegGetValueA(HKEY_CURRENT_USER, profileSectionPath(section).c_str(),
                                          entry, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return status == ERROR_SUCCESS ? value : static_cast<UINT>(defaultValue);
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) const
{
    if (m_pszRegistryKey.empty())
        return FALSE;
    const DWORD stored = static_cast<DWORD>(value);
    return ::RegSetKeyValueA(HKEY_CURRENT_USER, profileSectionPath(section).c_str(), entry,
                             REG_DWORD, &stored, sizeof stored) == ERROR_SUCCESS;
}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* const app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->AfxWinInit(instance);
    if (!app->InitInstance()) {
        if (app->m_pMainWnd != nullptr)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
