#include "FishRenderer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979;

struct Vec3 {
    double x, y, z;
};

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// A canvas with a depth buffer; pixels no triangle reaches keep alpha 0.
struct Canvas {
    int width, height;
    std::vector<Rgba> pixels;
    std::vector<double> depth;

    Canvas(int w, int h)
        : width(w), height(h), pixels(std::size_t(w) * h, Rgba{0, 0, 0, 0}),
          depth(std::size_t(w) * h, -1e9)
    {
    }
};

Vec3 rotateView(const FishView& view, Vec3 p)
{
    const double yaw = view.yawDegrees * kPi / 180;
    const double elevation = view.elevationDegrees * kPi / 180;
    const Vec3 q{p.x * std::cos(yaw) + p.z * std::sin(yaw), p.y,
                 -p.x * std::sin(yaw) + p.z * std::cos(yaw)};
    return {q.x, q.y * std::cos(elevation) - q.z * std::sin(elevation),
            q.y * std::sin(elevation) + q.z * std::cos(elevation)};
}

// Model space to world space: the program's -90 degree turn about x (model z becomes up).
Vec3 modelToWorld(Vec3 p) { return {p.x, p.z, -p.y}; }

struct ScreenVertex {
    double x, y, z;  // pixels, pixels, depth (larger is nearer)
    Vec3 normal;     // in view space
    double s, t;
};

ScreenVertex project(const Canvas& canvas, const FishView& view, const MeshVertex& v)
{
    const Vec3 p = rotateView(view, modelToWorld({v.x, v.y, v.z}));
    const Vec3 n = rotateView(view, modelToWorld({v.nx, v.ny, v.nz}));
    return {canvas.width / 2.0 + p.x * view.pixelsPerUnit,
            canvas.height / 2.0 - p.y * view.pixelsPerUnit, p.z, n, v.s, v.t};
}

void drawTriangle(Canvas& canvas, const SkinTexture& skin, const ScreenVertex& a,
                  const ScreenVertex& b, const ScreenVertex& c)
{
    const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (std::fabs(area) < 1e-9)
        return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
    const int x1 =
        std::min(canvas.width - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
    const int y1 =
        std::min(canvas.height - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
    const Vec3 light{-0.45, 0.65, 0.62};
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
            const double wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
            const double wc = 1 - wa - wb;
            if (wa < 0 || wb < 0 || wc < 0)
                continue;
            const double z = wa * a.z + wb * b.z + wc * c.z;
            const std::size_t at = std::size_t(y) * canvas.width + x;
            if (z <= canvas.depth[at])
                continue;
            canvas.depth[at] = z;
            const Vec3 n{wa * a.normal.x + wb * b.normal.x + wc * c.normal.x,
                         wa * a.normal.y + wb * b.normal.y + wc * c.normal.y,
                         wa * a.normal.z + wb * b.normal.z + wc * c.normal.z};
            const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
            const double lambert =
                std::fabs(n.x * light.x + n.y * light.y + n.z * light.z) / length;
            const float k = static_cast<float>(std::min(1.15, 0.42 + 0.75 * lambert));
            const Rgba texel =
                skin.sample(wa * a.s + wb * b.s + wc * c.s, wa * a.t + wb * b.t + wc * c.t);
            canvas.pixels[at] = {texel.r * k, texel.g * k, texel.b * k, 1};
        }
}

template <std::size_t N>
void drawStrip(Canvas& canvas, const SkinTexture& skin, const FishView& view,
               const std::array<MeshVertex, N>& strip)
{
    for (std::size_t i = 0; i + 3 < N; i += 2) {
        const ScreenVertex v0 = project(canvas, view, strip[i]);
        const ScreenVertex v1 = project(canvas, view, strip[i + 1]);
        const ScreenVertex v2 = project(canvas, view, strip[i + 2]);
        const ScreenVertex v3 = project(canvas, view, strip[i + 3]);
        drawTriangle(canvas, skin, v0, v1, v2);
        drawTriangle(canvas, skin, v1, v3, v2);
    }
}

}  // namespace

SkinTexture SkinTexture::fromBmp24(const std::vector<std::uint8_t>& bmp)
{
    SkinTexture skin;
    const std::uint32_t offset = read32(bmp, 10);
    skin.width = static_cast<int>(read32(bmp, 18));
    skin.height = static_cast<int>(read32(bmp, 22));
    const std::size_t stride = (static_cast<std::size_t>(skin.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < skin.height; ++y)
        for (int x = 0; x < skin.width; ++x) {
            const std::size_t at = offset + y * stride + x * 3;
            skin.texels.push_back({bmp[at + 2] / 255.0f, bmp[at + 1] / 255.0f, bmp[at] / 255.0f, 1});
        }
    return skin;
}

Rgba SkinTexture::texel(int x, int y) const
{
    x = ((x % width) + width) % width;
    y = ((y % height) + height) % height;
    return texels[static_cast<std::size_t>(y) * width + x];
}

Rgba SkinTexture::sample(double s, double t) const
{
    const double u = s * width - 0.5;
    const double v = t * height - 0.5;
    const int x0 = static_cast<int>(std::floor(u));
    const int y0 = static_cast<int>(std::floor(v));
    const float fx = static_cast<float>(u - x0), fy = static_cast<float>(v - y0);
    const auto lerp = [](Rgba p, Rgba q, float k) {
        return Rgba{p.r + (q.r - p.r) * k, p.g + (q.g - p.g) * k, p.b + (q.b - p.b) * k, 1};
    };
    return lerp(lerp(texel(x0, y0), texel(x0 + 1, y0), fx),
                lerp(texel(x0, y0 + 1), texel(x0 + 1, y0 + 1), fx), fy);
}

Image renderFish(const FishMesh& mesh, const SkinTexture& skin, FishView view, int width,
                 int height)
{
    Canvas big(width * 2, height * 2);
    view.pixelsPerUnit *= 2;
    for (const auto& strip : mesh.body)
        drawStrip(big, skin, view, strip);
    drawStrip(big, skin, view, mesh.frontFin);
    drawStrip(big, skin, view, mesh.rearFin);
    drawStrip(big, skin, view, mesh.tailFin);
    Image out(width, height, Rgba{0, 0, 0, 0});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i) {
                    const Rgba& c = big.pixels[std::size_t(2 * y + j) * big.width + 2 * x + i];
                    sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                }
            // Colour averaged over the covered samples only, coverage as alpha.
            out.at(x, y) = sum.a > 0 ? Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / 4}
                                     : Rgba{0, 0, 0, 0};
        }
    return out;
}
