// Shapes for the small pictures of the interface (the application icon, the menu's icons, the
// cursors), drawn as signed distances in units of the canvas's half-size: (-1, -1) is the top left
// corner, (1, 1) the bottom right, negative values lie inside a shape. Painting turns a distance
// into coverage with a one-pixel soft edge, so every size comes out smooth.
#pragma once

#include "Image.h"

#include <functional>

using Shape = std::function<float(float x, float y)>;

// Blends `colour` over every pixel that `shape` covers.
void paintShape(Image& image, const Shape& shape, Rgba colour);

// An axis-aligned rounded square of half-size `half` with corner radius `radius`.
float roundedSquare(float x, float y, float half, float radius);
// A circle around (cx, cy).
float circle(float x, float y, float cx, float cy, float radius);
// A ring around (cx, cy): the band of the given width centred on the radius.
float ring(float x, float y, float cx, float cy, float radius, float width);
// A stroke of the given width from (x0, y0) to (x1, y1), with round ends.
float stroke(float x, float y, float x0, float y0, float x1, float y1, float width);
// A triangle through three points, in either winding.
float triangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy);
// A fish facing right around (cx, cy), `scale` times the application icon's fish: an elliptic
// body and a forked tail.
float fish(float x, float y, float cx, float cy, float scale);

// The tank's colours, shared by every small picture.
namespace palette {
constexpr Rgba kOrange{1.0f, 0.50f, 0.08f, 1};
constexpr Rgba kWhite{0.97f, 0.97f, 0.95f, 1};
constexpr Rgba kInk{0.08f, 0.06f, 0.10f, 1};
constexpr Rgba kFood{243 / 255.0f, 225 / 255.0f, 159 / 255.0f, 1};
constexpr Rgba kFoam{0.85f, 0.95f, 1.0f, 1};
}  // namespace palette

// The rounded tile of water every interface picture stands on: light near the surface, deep blue
// below.
void paintWaterTile(Image& image);
