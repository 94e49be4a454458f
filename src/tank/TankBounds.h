// The tank's swimming volume in world units, derived once from the screen size.
#pragma once

struct TankBounds {
    float xMin = 0, xMax = 0;
    float yMax = 0, yMin = 0;
    float zMin = 0, zMax = 0;
};

// Bounds for a screen of the given size in pixels. A screen the tank was laid out for takes its
// own bounds, widened by the margins every screen gets; any other screen takes the 4:3 tank grown
// to its shape, so that the backdrop covers it from edge to edge.
TankBounds tankBoundsForScreen(int width, int height);
