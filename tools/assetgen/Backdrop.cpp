#include "Backdrop.h"

#include "Noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int W = kBackdropWidth;
constexpr int H = kBackdropHeight;
// How much taller than wide one picture pixel appears on the wall.
constexpr float kTallness = 1.5f;
constexpr float kPi = 3.14159265f;

Rgba rgb(float r, float g, float b)
{
    return {r, g, b, 1};
}

Rgba mix(Rgba a, Rgba b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba scaled(Rgba c, float k)
{
    return {c.r * k, c.g * k, c.b * k, c.a};
}

// Open water at height fraction h (0 at the top of the picture, 1 at the bottom): blue-black from
// the depths above, lighter and greener towards the haze along the reef.
Rgba waterAt(float h)
{
    struct Stop {
        float h;
        Rgba colour;
    };
    static const std::array<Stop, 5> stops{{{0.00f, rgb(0.010f, 0.032f, 0.068f)},
                                            {0.25f, rgb(0.018f, 0.090f, 0.165f)},
                                            {0.50f, rgb(0.045f, 0.205f, 0.300f)},
                                            {0.68f, rgb(0.085f, 0.300f, 0.370f)},
                                            {1.00f, rgb(0.100f, 0.330f, 0.385f)}}};
    if (h <= stops.front().h)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (h <= stops[i].h) {
            const float t = (h - stops[i - 1].h) / (stops[i].h - stops[i - 1].h);
            return mix(stops[i - 1].colour, stops[i].colour, t * t * (3 - 2 * t));
        }
    return stops.back().colour;
}

// What distant things fade into: the water behind them, never darker than at mid-depth.
Rgba hazeAt(float h)
{
    return waterAt(std::max(h, 0.45f) * 0.9f + 0.07f);
}

int wrapX(int x)
{
    x %= W;
    return x < 0 ? x + W : x;
}

class Painter {
public:
    explicit Painter(Image& image) : image_(image) {}

    Image& image() { return image_; }

    // Blends `colour` at (x, y) (x wraps around the width) with the given coverage, after fading it
    // into the haze by `depth` (0 close by, 1 lost in the distance). Inside a layer, the pixel is
    // collected in the layer instead.
    void put(int x, int y, Rgba colour, float coverage, float depth)
    {
        if (y < 0 || y >= H || coverage <= 0)
            return;
        x = wrapX(x);
        const Rgba c = mix(colour, hazeAt((y + 0.5f) / H), depth);
        if (layer_.empty()) {
            image_.blend(x, y, c, coverage);
            return;
        }
        // Where a layer's strokes overlap, the most opaque one wins, so a see-through object is not
        // darker where its own parts cross.
        Rgba& cell = layer_[static_cast<std::size_t>(y) * W + x];
        if (coverage >= cell.a)
            cell = {c.r, c.g, c.b, std::min(coverage, 1.0f)};
        layerTop_ = std::min(layerTop_, y);
        layerBottom_ = std::max(layerBottom_, y);
    }

    // Collects everything painted until endLayer, then lays it over the picture at `opacity`.
    void beginLayer()
    {
        layer_.assign(static_cast<std::size_t>(W) * H, Rgba{0, 0, 0, 0});
        layerTop_ = H;
        layerBottom_ = -1;
    }

    void endLayer(float opacity)
    {
        for (int y = layerTop_; y <= layerBottom_; ++y)
            for (int x = 0; x < W; ++x) {
                const Rgba& cell = layer_[static_cast<std::size_t>(y) * W + x];
                if (cell.a > 0)
                    image_.blend(x, y, {cell.r, cell.g, cell.b, 1}, cell.a * opacity);
            }
        layer_.clear();
    }

private:
    Image& image_;
    std::vector<Rgba> layer_;  // empty when no layer is open
    int layerTop_ = 0, layerBottom_ = -1;
};

// Noise over the picture with `period` cells across its width, round on screen.
float field(const Noise& noise, float x, float y, int period, int octaves, float gain = 0.5f)
{
    const float cell = static_cast<float>(W) / period;
    return noise.fractal(x / cell, y * kTallness / cell, period, octaves, gain);
}

// A point of a stroke's spine in picture pixels, with the stroke's half-width there (in pixels
// across, so a stroke looks equally wide whichever way it runs on screen).
struct Knot {
    float x, y, radius;
};

// Draws a soft-edged stroke along `knots`. shade(along, across) gives the colour (its alpha the
// opacity) at `along` 0..1 from the first knot to the last and `across` -1..1 from one edge to the
// other. Each pixel is painted once, from the spine segment nearest to it.
template <class Shade>
void stroke(Painter& painter, const std::vector<Knot>& knots, float depth, Shade shade)
{
    if (knots.size() < 2)
        return;
    float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
    for (const Knot& k : knots) {
        x0 = std::min(x0, k.x - k.radius - 2);
        x1 = std::max(x1, k.x + k.radius + 2);
        y0 = std::min(y0, k.y - k.radius / kTallness - 2);
        y1 = std::max(y1, k.y + k.radius / kTallness + 2);
    }
    const int left = static_cast<int>(std::floor(x0));
    const int top = static_cast<int>(std::floor(y0));
    const int w = static_cast<int>(std::ceil(x1)) - left + 1;
    const int h = static_cast<int>(std::ceil(y1)) - top + 1;
    struct Best {
        float distance = 1e9f, along = 0, across = 0;
    };
    std::vector<Best> best(static_cast<std::size_t>(w) * h);
    const float segments = static_cast<float>(knots.size() - 1);
    for (std::size_t i = 0; i + 1 < knots.size(); ++i) {
        const Knot& a = knots[i];
        const Knot& b = knots[i + 1];
        const float r = std::max(a.radius, b.radius);
        const int sx0 = static_cast<int>(std::floor(std::min(a.x, b.x) - r - 2)) - left;
        const int sx1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + r + 2)) - left;
        const int sy0 = static_cast<int>(std::floor(std::min(a.y, b.y) - r / kTallness - 2)) - top;
        const int sy1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + r / kTallness + 2)) - top;
        const float ex = b.x - a.x;
        const float ey = (b.y - a.y) * kTallness;
        const float length2 = std::max(ex * ex + ey * ey, 1e-6f);
        for (int y = std::max(0, sy0); y <= std::min(h - 1, sy1); ++y)
            for (int x = std::max(0, sx0); x <= std::min(w - 1, sx1); ++x) {
                const float px = left + x + 0.5f - a.x;
                const float py = (top + y + 0.5f - a.y) * kTallness;
                const float t = std::clamp((px * ex + py * ey) / length2, 0.0f, 1.0f);
                const float dx = px - t * ex;
                const float dy = py - t * ey;
                const float radius = std::max(a.radius + (b.radius - a.radius) * t, 0.05f);
                const float d = std::sqrt(dx * dx + dy * dy) - radius;
                Best& cell = best[static_cast<std::size_t>(y) * w + x];
                if (d < cell.distance) {
                    // Across: the offset at right angles to the spine, so the round ends of the
                    // segments are shaded like the middle of the stroke.
                    const float offset = (ex * py - ey * px) / std::sqrt(length2);
                    cell = {d, (i + t) / segments, std::clamp(offset / radius, -1.0f, 1.0f)};
                }
            }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Best& cell = best[static_cast<std::size_t>(y) * w + x];
            const float coverage = std::clamp(0.5f - cell.distance, 0.0f, 1.0f);
            if (coverage > 0) {
                const Rgba c = shade(cell.along, cell.across);
                painter.put(left + x, top + y, c, coverage * c.a, depth);
            }
        }
}

