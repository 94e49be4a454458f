#include "FishSkins.h"

#include "FishMesh.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// Every skin is painted as a function of the point of the fish it lands on: for each texel the
// painter finds the model-space point of the upper surface, the underside or the fin that the
// mesh's texture projections put there (FishMesh.h) and asks the kind's design for its colour.
// The common features (scales, gill cover, eye) are laid over every design the same way.
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSnoutX = -0.4965;
constexpr double kTailX = 0.4675;
// The pectoral fins: the bulge of the edge rows between columns 4 and 6, widest at column 5.
constexpr double kPectoralFrontX = -0.3371;
constexpr double kPectoralBackX = -0.0519;
constexpr double kPectoralTipY = 0.28295;
// The eyes, one on each side of the head.
constexpr double kEyeX = -0.418;
constexpr double kEyeY = 0.064;
constexpr double kEyeRadius = 0.024;
// The edge of the gill cover, a curve across the side behind the eye.
constexpr double kGillX = -0.345;

struct Colour {
    double r, g, b;
};

Colour hex(std::uint32_t rgb)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour times(Colour a, double k) { return {a.r * k, a.g * k, a.b * k}; }

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smooth(double edge0, double edge1, double v)
{
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

// 1 inside |d| < halfWidth, 0 outside, with a soft edge of the given width.
double band(double d, double halfWidth, double soft = 0.006)
{
    return 1.0 - smooth(halfWidth - soft, halfWidth + soft, std::fabs(d));
}

double hash(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double valueNoise(double x, double y, int seed)
{
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = smooth(0, 1, x - ix);
    const double fy = smooth(0, 1, y - iy);
    const double a = hash(ix, iy, seed), b = hash(ix + 1, iy, seed);
    const double c = hash(ix, iy + 1, seed), d = hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

// Spots scattered on a jittered grid: the distance from (x, y) to the nearest spot centre, in
// model units, with the spot's own random value (0..1) for size or colour variation.
struct Spot {
    double distance, value;
};
Spot nearestSpot(double x, double y, double spacing, int seed)
{
    Spot best{1e9, 0};
    const int cx = static_cast<int>(std::floor(x / spacing));
    const int cy = static_cast<int>(std::floor(y / spacing));
    for (int j = cy - 1; j <= cy + 1; ++j)
        for (int i = cx - 1; i <= cx + 1; ++i) {
            const double sx = (i + 0.2 + 0.6 * hash(i, j, seed)) * spacing;
            const double sy = (j + 0.2 + 0.6 * hash(i, j, seed + 7)) * spacing;
            const double d = std::hypot(x - sx, y - sy);
            if (d < best.distance)
                best = {d, hash(i, j, seed + 13)};
        }
    return best;
}

// A point of the body: on the upper surface (the back) or on the underside (the belly).
struct BodyPoint {
    double x, y;  // model position
    double u;     // along the body: 0 at the snout, 1 at the tail end
    double w;     // across the body proper: 0 on the midline, -1 and +1 at the edges
    bool belly;   // on the underside
};

enum class Fin { Front, Rear, Tail, Pectoral };

// A point of a fin: `along` runs along the fin's root (front to back; for the tail fin from the
// lower lobe to the upper), `out` from the root (0) to the free edge (1).
struct FinPoint {
    Fin fin;
    double along, out;
};

struct Design {
    const char* name;
    Colour (*body)(const BodyPoint&);
    Colour (*fin)(const FinPoint&);
    Colour iris;        // ring of the eye around the black pupil
    Colour scaleRim;    // colour that the scales' rear rims are tinted with
    double scaleTint;   // how much of that colour (the rest is a darker shade of the body)
    double scaleDepth;  // how strongly the rims show (0: no visible scales)
    double gillDepth;   // how dark the gill cover's edge is
};

// Back darker than the sides, belly lighter: the usual countershading of a fish.
Colour countershade(const BodyPoint& p, Colour back, Colour side, Colour belly)
{
    const double a = std::fabs(p.w);
    if (p.belly)
        return mix(belly, side, smooth(0.55, 1.05, a));
    return mix(back, side, smooth(0.05, 0.95, a));
}

// Rays of a fin: slightly darker lines running from root to edge.
double finRays(double along, int rays)
{
    const double c = std::cos(2 * kPi * along * rays);
    return 1.0 - 0.13 * c * c * c * c;
}

// Distance of a body point from a band across the body whose centre is at x0 on the midline and
// bows by `bow` toward the tail on the midline (negative: toward the head).
double acrossBand(const BodyPoint& p, double x0, double bow)
{
    return p.x - (x0 + bow * (1 - p.w * p.w));
}

// 0 on and around the eyes, 1 elsewhere: spotted kinds keep a clear ring round each eye.
double awayFromEyes(const BodyPoint& p)
{
    if (p.belly)
        return 1.0;
    const double e = std::hypot(p.x - kEyeX, std::fabs(p.y) - kEyeY);
    return smooth(kEyeRadius + 0.008, kEyeRadius + 0.016, e);
}

// ---- The fifteen kinds ------------------------------------------------------------------------

// 0: clownfish. Orange with three white bands edged in black; fins edged black.
Colour clownBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0xE0520A), hex(0xFF7A1C), hex(0xFFA04A));
    const double d[3] = {acrossBand(p, -0.325, 0.035), acrossBand(p, -0.015, 0.05),
                         acrossBand(p, 0.335, 0.01)};
    const double half[3] = {0.038, 0.045, 0.024};
    for (int i = 0; i < 3; ++i) {
        c = mix(c, hex(0x1A0E0C), band(d[i], half[i] + 0.011, 0.004));
        c = mix(c, hex(0xFBFAF4), band(d[i], half[i], 0.004));
    }
    return c;
}
Colour clownFin(const FinPoint& f)
{
    Colour c = mix(hex(0xF06010), hex(0xFF8A2A), f.out);
    if (f.fin == Fin::Tail)
        c = mix(c, hex(0xFBF8F0), smooth(0.72, 0.78, f.out) * 0.9);
    c = mix(c, hex(0x1A0E0C), smooth(0.80, 0.86, f.out));
    return times(c, finRays(f.along, f.fin == Fin::Tail ? 6 : 3));
}

