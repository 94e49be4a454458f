// The aquarium view's frame loop and input state, on a real window with a real GL context.
#include "view/AquariumView.h"

#include "ViewFixture.h"

#include <gtest/gtest.h>

namespace {

using ViewTest = ViewFixture;

TEST_F(ViewTest, BurstOfQueuedTicksRendersOneFrame)
{
    for (int i = 0; i < 20; ++i)
        ::PostMessageA(view.m_hWnd, WM_TIMER, kFrameTimer, 0);
    // Queued input ends the wait for the next frame at once.
    ::PostMessageA(view.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    pumpMessages();
    EXPECT_EQ(framesSinceSetUp(), 1);

    ::Sleep(20);  // past the refresh period, so that the next tick's frame is due
    ::PostMessageA(view.m_hWnd, WM_TIMER, kFrameTimer, 0);
    ::PostMessageA(view.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    pumpMessages();
    EXPECT_EQ(framesSinceSetUp(), 2) << "a later tick renders again";
}

TEST_F(ViewTest, WithNothingElseQueuedATickGoesOnDrawingFramesAtTheRefreshRateForAWhile)
{
    const double start = FramePacer::nowMs();
    ::PostMessageA(view.m_hWnd, WM_TIMER, kFrameTimer, 0);
    pumpMessages();
    const int frames = 1 + FrameLoop::kMostFramesBetweenTicks;
    EXPECT_EQ(framesSinceSetUp(), frames);
    EXPECT_GE(FramePacer::nowMs() - start, (frames - 1) * 16.0)
        << "each frame waits for its refresh period";
}

TEST_F(ViewTest, PaintRendersAFrame)
{
    parent.ShowWindow(SW_SHOWNA);
    ::ValidateRect(view.m_hWnd, nullptr);
    framesBefore = tank.fishRamp;
    ::InvalidateRect(view.m_hWnd, nullptr, FALSE);
    ::UpdateWindow(view.m_hWnd);
    EXPECT_EQ(framesSinceSetUp(), 1);
}

TEST_F(ViewTest, CursorHidesAfterAHundredIdleFramesAndMouseMovementRestartsTheCount)
{
    const HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
    view.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ::SetCursor(arrow);
    for (int i = 0; i < 99; ++i)
        view.renderFrame();
    EXPECT_EQ(::GetCursor(), arrow);
    view.renderFrame();
    EXPECT_EQ(::GetCursor(), nullptr);
    ::SetCursor(arrow);
    view.renderFrame();
    EXPECT_EQ(::GetCursor(), nullptr) << "the count stops once the cursor is hidden";
    view.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(11, 10));
    ::SetCursor(arrow);
    view.renderFrame();
    EXPECT_EQ(::GetCursor(), arrow);
}

TEST_F(ViewTest, TwentyPelletsFillTheWaterAndAFurtherDropIsLost)
{
    for (int drop = 0; drop < 21; ++drop)
        tank.dropFood(static_cast<float>(drop), 0.0f);
    EXPECT_EQ(pelletsInWater(), 20);
    view.renderFrame();
    EXPECT_EQ(pelletsInWater(), 20) << "the pellets sink; none is gone after one frame";
}

TEST_F(ViewTest, FishRampStopsAtFifty)
{
    for (int i = 0; i < 60; ++i)
        view.renderFrame();
    EXPECT_EQ(tank.fishRamp, 50);
}

}  // namespace