// ---- The water ---------------------------------------------------------------------------------

void paintWater(Painter& painter)
{
    for (int y = 0; y < H; ++y) {
        const Rgba c = waterAt((y + 0.5f) / H);
        for (int x = 0; x < W; ++x)
            painter.image().at(x, y) = c;
    }
}

// Shafts of light fanning down from the surface far above the middle of the picture, fading with
// depth; the fan is symmetric, so it reads the same mirrored. Returns their brightness, 0..1.
float shaftLight(const Noise& noise, float x, float y)
{
    const float u = x / W - 0.5f;
    const float v = y * kTallness / W;
    const float angle = std::atan2(u, v + 0.55f);
    const float n = noise.fractal(angle * 9.0f + 50.0f, 3.0f + v * 0.35f, 1000, 3, 0.55f);
    const float beams = 0.15f + 0.85f * smoothstep(-0.05f, 0.75f, n);
    const float fall = std::exp(-y / (0.42f * H)) * smoothstep(0.0f, 0.10f, (y + 0.5f) / H + 0.06f);
    // Weaker towards the sides, and gone at the very edges, where the picture wraps around.
    const float sides = (0.35f + 0.65f * std::cos(std::clamp(angle * 1.1f, -kPi / 2, kPi / 2))) *
                        smoothstep(0.0f, 0.08f, 0.5f - std::fabs(u));
    return beams * fall * sides;
}