// 1: blue tang. Royal blue with the black "palette" along each side enclosing a blue oval, yellow
// tail and a yellow wedge on the tail stock.
Colour tangBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0x1650C0), hex(0x2E78E8), hex(0x78B4F4));
    if (p.belly)
        return mix(c, hex(0xB8DC70), smooth(0.8, 0.95, p.u) * 0.6);
    const double a = std::fabs(p.w);
    // The palette: a black sweep from behind the eye to the tail stock...
    double black = band(a - (0.50 + 0.12 * std::sin(kPi * p.u)), 0.30, 0.03) *
                   smooth(0.08, 0.16, p.u) * (1 - smooth(0.80, 0.86, p.u));
    // ...with a blue oval inside it.
    const double oval = std::hypot((p.u - 0.47) / 0.17, (a - 0.62) / 0.17);
    black *= smooth(0.85, 1.0, oval);
    c = mix(c, hex(0x0C0C18), black);
    return mix(c, hex(0xFFD21E), smooth(0.84, 0.88, p.u));
}
Colour tangFin(const FinPoint& f)
{
    if (f.fin == Fin::Tail) {
        Colour c = mix(hex(0xFFD21E), hex(0xFFE050), f.out);
        c = mix(c, hex(0x101018), smooth(0.82, 0.9, f.out) * band(f.along - 0.5, 0.55, 0.1));
        return times(c, finRays(f.along, 6));
    }
    if (f.fin == Fin::Pectoral)
        return mix(hex(0x2E78E8), hex(0xFFD21E), smooth(0.55, 0.8, f.out));
    Colour c = mix(hex(0x1650C0), hex(0x3A8AF0), f.out);
    c = mix(c, hex(0x0C0C18), smooth(0.72, 0.8, f.out));
    return times(mix(c, hex(0x60B0FF), smooth(0.92, 0.98, f.out)), finRays(f.along, 3));
}

// 2: yellow tang. Lemon yellow all over with a white spine on the tail stock.
Colour yellowTangBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0xF4C000), hex(0xFFDC1E), hex(0xFFEA70));
    if (!p.belly) {
        const double spine = std::hypot((p.u - 0.89) / 0.035, (std::fabs(p.w) - 0.6) / 0.22);
        c = mix(c, hex(0xFFFFF4), 1 - smooth(0.8, 1.0, spine));
    }
    return c;
}
Colour yellowTangFin(const FinPoint& f)
{
    return times(
        mix(hex(0xF8C800), hex(0xFFE448), f.out), finRays(f.along, f.fin == Fin::Tail ? 7 : 3));
}

