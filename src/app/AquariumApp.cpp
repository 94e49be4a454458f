#include "app/AquariumApp.h"

#include "app/MainFrame.h"
#include "res/resource.h"
#include "ui/AquariumSettingsDialog.h"

#include <cstdlib>

namespace {
constexpr char kInstanceMutexName[] = "Moonkelp";
constexpr char kProfileCompanyKey[] = "Local AppWizard-Generated Applications";

// The area the tank covers: the primary screen, or with several screens all of them together.
RECT tankArea(bool severalScreens)
{
    if (severalScreens) {
        const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
        return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    }
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

// How often a preview looks for the window it is drawn in.
constexpr UINT kHostCheckMs = 500;

// A preview ends with the window it is drawn into. Its own window is a child of that one and is
// normally destroyed with it, but Wine can destroy a child that belongs to another process without
// the child's thread ever being told, and the preview would then wait for messages for ever. A
// thread timer, which outlives every window of the thread, looks for the host and ends the
// preview once it is gone.
void CALLBACK endPreviewWithoutHost(HWND, UINT, UINT_PTR, DWORD)
{
    if (!::IsWindow(static_cast<AquariumApp*>(AfxGetApp())->request.window))
        ::PostQuitMessage(0);
}
}  // namespace

BOOL AquariumApp::InitInstance()
{
    // MFC's 3D-control and control-container switches have no counterpart here: controls draw
    // with the system's look and the program hosts no ActiveX controls.
    SetRegistryKey(kProfileCompanyKey);
    switch (request.mode) {
    case StartMode::Settings:
        runSettings(request.window);
        return FALSE;
    case StartMode::Preview:
        return startPreview(request.window);
    case StartMode::Nothing:
        return FALSE;
    case StartMode::ScreenSaver:
        return startFullScreen(ViewRole::ScreenSaver);
    case StartMode::Desktop:
        break;
    }
    return startFullScreen(ViewRole::Desktop);
}

BOOL AquariumApp::startFullScreen(ViewRole role)
{
    // Both mutexes stay owned, never closed, until the process ends.
    const HANDLE instanceMutex = ::CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    if (instanceMutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS)
        std::exit(0);

    ::CreateMutexA(nullptr, TRUE, m_pszAppName.c_str());
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;

    // One tank over all the screens rather than one per screen: the fish swim from one screen
    // into the next as along one long aquarium wall, and the scene is drawn once.
    const bool severalScreens = ::GetSystemMetrics(SM_CMONITORS) > 1;
    const RECT area = tankArea(severalScreens);
    auto* frame = new CMainFrame(shared);
    m_pMainWnd = frame;
    frame->view().setRole(role, {area.right - area.left, area.bottom - area.top});
    // A frame whose creation fails deletes itself with its window.
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
        startFailed = true;
        return FALSE;
    }

    const bool topmost = roleRow(role).topmost;
    const HWND order = topmost ? HWND_TOPMOST : HWND_TOP;
    if (severalScreens) {
        // Maximised, a window fills one screen only: it is placed over all of them instead.
        frame->ModifyStyle(WS_THICKFRAME, 0);
        ::SetWindowPos(frame->m_hWnd, order, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_FRAMECHANGED);
        frame->ShowWindow(SW_SHOW);
        return TRUE;
    }
    frame->CenterWindow();
    frame->UpdateWindow();
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    if (topmost)
        ::SetWindowPos(frame->m_hWnd, order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void AquariumApp::runSettings(HWND owner)
{
    // The window that asked for the settings owns the dialog, when there is one.
    CWnd ownerWindow;
    ownerWindow.m_hWnd = ::IsWindow(owner) ? owner : nullptr;
    // No tank is drawn here, so nothing hides the pointer: the fish dialog resets a countdown
    // that nothing counts.
    CursorHideCounter noTank;
    AquariumSettingsDialog dialog(shared, noTank,
                                  ownerWindow.m_hWnd != nullptr ? &ownerWindow : nullptr);
    dialog.offerFishSettings();
    dialog.DoModal();
    ownerWindow.m_hWnd = nullptr;
}

BOOL AquariumApp::startPreview(HWND parent)
{
    RECT client{};
    if (!::IsWindow(parent) || !::GetClientRect(parent, &client) || client.right <= 0 ||
        client.bottom <= 0)
        return FALSE;
    previewTank = std::make_unique<TankScene>();
    preview = std::make_unique<AquariumView>(shared, *previewTank);
    preview->setRole(ViewRole::Preview, {client.right, client.bottom});
    if (!preview->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                           client.bottom, parent, nullptr)) {
        startFailed = true;
        return FALSE;
    }
    m_pMainWnd = preview.get();
    ::SetTimer(nullptr, 0, kHostCheckMs, endPreviewWithoutHost);
    return TRUE;
}

int AquariumApp::ExitInstance()
{
    return startFailed ? kStartFailedExitCode : CWinApp::ExitInstance();
}