// Lays the shafts over everything painted so far; `strength` lets them fall more faintly on things
// close by.
void paintShafts(Painter& painter, const Noise& noise, float strength)
{
    const Rgba tint = rgb(0.22f, 0.40f, 0.44f);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float light = shaftLight(noise, static_cast<float>(x), static_cast<float>(y)) * strength;
            if (light <= 0)
                continue;
            Rgba& p = painter.image().at(x, y);
            // Screen blend: brightens without ever passing white.
            p.r = 1 - (1 - p.r) * (1 - tint.r * light);
            p.g = 1 - (1 - p.g) * (1 - tint.g * light);
            p.b = 1 - (1 - p.b) * (1 - tint.b * light);
        }
}

// ---- Reef, rock and sand -----------------------------------------------------------------------

// A reef ridge or rock: filled from its top line `top(x)` down to row `bottom`, each pixel coloured
// by colour(x, y, pixels below the top line).
template <class Top, class Colour>
void paintRidge(Painter& painter, Top top, Colour colour, float depth, int bottom = H)
{
    for (int x = 0; x < W; ++x) {
        const float ridge = top(static_cast<float>(x));
        for (int y = std::max(0, static_cast<int>(ridge)); y < bottom; ++y) {
            const float below = y + 0.5f - ridge;
            const float coverage = std::clamp(below + 0.5f, 0.0f, 1.0f);
            painter.put(x, y, colour(static_cast<float>(x), static_cast<float>(y), below), coverage, depth);
        }
    }
}

// Rock surface colour at (x, y), `below` pixels under the rock's top edge. The surface is a bumpy
// height field lit from straight above: faces turned up are bright, faces turned down dark.
Rgba rockColor(const Noise& noise, float x, float y, float below, float lightScale)
{
    auto height = [&](float py) {
        return field(noise, x, py, 7, 3, 0.5f) + 0.35f * field(noise, x + 50, py, 28, 3, 0.5f);
    };
    const float facing = (height(y + 2.0f) - height(y - 2.0f)) * 3.0f;
    const float mottle = field(noise, x + 300, y, 40, 3);
    const float crevice = 1 - std::fabs(field(noise, x + 700, y, 9, 3));
    Rgba c = mix(rgb(0.17f, 0.20f, 0.20f), rgb(0.27f, 0.27f, 0.24f), 0.5f + 0.5f * mottle);
    // Soft patches of encrusting growth: dull rose, ochre and olive.
    const float growth = field(noise, x + 1500, y, 12, 3);
    const float growth2 = field(noise, x + 2500, y, 16, 3);
    c = mix(c, rgb(0.40f, 0.26f, 0.28f), smoothstep(0.05f, 0.55f, growth) * 0.55f);
    c = mix(c, rgb(0.36f, 0.32f, 0.20f), smoothstep(0.10f, 0.60f, -growth) * 0.45f);
    c = mix(c, rgb(0.22f, 0.29f, 0.19f), smoothstep(0.05f, 0.50f, growth2) * 0.40f);
    c = scaled(c, 1 - 0.35f * smoothstep(0.86f, 0.98f, crevice));
    const float lit = std::clamp(0.85f + facing, 0.5f, 1.35f);
    // The top edge catches the most light; deeper into the rock it falls into shadow.
    const float rim = std::exp(-below / 7.0f);
    c = scaled(c, lightScale * lit * (0.85f + 0.40f * rim) * (1 - 0.40f * smoothstep(0, 220, below)));
    return c;
}

// The sea floor from its far edge `horizon(x)` down, fading into the haze with distance: soft
// ripples across the view, patches of lighter and darker sand, gentle undulations lit from above.
template <class Horizon>
void paintSand(Painter& painter, const Noise& noise, Horizon horizon)
{
    for (int x = 0; x < W; ++x) {
        const float edge = horizon(static_cast<float>(x));
        for (int y = static_cast<int>(edge); y < H; ++y) {
            // Distance into the picture: 1 at the far edge, 0 at the bottom of the picture.
            const float far = std::clamp(1 - (y + 0.5f - edge) / (H - edge), 0.0f, 1.0f);
            const float perspective = 1.0f / (0.06f + (1 - far));
            const float warp = field(noise, x, y * 4.0f, 9, 3);
            const float ripples = std::sin(perspective * 9.0f + warp * 6.0f);
            const float grain = field(noise, x + 911, y, 200, 1);
            const float patches = field(noise, x + 123, y * 3.0f, 7, 3);
            auto dune = [&](float py) { return field(noise, x + 345, py * 3.5f, 5, 2); };
            const float facing = (dune(y + 3.0f) - dune(y - 3.0f)) * 4.0f;
            Rgba c = mix(rgb(0.44f, 0.40f, 0.31f), rgb(0.58f, 0.53f, 0.41f), 0.5f + 0.6f * patches);
            c = scaled(c, (0.92f + 0.08f * ripples * (1 - far * 0.7f) + 0.04f * grain) *
                              std::clamp(1.0f + facing, 0.75f, 1.2f));
            // The far edge melts into the haze over a few pixels.
            const float coverage = std::clamp((y + 1.0f - edge) / 6.0f, 0.0f, 1.0f);
            painter.put(x, y, c, coverage, 0.12f + 0.8f * std::pow(far, 2.0f));
        }
    }
}