// 3: emperor angelfish. Navy with fine yellow stripes running along the body, a black mask edged
// in pale blue across the eyes, and a golden tail.
Colour angelBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0x10205A), hex(0x1C3C8C), hex(0x3C5CA8));
    const double a = std::fabs(p.w);
    const double stripes = std::fabs(std::fmod(a * 4.5 + 100.5, 1.0) - 0.5);
    c = mix(c, hex(0xFFD83C), band(stripes, 0.14, 0.05) * smooth(0.33, 0.40, p.u) *
                                  (1 - smooth(0.86, 0.9, p.u)) * smooth(0.1, 0.2, a));
    // Mask across the eyes, edged in pale blue.
    const double mask = p.x - (kEyeX + 0.005);
    c = mix(c, hex(0x6CC4FF), band(mask, 0.045, 0.004));
    c = mix(c, hex(0x080A18), band(mask, 0.033, 0.004));
    return mix(c, hex(0xFFC21C), smooth(0.88, 0.93, p.u));
}
Colour angelFin(const FinPoint& f)
{
    if (f.fin == Fin::Tail)
        return times(mix(hex(0xFFB000), hex(0xFFD040), f.out), finRays(f.along, 6));
    if (f.fin == Fin::Pectoral)
        return mix(hex(0x10205A), hex(0xFFC820), smooth(0.4, 0.7, f.out));
    Colour c = mix(hex(0x10205A), hex(0x1C3C8C), f.out);
    const double stripes = std::fabs(std::fmod(f.out * 5 + f.along * 2, 1.0) - 0.5);
    c = mix(c, hex(0xFFD83C), band(stripes, 0.12, 0.06));
    return mix(c, hex(0x8AD4FF), smooth(0.85, 0.92, f.out));
}

// 4: mandarin. Blue and green with wavy orange lines edged dark, orange fins streaked blue.
Colour mandarinBody(const BodyPoint& p)
{
    Colour c = mix(hex(0x1860D0), hex(0x18A890), valueNoise(p.x * 9, p.y * 9, 41));
    if (p.belly)
        c = mix(c, hex(0x40B8A0), 0.3);
    const double n = valueNoise(p.x * 6, p.y * 6, 7) + 0.25 * valueNoise(p.x * 13, p.y * 13, 8);
    const double wave = std::fabs(std::sin(n * 9.0 + p.x * 14));
    c = mix(c, hex(0x0A1430), 1 - smooth(0.30, 0.42, wave));
    c = mix(c, hex(0xFF8020), 1 - smooth(0.18, 0.28, wave));
    if (!p.belly)
        c = times(c, 0.9 + 0.1 * smooth(0.0, 0.9, std::fabs(p.w)));
    return c;
}
Colour mandarinFin(const FinPoint& f)
{
    Colour c = mix(hex(0xF07020), hex(0xFF9030), f.out);
    const double streak = std::fabs(std::sin((f.along * 5 + f.out * 1.5) * kPi));
    c = mix(c, hex(0x1E70D8), 1 - smooth(0.2, 0.35, streak));
    return mix(c, hex(0x1E70D8), smooth(0.88, 0.94, f.out));
}

// 5: butterflyfish. Pearly white crossed by fine dark chevrons, a black bar through the eyes, a
// gold-ringed black eye-spot on the rear of the back, a yellow rear.
Colour butterflyBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0xE8E4D6), hex(0xF8F6EE), hex(0xFFFDF6));
    const double a = std::fabs(p.w);
    const double lines = std::fabs(std::fmod(p.u * 9 + a * 2.8 + 100, 1.0) - 0.5);
    c = mix(c, hex(0x8A8070), band(lines, 0.07, 0.05) * 0.7 * smooth(0.2, 0.25, p.u));
    c = mix(c, hex(0xFFD020), smooth(0.62, 0.78, p.u));
    c = mix(c, hex(0x14100C), band(p.x - kEyeX, 0.035, 0.005));
    if (!p.belly) {
        const double spot = std::hypot(p.x - 0.09, std::fabs(p.y) - 0.05);
        c = mix(c, hex(0xF0B818), band(spot, 0.043, 0.004));
        c = mix(c, hex(0x100C0C), band(spot, 0.032, 0.004));
    }
    return c;
}
Colour butterflyFin(const FinPoint& f)
{
    Colour c = mix(hex(0xFFC818), hex(0xFFDC40), f.out);
    c = mix(c, hex(0x18120C), band(f.out - 0.78, 0.04, 0.02));
    return times(mix(c, hex(0xFFFFFF), smooth(0.86, 0.9, f.out)),
                 finRays(f.along, f.fin == Fin::Tail ? 6 : 3));
}

