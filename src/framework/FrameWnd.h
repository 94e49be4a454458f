// CFrameWnd: a top-level frame made from one resource identifier (title string, icon, menu and
// accelerators). Its pane, the child with identifier AFX_IDW_PANE_FIRST, fills its client area.
#pragma once

#include "framework/Wnd.h"

class CFrameWnd : public CWnd {
public:
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* parent = nullptr, void* context = nullptr);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void RecalcLayout();

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    // Frames live on the heap and delete themselves with their window; the main frame's end also
    // ends the message loop.
    void PostNcDestroy() override;

    HACCEL m_hAccelTable = nullptr;

    DECLARE_MESSAGE_MAP()
};
