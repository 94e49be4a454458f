// Keeps the frame rate at the display's refresh rate. Motion advances by a fixed step per frame, so
// the tank only swims at the same pace everywhere if frames come at the display's rate; the frame
// timer ticks faster than that (every 10 ms or so), and the pacer says which ticks draw a frame and
// how long a frame that falls due between two ticks is away.
#pragma once

class FramePacer {
public:
    explicit FramePacer(double refreshHz);

    // True when a frame is due at `nowMs`; the caller then draws exactly one frame. Frames are
    // scheduled at whole refresh periods, so a coarse tick still yields the display's rate on
    // average; after a stall the schedule restarts rather than bursting to catch up.
    bool frameDue(double nowMs);

    // Milliseconds from `nowMs` until the next frame is due; 0 when it is due already.
    double msUntilDue(double nowMs) const;

    double periodMs() const { return periodMs_; }

    // The display's refresh rate as the driver reports it, or 60 Hz when it reports none.
    static double displayRefreshHz(int reportedHz);

    // A monotonic clock in milliseconds.
    static double nowMs();

private:
    double periodMs_;
    double nextFrameMs = 0;
    bool started = false;
};
