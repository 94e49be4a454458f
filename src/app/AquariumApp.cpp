#include "app/AquariumApp.h"

#include "app/MainFrame.h"
#include "res/resource.h"

#include <cstdlib>

namespace {
constexpr char kInstanceMutexName[] = "Moonkelp";
constexpr char kProfileCompanyKey[] = "Local AppWizard-Generated Applications";
}  // namespace

BOOL AquariumApp::InitInstance()
{
    // Both mutexes stay owned, never closed, until the process ends.
    const HANDLE instanceMutex = ::CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    if (instanceMutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS)
        std::exit(0);

    ::CreateMutexA(nullptr, TRUE, m_pszAppName.c_str());
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;

    // MFC's 3D-control and control-container switches have no counterpart here: controls draw
    // with the system's look and the program hosts no ActiveX controls.
    SetRegistryKey(kProfileCompanyKey);

    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    // A frame whose creation fails deletes itself with its window.
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
        startFailed = true;
        return FALSE;
    }

    frame->CenterWindow();
    frame->UpdateWindow();
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    return TRUE;
}

int AquariumApp::ExitInstance()
{
    return startFailed ? kStartFailedExitCode : CWinApp::ExitInstance();
}
