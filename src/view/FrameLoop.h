// The view's frame loop: a window timer that ticks every millisecond, and the pacing of the frames
// its ticks draw. Motion advances by a fixed step per frame, so frames must come at the display's
// rate: the driver's vertical sync where it has one, and the pacer for ticks that come faster.
#pragma once

#include "framework/Wnd.h"
#include "view/FramePacer.h"

#include <functional>

class FrameLoop {
public:
    static constexpr UINT_PTR kTimerId = 1;
    // A timer tick draws at most this many more frames that fall due before the next message.
    static constexpr int kMostFramesBetweenTicks = 6;

    // Starts the timer of `window`; its ticks arrive as WM_TIMER with kTimerId.
    void start(CWnd& window);
    void stop();

    // Asks the driver to present at the display's refresh and paces frames to the same rate.
    // Needs the current rendering context on `dc`.
    void syncToDisplay(HDC dc);
    // Draws no more than `framesPerSecond`, whatever the display's rate.
    void limitRate(double framesPerSecond);

    // Handles one WM_TIMER: runs `tick` once, then again for each frame that falls due before any
    // message arrives, at most kMostFramesBetweenTicks times, so the window's messages still get
    // through regularly.
    void onTimer(const std::function<void()>& tick);

    // Whether the tick running now draws a frame.
    bool frameDue() { return pacer.frameDue(FramePacer::nowMs()); }

    // Drops every tick that queued up for the window while a frame was drawn: frames never pile up.
    void dropQueuedTicks() const;

private:
    // Waits until the next frame is due; false as soon as a message arrives first.
    bool awaitDueFrame() const;

    HWND window = nullptr;                                  // whose timer ticks
    FramePacer pacer{FramePacer::displayRefreshHz(0)};      // 60 Hz until the display says more
};
