// A real aquarium view inside a plain parent window, with its frame timer stopped so that the test
// decides when frames are drawn, and the eye at home. The settings record and the views position
// are restored after each test.
#pragma once

#include "settings/SettingsStore.h"
#include "support/MessagePump.h"
#include "view/AquariumView.h"

#include <gtest/gtest.h>

constexpr UINT_PTR kFrameTimer = 1;

class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "view test", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                                    nullptr, nullptr));
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 240),
                                &parent, AFX_IDW_PANE_FIRST));
        view.KillTimer(kFrameTimer);
        ::ValidateRect(view.m_hWnd, nullptr);
        pumpMessages();
        framesBefore = view.fishRampCount();
        loadedSettings = theSettings;
        loadedViews = theViewsPosition;
        // The eye stays at home unless a test moves it.
        theSettings.autoViews = 0;
        theViewsPosition = {kViewsLeftRightMax / 2, 0};
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        theSettings = loadedSettings;
        theViewsPosition = loadedViews;
    }

    int framesSinceSetUp() const { return view.fishRampCount() - framesBefore; }

    void hideOverlay()
    {
        MSG f1{view.m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
        if (view.isOverlayVisible())
            view.PreTranslateMessage(&f1);
    }

    CWnd parent;
    AquariumView view;
    int framesBefore = 0;
    AquariumSettings loadedSettings{};
    ViewsPosition loadedViews{};
};
