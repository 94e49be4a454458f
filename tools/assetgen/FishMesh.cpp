#include "FishMesh.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalised(Vec3 a) { return a * (1.0 / std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z)); }

// The body's cross-sections, snout to tail: edge row A and inner row B as (x, y, z), the midline C
// as (x, z). Rows D and E are B and A mirrored across y = 0. Column 5 is the widest, where the
// edge rows run out into the pectoral fins.
constexpr double kEdgeRow[kMeshColumns][3] = {
    {-0.49578, 0.04181, -0.00230}, {-0.4216, 0.1085, -0.0090},    {-0.3740, 0.1436, -0.0008},
    {-0.3414, 0.1402, -0.0054},    {-0.3371, 0.1569, -0.0112},    {-0.1600, 0.28295, -0.02908},
    {-0.0519, 0.15483, -0.0211},   {-0.0281, 0.1560, -0.0206},    {0.0157, 0.1709, -0.0204},
    {0.0983, 0.1070, -0.0150},     {0.1518, 0.0594, -0.0104},     {0.2114, 0.0378, -0.0090},
    {0.3144, 0.0250, -0.0090},     {0.3899, 0.0163, -0.0090},
};
constexpr double kInnerRow[kMeshColumns][3] = {
    {-0.49616, 0.02080, -0.00164}, {-0.4437, 0.0523, 0.0204}, {-0.3740, 0.0769, 0.0255},
    {-0.3216, 0.0956, 0.0262},     {-0.3055, 0.1001, 0.0263}, {-0.1752, 0.1599, 0.0096},
    {-0.0677, 0.0835, 0.0189},     {-0.0302, 0.0814, 0.0228}, {0.0121, 0.0810, 0.0161},
    {0.0998, 0.0603, 0.0030},      {0.1522, 0.0302, 0.0120},  {0.2200, 0.0236, 0.0081},
    {0.3301, 0.0157, 0.0026},      {0.4261, 0.0112, -0.0090},
};
constexpr double kMidline[kMeshColumns][2] = {
    {-0.4965, -0.0013}, {-0.4541, 0.0182}, {-0.3746, 0.0403}, {-0.3305, 0.0495},
    {-0.3110, 0.0526},  {-0.1834, 0.06027}, {-0.0829, 0.0563}, {-0.0278, 0.0510},
    {0.0251, 0.0436},   {0.1027, 0.0322},  {0.1512, 0.0258},  {0.2275, 0.0179},
    {0.3458, 0.0085},   {0.4675, -0.0090},
};

// The fins' (root, tip) pairs as (x, z).
struct FinPair {
    double rootX, rootZ, tipX, tipZ;
};
constexpr FinPair kFrontFin[4] = {
    {0.16632, 0.0241, 0.2290, 0.08672},
    {0.1758, 0.0209, 0.2408, 0.0726},
    {0.1885, 0.01955, 0.24520, 0.0542},
    {0.2003, 0.0200, 0.2423, 0.0204},
};
constexpr FinPair kRearFin[4] = {
    {0.26212, 0.0147, 0.3263, 0.06568},
    {0.2705, 0.0118, 0.3296, 0.0588},
    {0.2820, 0.01059, 0.33352, 0.0421},
    {0.2927, 0.0110, 0.3309, 0.0114},
};

// The tail fin: 12 pairs. The roots run straight up the tail stock; the tips sweep from the lower
// lobe's corner round the lower lobe, in to the fork and out round the upper lobe, following a
// shape-preserving cubic through these key tips (pair index, x, z), so that no tip reaches past
// the key tips on either side of it.
constexpr int kTailPairs = 12;
constexpr double kTailRootFirst[2] = {0.36311, -0.0214};
constexpr double kTailRootLast[2] = {0.3646, 0.0075};
constexpr double kTailKeyTips[][3] = {
    {0, 0.47960, -0.08682},  // lower corner
    {2, 0.49976, -0.05600},  // end of the lower lobe, the tail's farthest point
    {6, 0.47380, 0.00240},   // the fork
    {9, 0.49100, 0.05800},   // end of the upper lobe
    {10, 0.47700, 0.07881},  // upper corner, the fin's highest point
    {11, 0.45310, 0.07700},  // leading edge of the upper lobe
};

constexpr double kPi = 3.14159265358979323846;

// How far the fins' free edges billow sideways, at most (their roots sit on the midline).
constexpr double kFinBillow = 0.0065;