// Dappled light on the sand: a faint net of brighter lines, stronger nearer the viewer.
void paintCaustics(Painter& painter, const Noise& noise, float horizon)
{
    for (int y = static_cast<int>(horizon) + 1; y < H; ++y) {
        const float near = (y - horizon) / (H - horizon);
        for (int x = 0; x < W; ++x) {
            const float a = std::fabs(field(noise, x, y * 2.5f, 20, 2));
            const float b = std::fabs(field(noise, x + 500, y * 2.5f, 15, 2));
            const float net = std::pow(1 - std::min(a, b), 10.0f);
            const float light = net * near * near * 0.12f;
            Rgba& p = painter.image().at(x, y);
            p.r += light * 0.85f;
            p.g += light * 0.95f;
            p.b += light * 0.75f;
        }
    }
}

// ---- Living things ---------------------------------------------------------------------------------

// A blade of weed or kelp rising from (x, y), swaying to one side and back.
void paintBlade(Painter& painter, const Noise& noise, float x, float y, float height, float width,
                float lean, float phase, Rgba base, Rgba tip, float depth)
{
    std::vector<Knot> knots;
    const int n = 28;
    for (int i = 0; i <= n; ++i) {
        const float s = static_cast<float>(i) / n;
        const float sway = lean * s * s + 0.12f * height * std::sin(phase + s * 3.2f) * s;
        const float taper = std::sin(std::min(1.0f, s + 0.08f) * kPi * 0.98f);
        knots.push_back({x + sway, y - height * s / kTallness, width * (0.35f + 0.65f * taper) * (1 - 0.6f * s)});
    }
    const float seed = noise.hash(static_cast<int>(x), static_cast<int>(y));
    stroke(painter, knots, depth, [&](float along, float across) {
        Rgba c = mix(base, tip, std::pow(along, 0.8f));
        // Rounded: a lighter midrib, darker edges.
        c = scaled(c, 1.05f - 0.35f * across * across + 0.1f * (seed - 0.5f));
        c.a = 0.92f - 0.25f * along;
        return c;
    });
}

void paintWeedClump(Painter& painter, const Noise& noise, int id, float x, float y, float height,
                    float depth, int blades)
{
    const Rgba base = rgb(0.10f, 0.20f, 0.10f);
    const Rgba tip = rgb(0.38f, 0.50f, 0.22f);
    for (int i = 0; i < blades; ++i) {
        const float r0 = noise.hash(id, i, 1);
        const float r1 = noise.hash(id, i, 2);
        const float r2 = noise.hash(id, i, 3);
        const float bx = x + (r0 - 0.5f) * height * 0.35f;
        const float lean = (r1 - 0.5f) * height * 0.6f;
        paintBlade(painter, noise, bx, y + r2 * 4, height * (0.55f + 0.45f * r2), height * 0.022f + 1.2f,
                   lean, r0 * 6.28f, base, mix(tip, rgb(0.45f, 0.45f, 0.2f), r1 * 0.5f), depth);
    }
}

// A curved limb from (x, y) heading `angle` (0 straight up, positive to the right), bending
// smoothly; returns where it ends and its final heading.
struct LimbEnd {
    float x, y, angle;
};

template <class Shade>
LimbEnd paintLimb(Painter& painter, const Noise& noise, int id, float x, float y, float angle, float length,
                  float radius, float tipRadius, float uprightness, float depth, Shade shade)
{
    std::vector<Knot> knots;
    const int n = std::clamp(static_cast<int>(length / 4), 3, 12);
    const float bend = (noise.hash(id, 1) - 0.5f) * 0.9f;
    float a = angle;
    for (int i = 0; i <= n; ++i) {
        const float s = static_cast<float>(i) / n;
        knots.push_back({x, y, radius + (tipRadius - radius) * s});
        a += (bend - a * uprightness) / n;
        x += std::sin(a) * length / n;
        y -= std::cos(a) * length / n / kTallness;
    }
    stroke(painter, knots, depth, shade);
    return {x, y, a};
}

