// The application object: message pre-translation order, the entry point, the registry profile,
// and frames made from a resource.
#include "TestWindows.h"

#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> offered;  // names of the windows a message was offered to, in order

class NamedWnd : public CWnd {
public:
    explicit NamedWnd(std::string name, bool consume = false)
        : name_(std::move(name)), consume_(consume)
    {
    }
    BOOL PreTranslateMessage(MSG*) override
    {
        offered.push_back(name_);
        return consume_;
    }

private:
    std::string name_;
    bool consume_;
};

class QuittingApp : public CWinApp {
public:
    QuittingApp(BOOL initResult, int quitCode) : CWinApp("TestApp"), initResult_(initResult), quitCode_(quitCode) {}
    BOOL InitInstance() override
    {
        ::PostQuitMessage(quitCode_);
        return initResult_;
    }

private:
    BOOL initResult_;
    int quitCode_;
};

class PreTranslateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        offered.clear();
        ASSERT_TRUE(createTopLevel(main, "main"));
        ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 10, 10, main.m_hWnd, nullptr));
        ASSERT_TRUE(grandchild.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 5, 5, child.m_hWnd, nullptr));
        app.m_pMainWnd = &main;
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        main.DestroyWindow();
    }

    CWinApp app{"TestApp"};
    NamedWnd main{"main"};
    NamedWnd child{"child"};
    NamedWnd grandchild{"grandchild"};
};

TEST_F(PreTranslateTest, FocusWindowThenItsParentsUpToTheMainWindow)
{
    MSG msg{grandchild.m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    EXPECT_FALSE(app.PreTranslateMessage(&msg));
    EXPECT_EQ(offered, (std::vector<std::string>{"grandchild", "child", "main"}));
}

TEST_F(PreTranslateTest, AWindowThatConsumesTheMessageEndsTheChain)
{
    NamedWnd consumer("consumer", true);
    ASSERT_TRUE(consumer.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 5, 5, child.m_hWnd, nullptr));
    MSG msg{consumer.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(app.PreTranslateMessage(&msg));
    EXPECT_EQ(offered, (std::vector<std::string>{"consumer"}));
}

TEST_F(PreTranslateTest, WindowOutsideTheMainWindowStillPassesTheMainWindowLast)
{
    NamedWnd other("other");
    ASSERT_TRUE(createTopLevel(other, "other"));
    MSG msg{other.m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    app.PreTranslateMessage(&msg);
    EXPECT_EQ(offered, (std::vector<std::string>{"other", "main"}));
}

TEST(AppEntryPoint, FailedInitInstanceEndsWithoutRunningTheLoop)
{
    QuittingApp app(FALSE, 5);
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr)), 0);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the quit message must still be queued: the loop never ran";
}

TEST(AppEntryPoint, LoopEndsWithTheQuitCode)
{
    QuittingApp app(TRUE, 5);
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr)), 5);
}

TEST(AppEntryPoint, ApplicationNameComesFromTheStringTable)
{
    CWinApp app;
    app.AfxWinInit(::GetModuleHandleA(nullptr));
    EXPECT_EQ(app.m_pszAppName, "BluereefScr");
}

TEST(AppProfile, IntegersAreReadFromAndWrittenToTheCompanyKey)
{
    const char* const key = "Software\\Bluereef Test Company\\TestApp\\Settings";
    const DWORD volume = 42;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, key, "Volume", REG_DWORD, &volume, sizeof volume),
              ERROR_SUCCESS);

    CWinApp app("TestApp");
    EXPECT_EQ(app.GetProfileInt("Settings", "Volume", 7), 7u) << "no company key set yet";
    app.SetRegistryKey("Bluereef Test Company");
    EXPECT_EQ(app.GetProfileInt("Settings", "Volume", 7), 42u);
    EXPECT_EQ(app.GetProfileInt("Settings", "Missing", 7), 7u);

    EXPECT_TRUE(app.WriteProfileInt("Settings", "Volume", 640));
    EXPECT_TRUE(app.WriteProfileInt("New Section", "Level", -3));
    EXPECT_EQ(app.GetProfileInt("Settings", "Volume", 7), 640u);
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("New Section", "Level", 7)), -3);
    EXPECT_FALSE(CWinApp("TestApp").WriteProfileInt("Settings", "Volume", 1))
        << "nowhere to write without a company key";

    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Bluereef Test Company");
}

TEST(FrameWindow, FrameFromResourceHasItsTitleMenuAndFillingPane)
{
    CWinApp app("TestApp");
    auto* frame = new CFrameWnd;
    app.m_pMainWnd = frame;
    ASSERT_TRUE(frame->LoadFrame(128));
    char title[64] = "";
    ::GetWindowTextA(frame->m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, "BluereefScr");
    EXPECT_NE(::GetMenu(frame->m_hWnd), nullptr);

    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), frame,
                            AFX_IDW_PANE_FIRST));
    ::MoveWindow(frame->m_hWnd, 0, 0, 400, 300, TRUE);
    RECT frameClient{};
    RECT paneRect{};
    frame->GetClientRect(&frameClient);
    ::GetWindowRect(pane.m_hWnd, &paneRect);
    ::MapWindowPoints(nullptr, frame->m_hWnd, reinterpret_cast<POINT*>(&paneRect), 2);
    EXPECT_EQ(paneRect.left, 0);
    EXPECT_EQ(paneRect.top, 0);
    EXPECT_EQ(paneRect.right, frameClient.right);
    EXPECT_EQ(paneRect.bottom, frameClient.bottom);

    // The main frame deletes itself with its window and ends the message loop.
    frame->DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