// Normals. The upper surface is smooth: each vertex takes the cross product of the loft's tangent
// across the rows and its tangent along the columns (central differences, one-sided at the ends).
// At the snout the surface rounds over into the face and under to the mouth, so the tangent along
// the body at column 0 is taken from this chin point below and ahead of the snout; the snout's
// normals then face forward and up.
constexpr Vec3 kChin{-0.54, 0.0, -0.10};
// The edge rows are a rounded rim, not a crease: their normals lean outward by this much of the
// outward horizontal direction (top and underside alike).
constexpr double kRimLean = 0.46;

enum Row { kRowA, kRowB, kRowC, kRowD, kRowE, kRows };

struct Loft {
    Vec3 p[kRows][kMeshColumns];
};

Loft makeLoft()
{
    Loft loft{};
    for (int c = 0; c < kMeshColumns; ++c) {
        const double* a = kEdgeRow[c];
        const double* b = kInnerRow[c];
        loft.p[kRowA][c] = {a[0], a[1], a[2]};
        loft.p[kRowB][c] = {b[0], b[1], b[2]};
        loft.p[kRowC][c] = {kMidline[c][0], 0.0, kMidline[c][1]};
        loft.p[kRowD][c] = {b[0], -b[1], b[2]};
        loft.p[kRowE][c] = {a[0], -a[1], a[2]};
    }
    return loft;
}

// Difference along the columns at column c: central inside, one-sided at the ends.
Vec3 alongColumns(const Vec3* row, int c)
{
    const int before = c > 0 ? c - 1 : c;
    const int after = c < kMeshColumns - 1 ? c + 1 : c;
    return row[after] - row[before];
}

// The outward horizontal direction of an edge row at column c (away from the midline).
Vec3 rimOutward(const Loft& loft, Row row, int c)
{
    const Vec3 along = alongColumns(loft.p[row], c);
    Vec3 out = normalised(Vec3{-along.y, along.x, 0.0});
    if ((row == kRowA) != (out.y > 0))
        out = out * -1.0;
    return out;
}

Vec3 upperNormal(const Loft& loft, int row, int c)
{
    const Vec3 along = c == 0 ? loft.p[row][1] - kChin : alongColumns(loft.p[row], c);
    const int before = row > kRowA ? row - 1 : row;
    const int after = row < kRowE ? row + 1 : row;
    const Vec3 across = loft.p[after][c] - loft.p[before][c];  // from the +y side toward -y
    Vec3 n = normalised(cross(across, along));
    if (row == kRowA || row == kRowE)
        n = normalised(n + rimOutward(loft, static_cast<Row>(row), c) * kRimLean);
    return n;
}

// The underside is flat across the width; along the body it follows the edge rows' height.
Vec3 undersideNormal(const Loft& loft, Row row, int c)
{
    const Vec3 along = alongColumns(loft.p[kRowA], c);
    const Vec3 across = loft.p[kRowA][c] - loft.p[kRowE][c];  // toward +y
    const Vec3 down = normalised(cross(across, along));
    return normalised(down + rimOutward(loft, row, c) * kRimLean);
}

MeshVertex makeVertex(Vec3 p, Vec3 n, double s, double t)
{
    return {
        float(p.x), float(p.y), float(p.z), float(n.x), float(n.y), float(n.z), float(s), float(t)};
}

MeshVertex upperVertex(const Loft& loft, int row, int c)
{
    const Vec3 p = loft.p[row][c];
    const TextureProjection& tp = kUpperProjection;
    return makeVertex(p, upperNormal(loft, row, c), tp.s0 + tp.scale * p.x, tp.t0 + tp.scale * p.y);
}

MeshVertex undersideVertex(const Loft& loft, Row row, int c)
{
    const Vec3 p = loft.p[row][c];
    const TextureProjection& tp = kUndersideProjection;
    return makeVertex(
        p, undersideNormal(loft, row, c), tp.s0 + tp.scale * p.x, tp.t0 + tp.scale * p.y);
}