// A staghorn coral: a bush of round limbs forking upwards from (x, y), paler at the tips.
void paintStagLimb(Painter& painter, const Noise& noise, int id, float x, float y, float angle, float length,
                   float radius, int level, Rgba colour, Rgba tipColor, float depth)
{
    const float tipRadius = radius * 0.85f;
    const LimbEnd end = paintLimb(painter, noise, id, x, y, angle, length, radius, tipRadius, 0.5f, depth,
                                  [&](float along, float across) {
                                      const float toTip = level == 0 ? smoothstep(0.4f, 1.0f, along) : 0.0f;
                                      // Round limbs lit from above and a little from the front.
                                      return scaled(mix(colour, tipColor, toTip), 1.1f - 0.4f * across * across);
                                  });
    if (level == 0)
        return;
    const float spread = 0.35f + 0.3f * noise.hash(id, 9);
    const float tilt = (noise.hash(id, 10) - 0.5f) * 0.4f;
    paintStagLimb(painter, noise, id * 2 + 1, end.x, end.y, end.angle - spread + tilt, length * 0.85f, tipRadius,
                  level - 1, colour, tipColor, depth);
    paintStagLimb(painter, noise, id * 2 + 2, end.x, end.y, end.angle + spread + tilt, length * 0.8f, tipRadius,
                  level - 1, colour, tipColor, depth);
}

void paintStaghorn(Painter& painter, const Noise& noise, int id, float x, float y, float size, Rgba colour,
                   Rgba tipColor, float depth)
{
    const int limbs = 7;
    for (int i = 0; i < limbs; ++i) {
        const float spread = (static_cast<float>(i) / (limbs - 1) - 0.5f) * 2.0f;
        const float angle = spread * 0.95f + (noise.hash(id, i) - 0.5f) * 0.3f;
        paintStagLimb(painter, noise, id * 100 + i, x + spread * size * 0.12f, y, angle,
                      size * (0.30f - 0.08f * std::fabs(spread)), std::max(1.5f, size * 0.035f), 2, colour, tipColor,
                      depth);
    }
}

// A sea fan: a few ribs forking out from a short stem, the space between them filled with a fine
// irregular mesh, in a rounded fan above (x, y). See-through as a whole.
void paintFanRib(Painter& painter, const Noise& noise, int id, float x, float y, float angle, float length,
                 float radius, int level, Rgba colour, float depth)
{
    const LimbEnd end = paintLimb(painter, noise, id, x, y, angle, length, radius, radius * 0.8f, 0.05f, depth,
                                  [&](float, float across) { return scaled(colour, 1.1f - 0.3f * across * across); });
    if (level == 0)
        return;
    const float spread = 0.22f + 0.15f * noise.hash(id, 4);
    paintFanRib(painter, noise, id * 2 + 1, end.x, end.y, end.angle - spread, length * 0.9f, radius * 0.8f, level - 1,
                colour, depth);
    paintFanRib(painter, noise, id * 2 + 2, end.x, end.y, end.angle + spread, length * 0.9f, radius * 0.8f, level - 1,
                colour, depth);
}

void paintFan(Painter& painter, const Noise& noise, int id, float x, float y, float size, Rgba colour, float depth)
{
    painter.beginLayer();
    const float radius = std::min(0.8f + size * 0.01f, 2.6f);
    for (int i = -2; i <= 2; ++i)
        paintFanRib(painter, noise, id * 1000 + i + 5, x + i * size * 0.015f, y, i * 0.5f, size * (0.34f - 0.03f * std::abs(i)),
                    radius, 2, colour, depth);
    // The mesh: thin lines along the zero crossings of a noise, inside a rounded outline.
    const float rx = size * 1.05f;
    const float ry = size / kTallness;
    const float cy = y - ry * 0.12f;
    for (int py = static_cast<int>(cy - ry) - 2; py <= static_cast<int>(y); ++py)
        for (int px = static_cast<int>(x - rx) - 2; px <= static_cast<int>(x + rx) + 2; ++px) {
            const float dx = (px + 0.5f - x) / rx;
            const float dy = (py + 0.5f - cy) / ry;
            const float angle = std::atan2(dx, -dy);
            const float outline = 0.88f + 0.12f * noise.at(angle * 3 + id * 7.0f, 0.5f, 1000);
            const float r = std::sqrt(dx * dx + dy * dy);
            const float inside = smoothstep(outline, outline - 0.08f, r) * smoothstep(0.10f, 0.35f, r) *
                                 smoothstep(1.3f, 0.4f, std::fabs(angle));
            if (inside <= 0)
                continue;
            const float n = field(noise, px + id * 137.0f, py * 1.0f, 75, 2, 0.4f);
            const float line = smoothstep(0.09f, 0.03f, std::fabs(n));
            painter.put(px, py, scaled(colour, 0.85f + 0.2f * (1 - r)), line * inside * 0.85f, depth);
        }
    painter.endLayer(0.9f);
}

