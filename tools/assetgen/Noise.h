// Smooth gradient noise for the painters: deterministic for a given seed, and periodic across the
// width so that a painted picture wraps around without a seam.
#pragma once

#include <array>
#include <cstdint>

class Noise {
public:
    explicit Noise(std::uint32_t seed);

    // Gradient noise at (x, y), about -1..1, zero on every lattice point; repeats every `period`
    // lattice cells in x (period >= 1).
    float at(float x, float y, int period) const;

    // Fractal sum of `octaves` layers, each at twice the frequency (and twice the period) and `gain`
    // times the amplitude of the one before, scaled back to about -1..1.
    float fractal(float x, float y, int period, int octaves, float gain = 0.5f) const;

    // Uniform value in 0..1 for an integer triple: a hash, for scattering things reproducibly.
    float hash(int a, int b = 0, int c = 0) const;

private:
    std::uint32_t seed_;
    std::array<std::uint16_t, 1024> permutation_;  // a shuffle of 0..1023 picking the gradients
};

// Hermite step from 0 at `edge0` to 1 at `edge1`, clamped.
float smoothstep(float edge0, float edge1, float x);
