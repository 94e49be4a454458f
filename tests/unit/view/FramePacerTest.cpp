// Which timer ticks draw a frame: the display's rate on average, whatever the tick.
#include "view/FramePacer.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// Frames drawn in `durationMs` of ticks every `tickMs`, starting at `startMs`.
int framesFor(FramePacer& pacer, double tickMs, double durationMs, double startMs = 0)
{
    int frames = 0;
    for (double now = startMs; now < startMs + durationMs; now += tickMs)
        frames += pacer.frameDue(now) ? 1 : 0;
    return frames;
}

TEST(FramePacer, CoarseAndFineTicksBothYieldTheRefreshRate)
{
    FramePacer tenMs(60);
    EXPECT_NEAR(framesFor(tenMs, 10, 10000), 600, 2) << "Wine's 10 ms timer";
    FramePacer windowsTick(60);
    EXPECT_NEAR(framesFor(windowsTick, 15.625, 10000), 600, 2)
        << "slower ticks than the refresh draw on every tick";
    FramePacer oneMs(60);
    EXPECT_NEAR(framesFor(oneMs, 1, 10000), 600, 2);
    FramePacer fast(144);
    EXPECT_NEAR(framesFor(fast, 1, 10000), 1440, 2);
}

TEST(FramePacer, TicksSlowerThanTheRefreshDrawEveryTickWithoutBuildingDebt)
{
    FramePacer pacer(60);
    EXPECT_EQ(framesFor(pacer, 50, 1000), 20);
    // Back to fast ticks: no burst to catch up on the frames that could not be drawn.
    EXPECT_NEAR(framesFor(pacer, 1, 100, 1000), 6, 1);
}

TEST(FramePacer, AStallRestartsTheScheduleInsteadOfBursting)
{
    FramePacer pacer(60);
    framesFor(pacer, 1, 1000);
    EXPECT_NEAR(framesFor(pacer, 1, 100, 1500), 6, 1);
}

TEST(FramePacer, TellsHowFarTheNextFrameIsBetweenTicks)
{
    FramePacer pacer(60);
    EXPECT_EQ(pacer.msUntilDue(0), 0) << "the first frame is due at once";
    ASSERT_TRUE(pacer.frameDue(100));
    EXPECT_NEAR(pacer.msUntilDue(110), 6.667, 0.001);
    EXPECT_EQ(pacer.msUntilDue(116.667), 0);
    EXPECT_EQ(pacer.msUntilDue(150), 0) << "a late frame is due now, never in the past";

    // Waiting exactly as long as told makes the next frame due: a 12 ms frame on a 10 ms tick
    // grid still keeps one frame per refresh.
    double now = 116.667 + 12;
    ASSERT_TRUE(pacer.frameDue(116.667));
    now += pacer.msUntilDue(now);
    EXPECT_TRUE(pacer.frameDue(now));
    EXPECT_NEAR(now, 133.333, 0.001);
}

TEST(FramePacer, UnknownRefreshRatesCountAsSixtyHertz)
{
    EXPECT_DOUBLE_EQ(FramePacer::displayRefreshHz(0), 60.0);
    EXPECT_DOUBLE_EQ(FramePacer::displayRefreshHz(1), 60.0);
    EXPECT_DOUBLE_EQ(FramePacer::displayRefreshHz(75), 75.0);
    EXPECT_NEAR(FramePacer(FramePacer::displayRefreshHz(0)).periodMs(), 16.667, 0.001);
}

TEST(FramePacer, ClockMovesForward)
{
    const double first = FramePacer::nowMs();
    ::Sleep(20);
    const double second = FramePacer::nowMs();
    EXPECT_GE(second - first, 15.0);
    EXPECT_LT(second - first, 1000.0);
}

}  // namespace