// A coral head: a cluster of rounded lumps, each lit from above, sitting on (x, y).
void paintCoralHead(Painter& painter, const Noise& noise, int id, float x, float y, float size, Rgba colour,
                    float depth)
{
    const int lumps = 34;
    for (int i = 0; i < lumps; ++i) {
        const float a = (noise.hash(id, i, 1) - 0.5f) * 2.6f;
        const float d = std::sqrt(noise.hash(id, i, 2)) * size * 0.55f;
        const float r = size * (0.09f + 0.09f * noise.hash(id, i, 3)) * (1 - 0.5f * d / size);
        const float cx = x + std::sin(a) * d;
        const float cy = y - (std::cos(a) * d * 0.8f + r) / kTallness;
        const Rgba tint = mix(colour, scaled(colour, 1.3f), noise.hash(id, i, 4));
        const float ry = r / kTallness;
        for (int py = static_cast<int>(cy - ry) - 1; py <= static_cast<int>(cy + ry) + 1; ++py)
            for (int px = static_cast<int>(cx - r) - 1; px <= static_cast<int>(cx + r) + 1; ++px) {
                const float dx = (px + 0.5f - cx) / r;
                const float dy = (py + 0.5f - cy) / ry;
                const float rr = std::sqrt(dx * dx + dy * dy);
                const float coverage = std::clamp((1 - rr) * r + 0.5f, 0.0f, 1.0f);
                if (coverage <= 0)
                    continue;
                const float nz = std::sqrt(std::max(0.0f, 1 - rr * rr));
                const float polyps = field(noise, px * 1.0f, py * 1.0f, 180, 1);
                const float lit = 0.55f - 0.45f * dy + 0.2f * nz + 0.08f * polyps;
                painter.put(px, py, scaled(tint, lit), coverage, depth);
            }
    }
}

// A rounded boulder coral on the bottom: a dome with meandering grooves, lit from above.
void paintDome(Painter& painter, const Noise& noise, float cx, float baseY, float radius, Rgba colour, float depth)
{
    const float ry = radius * 0.8f / kTallness;
    for (int y = static_cast<int>(baseY - ry) - 1; y <= static_cast<int>(baseY) + 1; ++y)
        for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x) {
            const float dx = (x + 0.5f - cx) / radius;
            const float dy = (y + 0.5f - baseY) / ry;
            const float r = std::sqrt(dx * dx + dy * dy);
            if (dy > 0.05f)
                continue;
            const float coverage = std::clamp((1 - r) * radius + 0.5f, 0.0f, 1.0f) *
                                   std::clamp((0.05f - dy) * ry + 0.5f, 0.0f, 1.0f);
            if (coverage <= 0)
                continue;
            const float nz = std::sqrt(std::max(0.0f, 1 - r * r));
            const float up = -dy;  // the surface faces upwards where high on the dome
            const float lit = 0.45f + 0.45f * up + 0.25f * nz;
            const float grooves = std::fabs(field(noise, x * 1.0f, y * 1.0f, 110, 2));
            Rgba c = scaled(colour, lit * (0.8f + 0.35f * smoothstep(0.02f, 0.25f, grooves)));
            painter.put(x, y, c, coverage, depth);
        }
}

// Tube sponges: a few upright rounded tubes with darker openings.
void paintSponges(Painter& painter, const Noise& noise, int id, float x, float y, float height, Rgba colour, float depth)
{
    for (int i = 0; i < 4; ++i) {
        const float tx = x + (i - 1.5f) * height * 0.16f + (noise.hash(id, i) - 0.5f) * height * 0.08f;
        const float th = height * (0.5f + 0.5f * noise.hash(id, i, 2));
        const float lean = (noise.hash(id, i, 3) - 0.5f) * height * 0.2f;
        std::vector<Knot> knots;
        for (int k = 0; k <= 10; ++k) {
            const float s = k / 10.0f;
            knots.push_back({tx + lean * s * s, y - th * s / kTallness, height * 0.07f * (1 + 0.25f * s)});
        }
        stroke(painter, knots, depth, [&](float along, float across) {
            Rgba c = scaled(colour, 1.0f - 0.35f * across * across + 0.1f * -across);
            c = scaled(c, along > 0.93f ? 0.55f : 0.9f + 0.15f * along);
            return c;
        });
    }
}