// 6: neon tetra. Dark olive back, a glowing blue-green line along each side, red on the rear
// belly and flanks, silver in front.
Colour tetraBody(const BodyPoint& p)
{
    const double a = std::fabs(p.w);
    Colour c = countershade(p, hex(0x2A3428), hex(0x46524A), hex(0xE2E8EA));
    const double red = smooth(0.40, 0.48, p.u) * (1 - smooth(0.9, 0.97, p.u));
    if (p.belly)
        return mix(c, hex(0xE0202C), red * (1 - smooth(0.7, 0.95, a) * 0.3));
    c = mix(c, hex(0xD6DEE2), smooth(0.66, 0.74, a));
    c = mix(c, hex(0xE21E2A), smooth(0.62, 0.70, a) * red);
    const double line = band(a - 0.52, 0.09, 0.035) * smooth(0.10, 0.16, p.u) *
                        (1 - smooth(0.72, 0.8, p.u));
    c = mix(c, hex(0x7CF4FF), band(a - 0.52, 0.17, 0.08) * 0.35 * smooth(0.1, 0.16, p.u) *
                                  (1 - smooth(0.72, 0.8, p.u)));
    return mix(c, hex(0x18D0FF), line);
}
Colour tetraFin(const FinPoint& f)
{
    Colour c = mix(hex(0xC4CCC8), hex(0xE4ECEC), f.out);
    if (f.fin == Fin::Tail)
        c = mix(hex(0xD83038), c, smooth(0.0, 0.35, f.out));
    return times(c, finRays(f.along, f.fin == Fin::Tail ? 7 : 3));
}

// 7: moorish idol. Cream and yellow with two broad black bands, an orange saddle on the snout,
// a black tail edged white.
Colour idolBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0xF4EEDA), hex(0xFAF7EC), hex(0xFFFDF6));
    c = mix(c, hex(0xFFD020), smooth(0.42, 0.5, p.u) * (1 - smooth(0.64, 0.7, p.u)) *
                                  (1 - smooth(0.55, 0.85, std::fabs(p.w))));
    c = mix(c, hex(0xFFD020), smooth(0.76, 0.82, p.u));
    const double front = acrossBand(p, -0.37, 0.03);
    const double rear = acrossBand(p, 0.16, 0.03);
    c = mix(c, hex(0xFFFFFF), band(front, 0.078, 0.004));
    c = mix(c, hex(0x0E0C0C), band(front, 0.068, 0.006));
    c = mix(c, hex(0xFFFFFF), band(rear, 0.10, 0.004));
    c = mix(c, hex(0x0E0C0C), band(rear, 0.09, 0.006));
    const double saddle = std::hypot((p.x + 0.49) / 0.05, p.w / 0.55);
    return mix(c, hex(0xF07828), 1 - smooth(0.8, 1.0, saddle));
}
Colour idolFin(const FinPoint& f)
{
    if (f.fin == Fin::Tail)
        return mix(
            times(hex(0x121010), finRays(f.along, 6)), hex(0xFFFFFF), smooth(0.84, 0.9, f.out));
    if (f.fin == Fin::Front)
        return mix(hex(0x121010), hex(0xFFFEF4), smooth(0.25, 0.35, f.out));
    if (f.fin == Fin::Pectoral)
        return mix(hex(0xF4EEDA), hex(0xFFE060), f.out);
    return mix(hex(0x121010), hex(0xFFD020), smooth(0.6, 0.75, f.out));
}

// 8: coral grouper. Deep red, darker on the back, sprinkled with small blue spots ringed dark.
Colour grouperBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0xA8141C), hex(0xE02C28), hex(0xF47058));
    const Spot s = nearestSpot(p.x, p.y, 0.042, p.belly ? 91 : 19);
    const double r = 0.0085 + 0.003 * s.value;
    c = mix(c, hex(0x0A2C7A), band(s.distance, r + 0.003, 0.002) * awayFromEyes(p));
    return mix(c, hex(0x38B4FF), band(s.distance, r, 0.002) * awayFromEyes(p));
}
Colour grouperFin(const FinPoint& f)
{
    Colour c = mix(hex(0xB81C20), hex(0xE0342C), f.out);
    const Spot s = nearestSpot(f.along * 2.0, f.out * 1.2, 0.22, 5);
    c = mix(c, hex(0x38B4FF), band(s.distance, 0.045, 0.02));
    return mix(c, hex(0x1E6CD8), smooth(0.86, 0.92, f.out));
}

