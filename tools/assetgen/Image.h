// A 32-bit RGBA canvas in floating point with the few drawing operations the painters need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

class Image {
public:
    Image(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Rgba& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Blends `colour` over the pixel with the given coverage (0..1), ignoring pixels off the canvas.
    void blend(int x, int y, Rgba colour, float coverage);
    // Draws a filled circle with a one-pixel soft edge.
    void fillCircle(float cx, float cy, float radius, Rgba colour);

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// 8-bit channel value of a 0..1 float, rounded and clamped.
std::uint8_t toByte(float value);
