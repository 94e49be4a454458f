#include "framework/FrameWnd.h"

#include "framework/WinApp.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, void*)
{
    const HINSTANCE instance = AfxGetInstanceHandle();
    char title[256] = "";
    ::LoadStringA(instance, resourceId, title, sizeof title);
    if (char* const docStrings = std::strchr(title, '\n'))
        *docStrings = '\0';

    const LPCSTR className = AfxRegisterWndClass(
        CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
        ::LoadIconA(instance, MAKEINTRESOURCEA(resourceId)));
    const HMENU menu = ::LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    if (!CreateEx(0, className, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, parent != nullptr ? parent->m_hWnd : nullptr, menu)) {
        // PreCreateWindow may already have destroyed the menu; DestroyMenu then just fails.
        ::DestroyMenu(menu);
        return FALSE;
    }
    m_hAccelTable = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg)
{
    if (m_hAccelTable != nullptr && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg) != 0;
    return FALSE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT)
{
    return Default() == -1 ? -1 : 0;
}

void CFrameWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

void CFrameWnd::RecalcLayout()
{
    const HWND pane = ::GetDlgItem(m_hWnd, static_cast<int>(AFX_IDW_PANE_FIRST));
    if (pane == nullptr)
        return;
    RECT client{};
    GetClientRect(&client);
    ::MoveWindow(pane, 0, 0, client.right, client.bottom, TRUE);
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* const app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    delete this;
}
