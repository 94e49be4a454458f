#include "view/FramePacer.h"

#include <windows.h>

namespace {
constexpr double kUnknownRefreshHz = 60.0;
}

FramePacer::FramePacer(double refreshHz) : periodMs_(1000.0 / refreshHz) {}

bool FramePacer::frameDue(double nowMs)
{
    if (started && nowMs < nextFrameMs)
        return false;
    nextFrameMs = started ? nextFrameMs + periodMs_ : nowMs + periodMs_;
    started = true;
    if (nextFrameMs < nowMs)
        nextFrameMs = nowMs;
    return true;
}

double FramePacer::msUntilDue(double nowMs) const
{
    if (!started || nowMs >= nextFrameMs)
        return 0;
    return nextFrameMs - nowMs;
}

double FramePacer::displayRefreshHz(int reportedHz)
{
    // 0 and 1 stand for the hardware's default rate, which the driver does not name.
    return reportedHz > 1 ? reportedHz : kUnknownRefreshHz;
}

double FramePacer::nowMs()
{
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}