// 9: parrotfish. Turquoise green with every scale rimmed in pink, pink lines about the head.
Colour parrotBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0x0E8A86), hex(0x1CC0A0), hex(0x70D8C0));
    c = mix(c, hex(0x3CD078), smooth(0.5, 0.9, p.u) * 0.4);
    if (!p.belly) {
        // Face paint: a pink line from the mouth through the eye and on behind it, another below.
        const double a = std::fabs(p.y);
        const double upper = a - (kEyeY + (p.x - kEyeX) * 0.45);
        const double lower = a - (kEyeY + 0.035 + (p.x - kEyeX) * 0.7);
        const double head = 1 - smooth(-0.33, -0.29, p.x);
        c = mix(c, hex(0xFF70B8), (band(upper, 0.008, 0.003) + band(lower, 0.008, 0.003)) * head);
    }
    const double lip = std::hypot((p.x + 0.49) / 0.03, p.w / 0.5);
    return mix(c, hex(0xFF70B8), 1 - smooth(0.8, 1.0, lip));
}
Colour parrotFin(const FinPoint& f)
{
    Colour c = mix(hex(0xF060A8), hex(0xFF88C0), f.out);
    c = mix(c, hex(0x20C8A8), band(f.out - 0.55, 0.12, 0.05) * (f.fin == Fin::Tail ? 1.0 : 0.6));
    return times(mix(c, hex(0x18B0C8), smooth(0.88, 0.94, f.out)),
        finRays(f.along, f.fin == Fin::Tail ? 6 : 3));
}

// 10: lionfish. Maroon and cream zebra stripes across the body; banded spines, spotted fins.
Colour lionBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0x74140E), hex(0x9A2418), hex(0xC0503C));
    const double wave = p.x + 0.012 * std::sin(p.w * 3.0) + 0.02 * p.w * p.w;
    const double stripes = std::fabs(std::fmod(wave * 15.5 + 100.25, 1.0) - 0.5);
    const double cream = band(stripes, 0.17, 0.06) * smooth(0.06, 0.12, p.u);
    return mix(c, p.belly ? hex(0xFFF4E6) : hex(0xF8ECD8), cream);
}
Colour lionFin(const FinPoint& f)
{
    Colour c = hex(0xF4E8D8);
    if (f.fin == Fin::Tail || f.fin == Fin::Rear) {
        const Spot s = nearestSpot(f.along * 1.6, f.out * 1.6, 0.25, 3);
        return mix(c, hex(0x8A1E14), band(s.distance, 0.07, 0.02));
    }
    const double bands = std::fabs(std::fmod(f.out * 4.5, 1.0) - 0.5);
    return mix(c, hex(0x8A1E14), band(bands, 0.22, 0.05));
}

// 11: royal gramma. Violet-magenta in front fading through to gold behind, a black line through
// the eye and a black spot on the front back-fin.
Colour grammaBody(const BodyPoint& p)
{
    const Colour front = countershade(p, hex(0x7A1490), hex(0xA828B8), hex(0xC060D0));
    const Colour rear = countershade(p, hex(0xF0A800), hex(0xFFC818), hex(0xFFDC60));
    const double t = smooth(0.40, 0.62, p.u + 0.05 * std::sin(p.w * 9) * (1 - std::fabs(p.w)));
    Colour c = mix(front, rear, t);
    if (!p.belly) {
        const double line = std::fabs(p.y) - (kEyeY + (p.x - kEyeX) * 0.3);
        c = mix(c, hex(0x14081C), band(line, 0.008, 0.003) * (1 - smooth(-0.36, -0.34, p.x)));
    }
    return c;
}
Colour grammaFin(const FinPoint& f)
{
    switch (f.fin) {
    case Fin::Front: {
        const Colour c = mix(hex(0x9A20B0), hex(0xC050D8), f.out);
        return mix(c, hex(0x100814), band(std::hypot(f.along - 0.25, f.out - 0.45), 0.3, 0.1));
    }
    case Fin::Pectoral:
        return mix(hex(0xA828B8), hex(0xD070E0), f.out);
    default:
        return times(mix(hex(0xF8B400), hex(0xFFD040), f.out), finRays(f.along, 6));
    }
}

