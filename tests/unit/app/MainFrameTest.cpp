// The main frame as the application opens it: bare, maximised, with the view filling it.
#include "app/MainFrame.h"

#include "framework/WinApp.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

namespace {

TEST(MainFrame, FrameIsBareAndItsViewFillsIt)
{
    CWinApp app("BluereefScr");
    SharedSettings shared;
    auto* frame = new CMainFrame(shared);
    app.m_pMainWnd = frame;
    ASSERT_TRUE(frame->LoadFrame(128, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    pumpMessages();

    EXPECT_EQ(frame->GetStyle() & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER), 0u);
    EXPECT_EQ(::GetWindowLongA(frame->m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(::GetMenu(frame->m_hWnd), nullptr);
    const HWND view = frame->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_EQ(view, frame->view().m_hWnd);
    RECT client{};
    RECT viewRect{};
    frame->GetClientRect(&client);
    ::GetClientRect(view, &viewRect);
    EXPECT_EQ(viewRect.right, client.right);
    EXPECT_EQ(viewRect.bottom, client.bottom);
    EXPECT_EQ(::GetWindowLongA(view, GWL_STYLE) & WS_BORDER, 0);
    EXPECT_EQ(::GetWindowLongA(view, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(::GetFocus(), view) << "the frame hands the focus to the view";

    frame->DestroyWindow();  // the frame deletes itself with its window
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

}  // namespace
