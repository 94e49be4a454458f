// The click marker: a small cone spinning in the x-y plane that glides, 1.5 units per frame on
// each axis, toward the point where the user last clicked in the tank.
#pragma once

// Where the marker is drawn in a frame, and turned how far (degrees).
struct MarkerPose {
    float position[3] = {0, 0, 0};
    float spin = 0;
};

class Marker {
public:
    Marker() = default;
    Marker(const Marker&) = delete;
    Marker& operator=(const Marker&) = delete;

    // Puts the marker at (x, y, z) with nowhere to go, and draws it once.
    void place(float x, float y, float z);
    void setTarget(float x, float y, float z);
    // One frame: turns the spin on and glides the marker toward the target; returns the frame's
    // pose, its place before the glide.
    MarkerPose step();
    // Draws `pose` at the current matrix, which it leaves as it found it.
    void draw(const MarkerPose& pose);

    const float* currentPosition() const { return position; }

private:
    // Turns the spin on a step and returns the pose at the marker's place.
    MarkerPose spinInPlace();

    static float spin;  // degrees, shared by every marker: 0.1 more per frame, 0 again past 360
    float start[3] = {0, 0, 0};     // where it was placed
    float target[3] = {0, 0, 0};    // where it glides to
    float position[3] = {0, 0, 0};  // where it is drawn
    unsigned coneList = 0;          // the cone's display list, compiled at the first draw
};