// Specks drifting in the water ("marine snow"), faint and sparse, only where light reaches them.
void paintSpecks(Painter& painter, const Noise& noise)
{
    for (int i = 0; i < 160; ++i) {
        const float x = noise.hash(i, 1) * W;
        const float y = H * (0.2f + 0.6f * noise.hash(i, 2));
        const float r = 0.5f + 0.8f * noise.hash(i, 3) * noise.hash(i, 4);
        const float a = (0.06f + 0.14f * noise.hash(i, 5)) * (0.4f + 3.0f * shaftLight(noise, x, y));
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const float d = std::hypot(dx + 0.5f - (x - std::floor(x)), (dy + 0.5f - (y - std::floor(y))) * kTallness);
                const float coverage = std::clamp(r - d + 0.5f, 0.0f, 1.0f) * std::min(a, 0.5f);
                painter.put(static_cast<int>(x) + dx, static_cast<int>(y) + dy, rgb(0.50f, 0.65f, 0.66f), coverage, 0.2f);
            }
    }
}

void finish(Image& image)
{
    // Triangular dither of one step of eight bits against banding in the long gradients, and a floor
    // that keeps every pixel off pure black.
    Noise dither(99);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            Rgba& p = image.at(x, y);
            const float d[3] = {dither.hash(x, y, 0) + dither.hash(x, y, 1) - 1,
                                dither.hash(x, y, 2) + dither.hash(x, y, 3) - 1,
                                dither.hash(x, y, 4) + dither.hash(x, y, 5) - 1};
            p.r = std::clamp(p.r + d[0] / 255.0f, 0.0f, 1.0f);
            p.g = std::clamp(p.g + d[1] / 255.0f, 0.0f, 1.0f);
            p.b = std::clamp(p.b + d[2] / 255.0f, 1.5f / 255.0f, 1.0f);
            p.a = 1;
        }
}

}  // namespace