// A fin strip from its (root, tip) pairs: roots on the midline, tips billowing sideways most in
// the middle of the fin; normals +y; texture from the fin's swatch.
template <std::size_t N>
void makeFin(std::array<MeshVertex, N>& out, const std::vector<FinPair>& pairs, FinSwatch swatch)
{
    const Vec3 normal{0.0, 1.0, 0.0};
    const int n = static_cast<int>(pairs.size());
    for (int j = 0; j < n; ++j) {
        const double u = double(j) / (n - 1);
        const double s = swatch.sFirst + (swatch.sLast - swatch.sFirst) * u;
        const double billow = kFinBillow * std::sin(kPi * u);
        out[2 * j] = makeVertex({pairs[j].rootX, 0.0, pairs[j].rootZ}, normal, s, kFinRootT);
        out[2 * j + 1] = makeVertex({pairs[j].tipX, billow, pairs[j].tipZ}, normal, s, kFinTipT);
    }
}

// Shape-preserving (Fritsch-Carlson) cubic through the key tips, evaluated at pair index j, for
// component k (1 = x, 2 = z).
double tailTip(double j, int k)
{
    constexpr int keys = sizeof(kTailKeyTips) / sizeof(kTailKeyTips[0]);
    double h[keys - 1], delta[keys - 1], slope[keys];
    for (int i = 0; i + 1 < keys; ++i) {
        h[i] = kTailKeyTips[i + 1][0] - kTailKeyTips[i][0];
        delta[i] = (kTailKeyTips[i + 1][k] - kTailKeyTips[i][k]) / h[i];
    }
    slope[0] = delta[0];
    slope[keys - 1] = delta[keys - 2];
    for (int i = 1; i + 1 < keys; ++i) {
        if (delta[i - 1] * delta[i] <= 0) {
            slope[i] = 0;
        } else {
            const double w1 = 2 * h[i] + h[i - 1];
            const double w2 = h[i] + 2 * h[i - 1];
            slope[i] = (w1 + w2) / (w1 / delta[i - 1] + w2 / delta[i]);
        }
    }
    int i = 0;
    while (i + 2 < keys && j > kTailKeyTips[i + 1][0])
        ++i;
    const double u = (j - kTailKeyTips[i][0]) / h[i];
    const double h00 = (1 + 2 * u) * (1 - u) * (1 - u);
    const double h10 = u * (1 - u) * (1 - u);
    const double h01 = u * u * (3 - 2 * u);
    const double h11 = u * u * (u - 1);
    return h00 * kTailKeyTips[i][k] + h10 * h[i] * slope[i] + h01 * kTailKeyTips[i + 1][k] +
           h11 * h[i] * slope[i + 1];
}

std::vector<FinPair> tailFinPairs()
{
    std::vector<FinPair> pairs;
    for (int j = 0; j < kTailPairs; ++j) {
        const double u = double(j) / (kTailPairs - 1);
        pairs.push_back({kTailRootFirst[0] + (kTailRootLast[0] - kTailRootFirst[0]) * u,
                         kTailRootFirst[1] + (kTailRootLast[1] - kTailRootFirst[1]) * u,
                         tailTip(j, 1), tailTip(j, 2)});
    }
    return pairs;
}

// Linear interpolation of y over a polyline of (x, y) corners with increasing x.
double outlineAt(const std::vector<std::array<double, 2>>& corners, double x)
{
    if (x < corners.front()[0] || x > corners.back()[0])
        return 0.0;
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const auto& a = corners[i];
        const auto& b = corners[i + 1];
        if (x <= b[0])
            return b[0] > a[0] ? a[1] + (b[1] - a[1]) * (x - a[0]) / (b[0] - a[0]) : b[1];
    }
    return 0.0;
}

// The outline seen from above: the snout's front (C, B, A of column 0), the edge row, then the
// tail end (B and C of column 13).
std::vector<std::array<double, 2>> outline(bool withPectoralFins)
{
    std::vector<std::array<double, 2>> corners;
    corners.push_back({kMidline[0][0], 0.0});
    corners.push_back({kInnerRow[0][0], kInnerRow[0][1]});
    for (int c = 0; c < kMeshColumns; ++c)
        if (withPectoralFins || c != 5)
            corners.push_back({kEdgeRow[c][0], kEdgeRow[c][1]});
    corners.push_back({kInnerRow[kMeshColumns - 1][0], kInnerRow[kMeshColumns - 1][1]});
    corners.push_back({kMidline[kMeshColumns - 1][0], 0.0});
    return corners;
}