// 12: picasso triggerfish. Sand-coloured back, pale flanks, blue and black bars slanting back
// from the eye, a yellow line from the mouth, three black chevrons on the tail stock.
Colour triggerBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0x9C8452), hex(0xECE6D6), hex(0xF6F2EA));
    const double a = std::fabs(p.w);
    if (p.belly)
        return mix(c, hex(0x282830), band(p.x + 0.08, 0.12, 0.03) * smooth(0.2, 0.4, a) * 0.9);
    // Bars slanting back from the eye: blue, black, blue, black, blue.
    const double slant = p.x - 0.12 * a;
    for (int i = 0; i < 5; ++i) {
        const double d = slant - (-0.40 + 0.03 * i);
        c = mix(c, i % 2 == 0 ? hex(0x2C74E0) : hex(0x141418),
                band(d, 0.0125, 0.003) * smooth(0.30, 0.42, a));
    }
    // A yellow line from the mouth, a dark saddle edged in rust on each flank.
    const double lip = a - (0.45 + (p.x + 0.49) * 1.5);
    c = mix(c, hex(0xFFB818), band(lip, 0.08, 0.02) * (1 - smooth(-0.36, -0.33, p.x)));
    const double saddle = std::hypot((p.x + 0.05) / 0.13, (a - 0.95) / 0.45);
    c = mix(c, hex(0xB05020), band(saddle, 1.0, 0.06));
    c = mix(c, hex(0x1C1C24), band(saddle, 0.85, 0.06));
    for (int i = 0; i < 3; ++i) {
        const double chevron = p.x - (0.20 + 0.045 * i) - 0.08 * a;
        c = mix(c, hex(0x141418), band(chevron, 0.012, 0.004) * smooth(0.15, 0.3, a));
    }
    return c;
}
Colour triggerFin(const FinPoint& f)
{
    Colour c = mix(hex(0xD8CCB0), hex(0xEEE6D4), f.out);
    if (f.fin == Fin::Tail)
        c = mix(c, hex(0x3A3428), smooth(0.8, 0.88, f.out) * 0.8);
    return times(c, finRays(f.along, f.fin == Fin::Tail ? 7 : 3));
}

// 13: yellow boxfish. Golden yellow covered in black dots.
Colour boxfishBody(const BodyPoint& p)
{
    Colour c = countershade(p, hex(0xE8A000), hex(0xFFC808), hex(0xFFE060));
    const Spot s = nearestSpot(p.x, p.y, 0.045, p.belly ? 77 : 29);
    const double r = 0.013 + 0.005 * s.value;
    return mix(c, hex(0x141010), band(s.distance, r, 0.0025) * awayFromEyes(p));
}
Colour boxfishFin(const FinPoint& f)
{
    Colour c = mix(hex(0xFFD000), hex(0xFFE878), f.out);
    if (f.fin == Fin::Tail) {
        const Spot s = nearestSpot(f.along * 2.0, f.out * 1.5, 0.3, 9);
        c = mix(c, hex(0x141010), band(s.distance, 0.05, 0.02));
    }
    return times(c, finRays(f.along, f.fin == Fin::Tail ? 6 : 3));
}

// 14: mackerel. Blue-green back with wavy black bars, silver flanks, white belly.
Colour mackerelBody(const BodyPoint& p)
{
    const double a = std::fabs(p.w);
    Colour c = countershade(p, hex(0x1A6A78), hex(0xC4D0D8), hex(0xF0F4F6));
    c = mix(c, hex(0xD8C8E0), band(a - 0.72, 0.06, 0.05) * 0.5 * (p.belly ? 0 : 1));
    if (!p.belly) {
        c = mix(c, hex(0x1A6A78), 1 - smooth(0.45, 0.62, a));
        const double bars = std::sin(p.x * 62 + 2.5 * std::sin(a * 7.0));
        c = mix(c, hex(0x0A1A20), smooth(0.35, 0.6, bars) * (1 - smooth(0.45, 0.6, a)) *
                                      smooth(0.16, 0.22, p.u));
    }
    return c;
}
Colour mackerelFin(const FinPoint& f)
{
    Colour c = mix(hex(0x4A5A60), hex(0x7A8C92), f.out);
    if (f.fin == Fin::Tail)
        c = mix(hex(0x2A3A40), hex(0x5A6A70), f.out);
    return times(c, finRays(f.along, f.fin == Fin::Tail ? 8 : 3));
}

