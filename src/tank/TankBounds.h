// The tank's swimming volume in world units, derived once from the screen size.
#pragma once

struct TankBounds {
    float xMin = 0, xMax = 0;
    float yMax = 0, yMin = 0;
    float zMin = 0, zMax = 0;
};

// Bounds for a screen of the given size in pixels, widened by the margins every screen gets.
TankBounds tankBoundsForScreen(int width, int height);
