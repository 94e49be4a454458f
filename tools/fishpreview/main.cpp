// fishpreview OUTPUT_DIR: draws the fish mesh with every kind's skin, as the program would place
// it (model space turned -90 degrees about x, so model z is up), with a small software rasteriser:
// orthographic views from above, from three-quarters above and from the side (as the tank's
// camera mostly sees the fish), lit by one directional light (on both faces, so the thin fins
// show their colour from either side), next to the skin itself. The skin
// goes through the same BMP encoding the program unpacks, and is sampled as OpenGL samples it
// (t = 0 at the first stored row, linear filtering, repeat wrapping). Writes fish<k>.png for each
// kind and kinds.png with the three-quarter views of all of them.
#include "BmpWriter.h"
#include "FishMesh.h"
#include "FishSkins.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Vec3 {
    double x, y, z;
};

struct Colour {
    double r, g, b;
};

// The skin as OpenGL holds it: row 0 is the BMP's first stored row (t = 0).
struct Texture {
    int width = 0, height = 0;
    std::vector<Colour> texels;

    Colour texel(int x, int y) const
    {
        x = ((x % width) + width) % width;
        y = ((y % height) + height) % height;
        return texels[static_cast<std::size_t>(y) * width + x];
    }

    Colour sample(double s, double t) const
    {
        const double u = s * width - 0.5;
        const double v = t * height - 0.5;
        const int x0 = static_cast<int>(std::floor(u));
        const int y0 = static_cast<int>(std::floor(v));
        const double fx = u - x0, fy = v - y0;
        const Colour a = texel(x0, y0), b = texel(x0 + 1, y0);
        const Colour c = texel(x0, y0 + 1), d = texel(x0 + 1, y0 + 1);
        auto lerp = [](Colour p, Colour q, double k) {
            return Colour{p.r + (q.r - p.r) * k, p.g + (q.g - p.g) * k, p.b + (q.b - p.b) * k};
        };
        return lerp(lerp(a, b, fx), lerp(c, d, fx), fy);
    }
};

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

Texture decodeBmp24(const std::vector<std::uint8_t>& bytes)
{
    Texture texture;
    const std::uint32_t offset = read32(bytes, 10);
    texture.width = static_cast<int>(read32(bytes, 18));
    texture.height = static_cast<int>(read32(bytes, 22));
    const std::size_t stride = (static_cast<std::size_t>(texture.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < texture.height; ++y)
        for (int x = 0; x < texture.width; ++x) {
            const std::size_t at = offset + y * stride + x * 3;
            texture.texels.push_back(
                {bytes[at + 2] / 255.0, bytes[at + 1] / 255.0, bytes[at] / 255.0});
        }
    return texture;
}

struct Canvas {
    int width, height;
    std::vector<Colour> pixels;
    std::vector<double> depth;

    Canvas(int w, int h)
        : width(w), height(h), pixels(std::size_t(w) * h), depth(std::size_t(w) * h, -1e9)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double k = double(y) / h;
                pixels[std::size_t(y) * w + x] = {
                    0.05 + 0.05 * k, 0.22 + 0.12 * k, 0.34 + 0.16 * k};
            }
    }
};

// A view: yaw about world up, then elevation (positive looks down on the fish).
struct View {
    double yawDegrees, elevationDegrees, pixelsPerUnit;
};

Vec3 rotateView(const View& view, Vec3 p)
{
    const double yaw = view.yawDegrees * M_PI / 180, elevation = view.elevationDegrees * M_PI / 180;
    const Vec3 q{
        p.x * std::cos(yaw) + p.z * std::sin(yaw), p.y, -p.x * std::sin(yaw) + p.z * std::cos(yaw)};
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

ScreenVertex project(const Canvas& canvas, const View& view, const MeshVertex& v)
{
    const Vec3 p = rotateView(view, modelToWorld({v.x, v.y, v.z}));
    const Vec3 n = rotateView(view, modelToWorld({v.nx, v.ny, v.nz}));
    return {canvas.width / 2.0 + p.x * view.pixelsPerUnit,
        canvas.height / 2.0 - p.y * view.pixelsPerUnit, p.z, n, v.s, v.t};
}

void drawTriangle(Canvas& canvas, const Texture& texture, const ScreenVertex& a,
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
            const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
            // Lit on both faces, so the thin fins show their colour from either side.
            const double lambert = std::fabs(n.x * light.x + n.y * light.y + n.z * light.z) / len;
            const double k = std::min(1.15, 0.42 + 0.75 * lambert);
            const Colour tex =
                texture.sample(wa * a.s + wb * b.s + wc * c.s, wa * a.t + wb * b.t + wc * c.t);
            canvas.pixels[at] = {tex.r * k, tex.g * k, tex.b * k};
        }
}

