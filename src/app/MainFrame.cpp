#include "app/MainFrame.h"

#include "media/TemporaryDirectory.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    // The frame's menu exists only in the resource: it never reaches the window.
    if (cs.hMenu != nullptr) {
        ::DestroyMenu(cs.hMenu);
        cs.hMenu = nullptr;
    }
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;

    // Unpacked textures fall back on the temporary directory: the program does not start
    // without one.
    if (!temporaryDirectoryFound(m_hWnd))
        return -1;

    if (!view_.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                      AFX_IDW_PANE_FIRST))
        return -1;

    ModifyStyle(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0);
    ModifyStyle(WS_BORDER, 0);
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    SetMenu(nullptr);
    return 0;
}

void CMainFrame::OnSetFocus(HWND)
{
    if (view_.m_hWnd != nullptr)
        view_.SetFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT id, int code)
{
    if (view_.m_hWnd != nullptr && view_.OnCmdMsg(id, code))
        return TRUE;
    return CFrameWnd::OnCmdMsg(id, code);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg)
{
    // Escape ends the program on the spot: nothing is torn down and nothing is saved.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        std::exit(0);
    return CFrameWnd::PreTranslateMessage(msg);
}