const Design kDesigns[kFishKinds] = {
    {"clownfish", clownBody, clownFin, hex(0xF0A020), hex(0x9A3008), 0.3, 0.30, 0.45},
    {"blue tang", tangBody, tangFin, hex(0x60A0E0), hex(0x081850), 0.3, 0.25, 0.35},
    {"yellow tang", yellowTangBody, yellowTangFin, hex(0x402800), hex(0xB07800), 0.3, 0.25, 0.30},
    {"emperor angelfish", angelBody, angelFin, hex(0x80C0FF), hex(0x050A20), 0.3, 0.20, 0.10},
    {"mandarin", mandarinBody, mandarinFin, hex(0xE03020), hex(0x081830), 0.3, 0.10, 0.20},
    {"butterflyfish", butterflyBody, butterflyFin, hex(0xD8D0B0), hex(0x807050), 0.3, 0.25, 0.25},
    {"neon tetra", tetraBody, tetraFin, hex(0x90D0F0), hex(0x102018), 0.3, 0.20, 0.25},
    {"moorish idol", idolBody, idolFin, hex(0xD8D0B0), hex(0x807860), 0.3, 0.15, 0.20},
    {"coral grouper", grouperBody, grouperFin, hex(0xD02010), hex(0x500808), 0.3, 0.30, 0.40},
    {"parrotfish", parrotBody, parrotFin, hex(0xFF60A0), hex(0xFF5AB0), 0.9, 0.80, 0.35},
    {"lionfish", lionBody, lionFin, hex(0xC02010), hex(0x400808), 0.3, 0.15, 0.30},
    {"royal gramma", grammaBody, grammaFin, hex(0xFFD020), hex(0x400850), 0.3, 0.25, 0.30},
    {"picasso triggerfish", triggerBody, triggerFin, hex(0x2464C8), hex(0x705830), 0.3, 0.20, 0.35},
    {"yellow boxfish", boxfishBody, boxfishFin, hex(0xD8E0E8), hex(0xB08000), 0.3, 0.20, 0.25},
    {"mackerel", mackerelBody, mackerelFin, hex(0xE0E8F0), hex(0x102830), 0.3, 0.25, 0.40},
};

// ---- Features every fish shares ------------------------------------------------------------

// Overlapping scales: each scale is covered at its front by the scale ahead of it, so what shows
// is its rounded rear rim. Returns how much of the rim colour to lay over the body (0..1).
double scaleRim(double x, double y)
{
    constexpr double spacing = 0.032;
    constexpr double radius = spacing * 0.78;
    const int ci = static_cast<int>(std::floor(x / spacing));
    double rim = 0;
    double frontmost = 1e9;
    for (int i = ci - 1; i <= ci + 2; ++i) {
        const double offset = (i % 2 != 0) ? 0.5 : 0.0;
        const int cj = static_cast<int>(std::floor(y / spacing - offset));
        for (int j = cj - 1; j <= cj + 2; ++j) {
            const double sx = i * spacing;
            const double sy = (j + offset) * spacing;
            const double d = std::hypot(x - sx, y - sy);
            if (d < radius && sx < frontmost && x >= sx - radius * 0.2) {
                frontmost = sx;
                rim = smooth(radius * 0.55, radius, d) *
                      smooth(sx - radius * 0.2, sx + radius * 0.3, x);
            }
        }
    }
    return rim;
}

Colour paintBody(const Design& design, BodyPoint p)
{
    Colour c = design.body(p);
    const double a = std::fabs(p.w);
    // Scales, fading out on the head: their rims a darker shade of the body, tinted.
    const Colour rim = mix(times(c, 0.62), design.scaleRim, design.scaleTint);
    c = mix(c, rim, design.scaleDepth * scaleRim(p.x, p.y) * smooth(-0.36, -0.30, p.x));
    if (p.belly)
        return c;
    // The gill cover's rear edge: a curve bowing back toward the sides.
    const double gill = p.x - (kGillX + 0.05 * a * a);
    c = mix(c, times(c, 0.45), design.gillDepth * band(gill, 0.004, 0.004) * smooth(0.25, 0.4, a));
    // Mouth: the snout's tip a little darker.
    c = times(c, 1.0 - 0.25 * (1 - smooth(-0.493, -0.478, p.x)));
    // The eyes.
    const double e = std::hypot(p.x - kEyeX, std::fabs(p.y) - kEyeY);
    c = mix(c, hex(0x101010), band(e, kEyeRadius, 0.0025));
    c = mix(c, design.iris, band(e, kEyeRadius * 0.78, 0.002));
    c = mix(c, hex(0x040404), band(e, kEyeRadius * 0.48, 0.002));
    const double glint = std::hypot(p.x - (kEyeX - 0.006), std::fabs(p.y) - (kEyeY + 0.005));
    return mix(c, hex(0xFFFFFF), band(glint, kEyeRadius * 0.18, 0.002) * 0.9);
}

