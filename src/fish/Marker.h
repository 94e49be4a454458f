// The click marker: a small cone spinning in the x-y plane that glides, 1.5 units per frame on
// each axis, toward the point where the user last clicked in the tank.
#pragma once

class Marker {
public:
    Marker() = default;
    Marker(const Marker&) = delete;
    Marker& operator=(const Marker&) = delete;

    // Puts the marker at (x, y, z) with nowhere to go, and draws it once.
    void place(float x, float y, float z);
    void setTarget(float x, float y, float z);
    // Draws the marker at the current matrix, then glides it one frame toward the target.
    void drawAndGlide();

    const float* currentPosition() const { return position; }
    // The spin every marker is drawn with, in degrees: 0.1 more per draw, back to 0 past 360.
    static float spinAngle() { return spin; }

private:
    void draw();

    static float spin;
    float start[3] = {0, 0, 0};     // where it was placed
    float target[3] = {0, 0, 0};    // where it glides to
    float position[3] = {0, 0, 0};  // where it is drawn
    unsigned coneList = 0;          // the cone's display list, compiled at the first draw
};
