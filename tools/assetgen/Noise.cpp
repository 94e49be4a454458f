#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint32_t mix(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

std::uint32_t hash3(std::uint32_t seed, int a, int b, int c)
{
    std::uint32_t h = mix(seed ^ 0x9e3779b9U);
    h = mix(h ^ static_cast<std::uint32_t>(a));
    h = mix(h ^ static_cast<std::uint32_t>(b) * 0x85ebca6bU);
    return mix(h ^ static_cast<std::uint32_t>(c) * 0xc2b2ae35U);
}

struct Gradient {
    float x, y;
};

// Sixteen evenly spaced unit gradients.
const std::array<Gradient, 16> kGradients = [] {
    std::array<Gradient, 16> table{};
    for (int i = 0; i < 16; ++i) {
        const double angle = i * 3.14159265358979 / 8.0;
        table[i] = {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
    }
    return table;
}();

float fade(float t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

Noise::Noise(std::uint32_t seed) : seed_(seed), permutation_()
{
    for (std::size_t i = 0; i < permutation_.size(); ++i)
        permutation_[i] = static_cast<std::uint16_t>(i);
    for (std::size_t i = permutation_.size() - 1; i > 0; --i)
        std::swap(permutation_[i], permutation_[hash3(seed, static_cast<int>(i), 0, 1) % (i + 1)]);
}

float Noise::at(float x, float y, int period) const
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const float dx = x - fx;
    const float dy = y - fy;
    int ix = static_cast<int>(fx) % period;
    if (ix < 0)
        ix += period;
    const int ix1 = ix + 1 == period ? 0 : ix + 1;
    const int iy = static_cast<int>(fy);
    const std::uint16_t* p = permutation_.data();
    const int row0 = p[iy & 1023];
    const int row1 = p[(iy + 1) & 1023];
    auto corner = [&](int cx, int row, float ox, float oy) {
        const Gradient& g = kGradients[p[(cx + row) & 1023] & 15];
        return g.x * ox + g.y * oy;
    };
    const float n00 = corner(ix, row0, dx, dy);
    const float n10 = corner(ix1, row0, dx - 1, dy);
    const float n01 = corner(ix, row1, dx, dy - 1);
    const float n11 = corner(ix1, row1, dx - 1, dy - 1);
    const float u = fade(dx);
    const float v = fade(dy);
    const float top = n00 + (n10 - n00) * u;
    const float bottom = n01 + (n11 - n01) * u;
    return 1.41f * (top + (bottom - top) * v);
}

float Noise::fractal(float x, float y, int period, int octaves, float gain) const
{
    float sum = 0;
    float amplitude = 1;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * at(x, y + 17.31f * i, period);
        total += amplitude;
        amplitude *= gain;
        x *= 2;
        y *= 2;
        period *= 2;
    }
    return sum / total;
}

float Noise::hash(int a, int b, int c) const
{
    return static_cast<float>(hash3(seed_ ^ 0x5bd1e995U, a, b, c) >> 8) * (1.0f / 16777216.0f);
}

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}