Colour paintPectoral(const Design& design, double x, double y)
{
    const double core = bodyCoreHalfWidth(x);
    const double along = (x - kPectoralFrontX) / (kPectoralBackX - kPectoralFrontX);
    const double out = (std::fabs(y) - core) / (kPectoralTipY - core);
    Colour c = design.fin({Fin::Pectoral, clamp01(along), clamp01(out)});
    return times(c, finRays(along, 4));
}

// The split between the upper band (t up to 0.584) and the lower band (from 0.596), on a texel
// boundary so that no texel mixes the two.
const double kBandSplit = std::round(0.59 * kFishSkinHeight) / kFishSkinHeight;

// The colour of texture point (s, t), with s and t in 0..1.
Colour paintTexel(const Design& design, double s, double t)
{
    const double tm = 1.0 + t;  // the mesh's t
    if (t < kBandSplit) {
        const TextureProjection& tp = kUpperProjection;
        const double x = (s - tp.s0) / tp.scale;
        const double y = (tm - tp.t0) / tp.scale;
        const double xc = std::clamp(x, kSnoutX, kTailX);
        const double core = std::max(bodyCoreHalfWidth(xc), 0.012);
        if (std::fabs(y) > core && x > kPectoralFrontX && x < kPectoralBackX)
            return paintPectoral(design, x, y);
        const double u = clamp01((x - kSnoutX) / (kTailX - kSnoutX));
        return paintBody(design, {x, y, u, std::clamp(y / core, -1.0, 1.0), false});
    }
    if (s < 0.72) {
        const TextureProjection& tp = kUndersideProjection;
        const double x = std::min((s - tp.s0) / tp.scale, 0.3899);
        const double y = (tm - tp.t0) / tp.scale;
        const double xc = std::clamp(x, kSnoutX, kTailX);
        const double core = std::max(bodyCoreHalfWidth(xc), 0.012);
        if (std::fabs(y) > core && x > kPectoralFrontX && x < kPectoralBackX)
            return paintPectoral(design, x, y);
        const double u = clamp01((x - kSnoutX) / (kTailX - kSnoutX));
        return paintBody(design, {x, y, u, std::clamp(y / core, -1.0, 1.0), true});
    }
    // Fins: the nearest swatch (texels between swatches belong to the closer one).
    const FinSwatch swatches[3] = {kFrontFinSwatch, kRearFinSwatch, kTailFinSwatch};
    const Fin fins[3] = {Fin::Front, Fin::Rear, Fin::Tail};
    int nearest = 0;
    double nearestDistance = 1e9;
    for (int i = 0; i < 3; ++i) {
        const double d = s < swatches[i].sFirst ? swatches[i].sFirst - s
                         : s > swatches[i].sLast ? s - swatches[i].sLast : 0.0;
        if (d < nearestDistance) {
            nearestDistance = d;
            nearest = i;
        }
    }
    const FinSwatch& sw = swatches[nearest];
    const double along = clamp01((s - sw.sFirst) / (sw.sLast - sw.sFirst));
    const double out = clamp01((tm - kFinRootT) / (kFinTipT - kFinRootT));
    return design.fin({fins[nearest], along, out});
}

}  // namespace

const char* fishKindName(int kind)
{
    return kDesigns[kind].name;
}

Image paintFishSkin(int kind)
{
    const Design& design = kDesigns[kind];
    Image image(kFishSkinWidth, kFishSkinHeight);
    constexpr int samples = 4;  // per side of a texel
    for (int row = 0; row < kFishSkinHeight; ++row) {
        // Image row 0 is the top of the picture, the last row the texture holds (t near 1).
        const int textureRow = kFishSkinHeight - 1 - row;
        for (int column = 0; column < kFishSkinWidth; ++column) {
            Colour sum{0, 0, 0};
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i) {
                    const double s = (column + (i + 0.5) / samples) / kFishSkinWidth;
                    const double t = (textureRow + (j + 0.5) / samples) / kFishSkinHeight;
                    const Colour c = paintTexel(design, s, t);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            const double n = samples * samples;
            image.at(column, row) =
                Rgba{float(sum.r / n), float(sum.g / n), float(sum.b / n), 1.0f};
        }
    }
    return image;
}
