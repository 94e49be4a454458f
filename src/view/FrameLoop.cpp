#include "view/FrameLoop.h"

#include <GL/gl.h>

#include <cmath>

namespace {
constexpr UINT kTimerPeriodMs = 1;
}  // namespace

void FrameLoop::start(CWnd& timerWindow)
{
    window = timerWindow.m_hWnd;
    timerWindow.SetTimer(kTimerId, kTimerPeriodMs);
}

void FrameLoop::stop()
{
    if (window != nullptr)
        ::KillTimer(window, kTimerId);
}

void FrameLoop::syncToDisplay(HDC dc)
{
    using SwapIntervalProc = BOOL(WINAPI*)(int);
    // An extension entry point comes back as a generic PROC; void(*)() is the sanctioned go-between.
    const auto setSwapInterval = reinterpret_cast<SwapIntervalProc>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT")));
    if (setSwapInterval != nullptr)
        setSwapInterval(1);
    pacer = FramePacer(FramePacer::displayRefreshHz(::GetDeviceCaps(dc, VREFRESH)));
}

void FrameLoop::limitRate(double framesPerSecond)
{
    if (1000.0 / framesPerSecond > pacer.periodMs())
        pacer = FramePacer(framesPerSecond);
}

void FrameLoop::onTimer(const std::function<void()>& tick)
{
    tick();
    // The drain has just pushed the timer's next tick back by up to a whole timer period (10 ms
    // under Wine): waiting for it would hold every frame to that coarse grid, 50 frames a second
    // instead of 60 when a frame takes more than 10 ms, and a pause after every late frame. So
    // the frames that fall due before anything else arrives are drawn here, a few at most, so
    // that the handler returns to the message loop regularly even when nothing arrives.
    for (int frame = 0; frame < kMostFramesBetweenTicks && awaitDueFrame(); ++frame)
        tick();
}

bool FrameLoop::awaitDueFrame() const
{
    // Any message, the timer's own tick included, ends the wait at once: input never waits for
    // a frame that is not yet due.
    const double waitMs = std::ceil(pacer.msUntilDue(FramePacer::nowMs()));
    return ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(waitMs), QS_ALLINPUT,
                                         MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT;
}

void FrameLoop::dropQueuedTicks() const
{
    MSG pending;
    while (::PeekMessageA(&pending, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
}