template <std::size_t N>
void drawStrip(Canvas& canvas, const Texture& texture, const View& view,
    const std::array<MeshVertex, N>& strip)
{
    for (std::size_t i = 0; i + 3 < N; i += 2) {
        const ScreenVertex v0 = project(canvas, view, strip[i]),
                           v1 = project(canvas, view, strip[i + 1]);
        const ScreenVertex v2 = project(canvas, view, strip[i + 2]),
                           v3 = project(canvas, view, strip[i + 3]);
        drawTriangle(canvas, texture, v0, v1, v2);
        drawTriangle(canvas, texture, v1, v3, v2);
    }
}

// Renders one view at twice the size and returns it filtered down.
Canvas renderView(const FishMesh& mesh, const Texture& texture, View view, int width, int height)
{
    Canvas big(width * 2, height * 2);
    view.pixelsPerUnit *= 2;
    for (const auto& strip : mesh.body)
        drawStrip(big, texture, view, strip);
    drawStrip(big, texture, view, mesh.frontFin);
    drawStrip(big, texture, view, mesh.rearFin);
    drawStrip(big, texture, view, mesh.tailFin);
    Canvas out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Colour sum{0, 0, 0};
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i) {
                    const Colour& c = big.pixels[std::size_t(2 * y + j) * big.width + 2 * x + i];
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            out.pixels[std::size_t(y) * width + x] = {sum.r / 4, sum.g / 4, sum.b / 4};
        }
    return out;
}

struct Sheet {
    int width, height;
    std::vector<std::uint8_t> rgb;

    Sheet(int w, int h) : width(w), height(h), rgb(std::size_t(w) * h * 3, 24) {}

    void put(int x, int y, Colour c)
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
        p[0] = static_cast<std::uint8_t>(std::lround(std::clamp(c.r, 0.0, 1.0) * 255));
        p[1] = static_cast<std::uint8_t>(std::lround(std::clamp(c.g, 0.0, 1.0) * 255));
        p[2] = static_cast<std::uint8_t>(std::lround(std::clamp(c.b, 0.0, 1.0) * 255));
    }

    void paste(const Canvas& canvas, int left, int top)
    {
        for (int y = 0; y < canvas.height; ++y)
            for (int x = 0; x < canvas.width; ++x)
                put(left + x, top + y, canvas.pixels[std::size_t(y) * canvas.width + x]);
    }

    // The skin as it is painted (image row 0 at the top, i.e. t = 1 at the top), magnified.
    void pasteTexture(const Texture& texture, int left, int top, int zoom)
    {
        for (int y = 0; y < texture.height * zoom; ++y)
            for (int x = 0; x < texture.width * zoom; ++x)
                put(left + x, top + y, texture.texel(x / zoom, texture.height - 1 - y / zoom));
    }

    bool write(const std::string& path) const
    {
        return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fishpreview OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const FishMesh mesh = buildFishMesh();
    const View top{0, 90, 330}, threeQuarter{-35, 32, 300}, side{0, 8, 330};
    constexpr int panelWidth = 400, panelHeight = 250;
    constexpr int columns = 5;
    Sheet all(columns * panelWidth, (kFishKinds + columns - 1) / columns * panelHeight);
    bool ok = true;
    for (int kind = 0; kind < kFishKinds; ++kind) {
        const Texture texture = decodeBmp24(encodeBmp24(paintFishSkin(kind)));
        Sheet sheet(2 * panelWidth + 2 * texture.width + 8, 2 * panelHeight);
        sheet.paste(renderView(mesh, texture, top, panelWidth, panelHeight), 0, 0);
        sheet.paste(
            renderView(mesh, texture, threeQuarter, panelWidth, panelHeight), panelWidth, 0);
        sheet.paste(renderView(mesh, texture, side, panelWidth, panelHeight), 0, panelHeight);
        Canvas turned = renderView(mesh, texture, View{-70, 10, 330}, panelWidth, panelHeight);
        sheet.paste(turned, panelWidth, panelHeight);
        sheet.pasteTexture(
            texture, 2 * panelWidth + 8, (2 * panelHeight - 2 * texture.height) / 2, 2);
        char name[64];
        std::snprintf(name, sizeof name, "/fish%02d.png", kind);
        ok = sheet.write(dir + name) && ok;
        all.paste(renderView(mesh, texture, threeQuarter, panelWidth, panelHeight),
                  kind % columns * panelWidth, kind / columns * panelHeight);
        std::printf("fish%02d: %s\n", kind, fishKindName(kind));
    }
    ok = all.write(dir + "/kinds.png") && ok;
    return ok ? 0 : 1;
}
