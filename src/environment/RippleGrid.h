// The screen ripple: the finished frame copied into a texture and drawn again over itself on a
// 32 x 32 grid whose texture coordinates up to 100 circular ripples push about, so that the
// picture wobbles like a disturbed water surface around each click.
#pragma once

class RippleGrid {
public:
    static constexpr int kGridPoints = 32;
    static constexpr int kRippleSlots = 100;
    static constexpr int kWavePhases = 256;

    // Takes the size of the picture in pixels and frees every ripple slot.
    void setSize(int screenWidth, int screenHeight);

    // Starts a ripple at (x, y) in pixels, y counted up from the bottom, in the first slot whose
    // last ripple has run its life; with every slot busy, nothing happens.
    void addRipple(int x, int y);

    // Copies the picture into `texture` (at least the picture's size, `textureWidth` x
    // `textureHeight`) and draws it on the grid, a 2 x 2 square around the current origin stretched
    // by (stretchX, stretchY); then moves every ripple one frame on. Only the part of the grid that
    // ripples have moved is copied and drawn: elsewhere the copy would equal the picture.
    void draw(unsigned texture, int textureWidth, int textureHeight, float stretchX,
              float stretchY);

    // One frame of every ripple: each grid point's texture coordinate starts again from its rest
    // place and every ripple pushes it along the line from the ripple's centre.
    void advance();

    // The constant tables: for a step (dn, dc) of grid units (each 0..31), its unit vector and
    // its distance in wave units; and the height of the wave at each phase.
    struct Direction {
        double unitN, unitC;
        int distance;
    };
    static const Direction& direction(int dn, int dc);
    static double wave(int phase);

private:
    struct GridPoint {
        float x, y;    // place in the grid's square, -1..1
        float s, t;    // texture coordinate now
        float s0, t0;  // texture coordinate at rest
    };

    GridPoint points[kGridPoints][kGridPoints] = {};
    int rippleX[kRippleSlots] = {};        // centre of each ripple in grid units, 0..31
    int rippleY[kRippleSlots] = {};
    int rippleAgeOf[kRippleSlots] = {};    // frames since each ripple started (from 4)
    int rippleLifeOf[kRippleSlots] = {};   // age from which each slot may take a new ripple
    int movedLow[2] = {kGridPoints, kGridPoints};  // lowest (n, c) of the points a ripple moves
    int movedHigh[2] = {-1, -1};                   // highest; below movedLow when none moves
    int diagonal = 0;                      // of the picture, in pixels
    int width = 0;                         // of the picture, in pixels
    int height = 0;
};