Image paintBackdropAsSeen()
{
    Image image(W, H);
    Painter painter(image);
    const Noise noise(20240611);

    paintWater(painter);

    // A rounded rise of the given height (fraction of the picture) centred at u, wrapping across
    // the width.
    auto mound = [](float u, float centre, float width, float height, float flatness = 3) {
        float d = std::fabs(u - centre);
        d = std::min(d, 1 - d);
        return height * std::exp(-std::pow(d / width, flatness));
    };

    // Far reef: a long low ridge, almost lost in the haze.
    paintRidge(painter,
               [&](float x) {
                   // A broad reef wall rises on one side, flat-topped with a ragged crest.
                   const float wall = mound(x / W, 0.70f, 0.16f, 1.0f, 4);
                   return H * (0.57f + 0.06f * field(noise, x, 0, 3, 5) - mound(x / W, 0.30f, 0.12f, 0.05f) -
                               0.19f * std::pow(wall, 0.5f) + wall * 0.03f * field(noise, x + 900, 0, 24, 3));
               },
               [&](float x, float y, float below) { return rockColor(noise, x, y, below, 1.0f); }, 0.80f,
               static_cast<int>(H * 0.76f));

    // Middle reef: nearer, taller here and there, with growth of its own.
    auto midTop = [&](float x) {
        const float u = x / W;
        return H * (0.665f + 0.045f * field(noise, x + 2000, 0, 5, 5) - mound(u, 0.62f, 0.08f, 0.07f) -
                    mound(u, 0.04f, 0.07f, 0.06f));
    };
    paintRidge(painter, midTop, [&](float x, float y, float below) { return rockColor(noise, x + 4000, y, below, 1.1f); },
               0.55f, static_cast<int>(H * 0.76f));
    for (int i = 0; i < 12; ++i) {
        const float x = W * (i + noise.hash(i, 50)) / 12.0f;
        const float kind = noise.hash(i, 51);
        if (kind < 0.4f)
            paintWeedClump(painter, noise, 100 + i, x, midTop(x) + 10, H * (0.06f + 0.06f * noise.hash(i, 52)), 0.55f, 5);
        else if (kind < 0.7f)
            paintCoralHead(painter, noise, 200 + i, x, midTop(x) + 4, 16, rgb(0.55f, 0.40f, 0.40f), 0.55f);
        else
            paintFan(painter, noise, 300 + i, x, midTop(x) + 4, 50, rgb(0.50f, 0.25f, 0.40f), 0.55f);
    }

    const float horizon = H * 0.745f;
    paintSand(painter, noise, [&](float x) { return horizon + H * 0.012f * field(noise, x + 3000, 0, 6, 3); });
    paintCaustics(painter, noise, horizon);
    paintShafts(painter, noise, 0.85f);

    // Near rocks: a large outcrop on either side and a low one in between, leaving open water in
    // the middle for the fish to swim against.
    auto nearTop = [&](float x) {
        const float u = x / W;
        const float rise = mound(u, 0.13f, 0.11f, 0.40f, 2.5f) + mound(u, 0.87f, 0.09f, 0.33f) + mound(u, 0.50f, 0.06f, 0.07f) +
                           mound(u, 0.99f, 0.05f, 0.12f);
        return H * (0.95f - rise + 0.045f * field(noise, x + 6000, 0, 10, 5));
    };
    paintRidge(painter, nearTop, [&](float x, float y, float below) { return rockColor(noise, x + 8000, y, below, 1.2f); },
               0.10f);
    paintShafts(painter, noise, 0.2f);

    // Growth on and around the near rocks.
    auto onRock = [&](float u) { return nearTop(W * u) + 5; };
    paintFan(painter, noise, 1, W * 0.09f, onRock(0.09f), H * 0.27f, rgb(0.55f, 0.19f, 0.28f), 0.15f);
    paintFan(painter, noise, 2, W * 0.90f, onRock(0.90f), H * 0.21f, rgb(0.42f, 0.22f, 0.45f), 0.18f);
    paintCoralHead(painter, noise, 10, W * 0.04f, onRock(0.04f), 44, rgb(0.58f, 0.45f, 0.28f), 0.1f);
    paintCoralHead(painter, noise, 11, W * 0.15f, onRock(0.15f), 40, rgb(0.55f, 0.36f, 0.40f), 0.1f);
    paintCoralHead(painter, noise, 12, W * 0.84f, onRock(0.84f), 40, rgb(0.50f, 0.44f, 0.52f), 0.1f);
    paintCoralHead(painter, noise, 13, W * 0.50f, onRock(0.50f), 34, rgb(0.56f, 0.44f, 0.30f), 0.2f);
    paintStaghorn(painter, noise, 20, W * 0.205f, onRock(0.205f) + 4, H * 0.20f, rgb(0.50f, 0.40f, 0.46f),
                  rgb(0.78f, 0.62f, 0.70f), 0.1f);
    paintStaghorn(painter, noise, 21, W * 0.79f, onRock(0.79f) + 4, H * 0.16f, rgb(0.40f, 0.45f, 0.52f),
                  rgb(0.62f, 0.72f, 0.80f), 0.12f);
    paintSponges(painter, noise, 5, W * 0.265f, onRock(0.265f) + 6, H * 0.10f, rgb(0.62f, 0.40f, 0.20f), 0.12f);
    paintDome(painter, noise, W * 0.37f, H * 0.90f, 40, rgb(0.62f, 0.52f, 0.30f), 0.22f);
    paintDome(painter, noise, W * 0.60f, H * 0.84f, 24, rgb(0.52f, 0.44f, 0.46f), 0.35f);
    paintDome(painter, noise, W * 0.68f, H * 0.97f, 52, rgb(0.56f, 0.47f, 0.30f), 0.12f);

    // Weed: tall clumps in front of the rocks and shorter ones on the sand.
    paintWeedClump(painter, noise, 40, W * 0.25f, H * 1.0f, H * 0.62f, 0.04f, 9);
    paintWeedClump(painter, noise, 41, W * 0.745f, H * 1.0f, H * 0.52f, 0.04f, 8);
    paintWeedClump(painter, noise, 42, W * 0.44f, H * 0.95f, H * 0.24f, 0.2f, 6);
    paintWeedClump(painter, noise, 43, W * 0.57f, H * 0.90f, H * 0.18f, 0.3f, 5);
    paintWeedClump(painter, noise, 44, W * 0.965f, H * 1.0f, H * 0.40f, 0.04f, 7);

    paintSpecks(painter, noise);
    finish(image);
    return image;
}

Image paintBackdrop()
{
    const Image seen = paintBackdropAsSeen();
    Image mirrored(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            mirrored.at(x, y) = seen.at(W - 1 - x, y);
    return mirrored;
}
