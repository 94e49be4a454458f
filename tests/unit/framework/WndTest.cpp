// Binding of window objects to handles, message maps, and the life cycle of a window object.
#include "TestWindows.h"

#include <gtest/gtest.h>

namespace {

class RecordingWnd : public CWnd {
public:
    std::vector<UINT> seen;  // messages the map saw, in order
    int createCalls = 0;
    int postNcDestroyCalls = 0;
    LRESULT closeResult = 0;
    bool destroySelfOnClose = false;
    HWND handleAfterSelfDestroy = nullptr;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override
    {
        cs.style |= WS_VSCROLL;
        return CWnd::PreCreateWindow(cs);
    }

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        ++createCalls;
        return CWnd::OnCreate(cs);
    }
    LRESULT OnMinMax(WPARAM, LPARAM)
    {
        seen.push_back(WM_GETMINMAXINFO);
        return Default();
    }
    LRESULT OnQueryEndSession(WPARAM, LPARAM)
    {
        // Handled with a result of 0: "handled" must not be read from the result.
        return 0;
    }
    void OnClose()
    {
        if (destroySelfOnClose) {
            DestroyWindow();
            handleAfterSelfDestroy = m_hWnd;
        }
    }
    void PostNcDestroy() override { ++postNcDestroyCalls; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_GETMINMAXINFO, OnMinMax)
    ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

class DerivedWnd : public RecordingWnd {
public:
    int derivedCloseCalls = 0;

protected:
    void OnClose() { ++derivedCloseCalls; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, RecordingWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

TEST(WndBinding, ObjectReceivesMessagesSentBeforeCreateReturns)
{
    RecordingWnd wnd;
    ASSERT_TRUE(createTopLevel(wnd));
    EXPECT_EQ(wnd.createCalls, 1);
    ASSERT_FALSE(wnd.seen.empty());
    EXPECT_EQ(wnd.seen.front(), static_cast<UINT>(WM_GETMINMAXINFO));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_TRUE(wnd.GetStyle() & WS_VSCROLL) << "PreCreateWindow's change must reach the window";
    wnd.DestroyWindow();
}

TEST(WndBinding, HandledIsIndependentOfAZeroResult)
{
    RecordingWnd wnd;
    ASSERT_TRUE(createTopLevel(wnd));
    // DefWindowProc answers TRUE here; the map's handler answers 0 and must win.
    EXPECT_EQ(wnd.SendMessage(WM_QUERYENDSESSION), 0);
    wnd.DestroyWindow();
}

TEST(WndBinding, DerivedMapComesFirstAndUnmappedFallsThroughToBase)
{
    DerivedWnd wnd;
    ASSERT_TRUE(createTopLevel(wnd));
    EXPECT_EQ(wnd.createCalls, 1) << "WM_CREATE is only in the base map";
    wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ(wnd.derivedCloseCalls, 1);
    EXPECT_NE(wnd.m_hWnd, nullptr) << "the base's OnClose must not have run";
    wnd.DestroyWindow();
}

TEST(WndLifecycle, DestroyFromOwnHandlerKeepsHandleUntilOutermostMessageReturns)
{
    RecordingWnd wnd;
    wnd.destroySelfOnClose = true;
    ASSERT_TRUE(createTopLevel(wnd));
    const HWND hwnd = wnd.m_hWnd;
    wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ(wnd.handleAfterSelfDestroy, hwnd);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(WndLifecycle, DestructorDestroysALiveWindow)
{
    HWND hwnd = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(createTopLevel(wnd));
        hwnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(WndClasses, RegisteringTheSameClassTwiceGivesOneName)
{
    const LPCSTR first = AfxRegisterWndClass(CS_DBLCLKS, nullptr, nullptr, nullptr);
    const LPCSTR again = AfxRegisterWndClass(CS_DBLCLKS, nullptr, nullptr, nullptr);
    const LPCSTR other = AfxRegisterWndClass(0, nullptr, nullptr, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first, again);
    EXPECT_STRNE(first, other);
    WNDCLASSA info{};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), other, &info));
    EXPECT_EQ(info.style, 0u);
    EXPECT_EQ(info.hCursor, nullptr);
    EXPECT_EQ(info.hbrBackground, nullptr);
}

class CountingControl : public CWnd {
public:
    int messages = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++messages;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(WndSubclassing, ControlIsBoundOnceAndReleasedWithItsWindow)
{
    RecordingWnd parent;
    ASSERT_TRUE(createTopLevel(parent));
    const HWND button = ::CreateWindowExA(0, "BUTTON", "ok", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50,
                                          20, parent.m_hWnd, reinterpret_cast<HMENU>(7), nullptr,
                                          nullptr);
    const auto original = ::GetWindowLongPtrA(button, GWLP_WNDPROC);

    CountingControl control;
    ASSERT_TRUE(control.SubclassWindow(button));
    CountingControl second;
    EXPECT_FALSE(second.SubclassWindow(button)) << "a window belongs to one object";

    char text[16] = "";
    ::GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ(text, "ok") << "unhandled messages must reach the control's own procedure";
    EXPECT_GT(control.messages, 0);

    EXPECT_EQ(control.UnsubclassWindow(), button);
    EXPECT_EQ(::GetWindowLongPtrA(button, GWLP_WNDPROC), original);
    EXPECT_EQ(control.m_hWnd, nullptr);

    ASSERT_TRUE(control.SubclassWindow(button));
    parent.DestroyWindow();
    EXPECT_EQ(control.m_hWnd, nullptr) << "the object forgets a destroyed window";
}

}  // namespace