// The caps' rows, pair by pair. Both close the loop A-B-C-D-E of their column; the snout's faces
// forward (-x), the tail end's, whose rows all lie flat at the underside's height, downward (-z)
// like the underside it continues, so the two walk the loop in opposite directions.
constexpr int kCapColumns[kMeshCaps] = {0, kMeshColumns - 1};
constexpr Row kCapRows[kMeshCaps][kMeshCapVertices] = {
    {kRowA, kRowE, kRowB, kRowD, kRowC, kRowC},
    {kRowE, kRowA, kRowD, kRowB, kRowC, kRowC},
};

void appendVertex(std::string& text, const char* indent, const MeshVertex& v, bool last)
{
    char line[160];
    std::snprintf(line, sizeof line, "{%.6f, %.6f, %.6f, %.6f, %.6f, %.6f, %.6f, %.6f}%s\n",
                  v.x, v.y, v.z, v.nx, v.ny, v.nz, v.s, v.t, last ? "" : ",");
    text += indent;
    text += line;
}

template <std::size_t N>
void appendStrip(std::string& text, const std::string& indent, const char* name,
                 const std::array<MeshVertex, N>& strip, bool last)
{
    text += indent + "{  // " + name + "\n";
    const std::string inner = indent + "  ";
    for (std::size_t i = 0; i < N; ++i)
        appendVertex(text, inner.c_str(), strip[i], i + 1 == N);
    text += indent + (last ? "}\n" : "},\n");
}

}  // namespace

double bodyHalfWidth(double x)
{
    static const std::vector<std::array<double, 2>> corners = outline(true);
    return outlineAt(corners, x);
}

double bodyCoreHalfWidth(double x)
{
    static const std::vector<std::array<double, 2>> corners = outline(false);
    return outlineAt(corners, x);
}

FishMesh buildFishMesh()
{
    const Loft loft = makeLoft();
    FishMesh mesh{};
    // Upper strips A-B, B-C, C-D, D-E.
    for (int strip = 0; strip < 4; ++strip)
        for (int c = 0; c < kMeshColumns; ++c) {
            mesh.body[strip][2 * c] = upperVertex(loft, strip, c);
            mesh.body[strip][2 * c + 1] = upperVertex(loft, strip + 1, c);
        }
    // The underside, E-A.
    for (int c = 0; c < kMeshColumns; ++c) {
        mesh.body[4][2 * c] = undersideVertex(loft, kRowE, c);
        mesh.body[4][2 * c + 1] = undersideVertex(loft, kRowA, c);
    }
    for (int cap = 0; cap < kMeshCaps; ++cap)
        for (int v = 0; v < kMeshCapVertices; ++v)
            mesh.caps[cap][v] = upperVertex(loft, kCapRows[cap][v], kCapColumns[cap]);
    makeFin(mesh.frontFin, {std::begin(kFrontFin), std::end(kFrontFin)}, kFrontFinSwatch);
    makeFin(mesh.rearFin, {std::begin(kRearFin), std::end(kRearFin)}, kRearFinSwatch);
    makeFin(mesh.tailFin, tailFinPairs(), kTailFinSwatch);
    return mesh;
}

std::string fishMeshSource(const FishMesh& mesh)
{
    std::string text =
        "// Generated by assetgen (FishMesh.cpp): the fish's body mesh. Do not edit.\n"
        "// body[5][28][8] (strips A-B, B-C, C-D, D-E, E-A), caps[2][6][8] (snout, tail end),\n"
        "// frontFin[8][8], rearFin[8][8], tailFin[24][8];\n"
        "// every vertex is x, y, z, nx, ny, nz, s, t.\n"
        "{\n  {\n";
    static const char* const stripNames[kMeshBodyStrips] = {
        "strip A-B", "strip B-C", "strip C-D", "strip D-E", "strip E-A (underside)"};
    for (int strip = 0; strip < kMeshBodyStrips; ++strip)
        appendStrip(
            text, "    ", stripNames[strip], mesh.body[strip], strip + 1 == kMeshBodyStrips);
    text += "  },\n  {\n";
    static const char* const capNames[kMeshCaps] = {"snout cap", "tail end cap"};
    for (int cap = 0; cap < kMeshCaps; ++cap)
        appendStrip(text, "    ", capNames[cap], mesh.caps[cap], cap + 1 == kMeshCaps);
    text += "  },\n";
    appendStrip(text, "  ", "front back-fin", mesh.frontFin, false);
    appendStrip(text, "  ", "rear back-fin", mesh.rearFin, false);
    appendStrip(text, "  ", "tail fin", mesh.tailFin, true);
    text += "}\n";
    return text;
}
