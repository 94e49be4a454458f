// A real aquarium view inside a plain parent window, with its frame timer (and its dialogs' timers)
// stopped so that the test decides when frames are drawn, and the eye at home. The settings record and the views position
// are restored after each test.
#pragma once

#include "settings/SettingsStore.h"
#include "support/MessagePump.h"
#include "view/AquariumView.h"

#include <gtest/gtest.h>

#include <cstring>

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT_PTR kMediaDialogTimer = 1;

class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "view test", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                                    nullptr, nullptr));
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 240),
                                &parent, AFX_IDW_PANE_FIRST));
        view.KillTimer(kFrameTimer);
        stopMediaDialogTimers();
        ::ValidateRect(view.m_hWnd, nullptr);
        pumpMessages();
        framesBefore = tank.fishRamp;
        // The eye stays at home unless a test moves it.
        shared.settings.autoViews = 0;
        shared.views = {kViewsLeftRightMax / 2, 0};
    }
    void TearDown() override
    {
        parent.DestroyWindow();
    }

    // The media dialogs' timers stop too: their ticks would cut a test's run of frames short, and
    // the music dialog's would decide whether own music plays.
    static void stopMediaDialogTimers()
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), stopDialogTimer, 0);
    }
    static BOOL CALLBACK stopDialogTimer(HWND window, LPARAM)
    {
        char className[16] = "";
        ::GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0)
            ::KillTimer(window, kMediaDialogTimer);
        return TRUE;
    }

    int framesSinceSetUp() const { return tank.fishRamp - framesBefore; }

    int pelletsInWater() const
    {
        int count = 0;
        for (const FoodPellet& pellet : tank.food)
            count += pellet.isActive() ? 1 : 0;
        return count;
    }

    // F1, which hides the start-up text that shows after set-up.
    void hideOverlay()
    {
        MSG f1{view.m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
        view.PreTranslateMessage(&f1);
    }

    CWnd parent;
    SharedSettings shared;
    TankScene tank;
    AquariumView view{shared, tank};
    int framesBefore = 0;
};
