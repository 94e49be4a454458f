// The shared fish mesh: its layout, its shape against the body's cross-section table, its
// normals, fins and texture ranges.
#include "fish/FishBodyMesh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

using Mesh = FishBodyMesh;

struct Vec3 {
    double x, y, z;
};

Vec3 position(const float* v)
{
    return {v[Mesh::kPosition], v[Mesh::kPosition + 1], v[Mesh::kPosition + 2]};
}
Vec3 normal(const float* v)
{
    return {v[Mesh::kNormal], v[Mesh::kNormal + 1], v[Mesh::kNormal + 2]};
}
double length(Vec3 a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 minus(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The body's cross-sections: edge row A and inner row B (x, y, z), midline C (x, z), snout to tail.
constexpr double kRowA[14][3] = {
    {-0.4958, 0.0418, -0.0023}, {-0.4216, 0.1085, -0.0090}, {-0.3740, 0.1436, -0.0008},
    {-0.3414, 0.1402, -0.0054}, {-0.3371, 0.1569, -0.0112}, {-0.1600, 0.2829, -0.0291},
    {-0.0519, 0.1548, -0.0211}, {-0.0281, 0.1560, -0.0206}, {0.0157, 0.1709, -0.0204},
    {0.0983, 0.1070, -0.0150},  {0.1518, 0.0594, -0.0104},  {0.2114, 0.0378, -0.0090},
    {0.3144, 0.0250, -0.0090},  {0.3899, 0.0163, -0.0090},
};
constexpr double kRowB[14][3] = {
    {-0.4962, 0.0208, -0.0016}, {-0.4437, 0.0523, 0.0204}, {-0.3740, 0.0769, 0.0255},
    {-0.3216, 0.0956, 0.0262},  {-0.3055, 0.1001, 0.0263}, {-0.1752, 0.1599, 0.0096},
    {-0.0677, 0.0835, 0.0189},  {-0.0302, 0.0814, 0.0228}, {0.0121, 0.0810, 0.0161},
    {0.0998, 0.0603, 0.0030},   {0.1522, 0.0302, 0.0120},  {0.2200, 0.0236, 0.0081},
    {0.3301, 0.0157, 0.0026},   {0.4261, 0.0112, -0.0090},
};
constexpr double kRowC[14][2] = {
    {-0.4965, -0.0013}, {-0.4541, 0.0182}, {-0.3746, 0.0403}, {-0.3305, 0.0495}, {-0.3110, 0.0526},
    {-0.1834, 0.0603},  {-0.0829, 0.0563}, {-0.0278, 0.0510}, {0.0251, 0.0436},  {0.1027, 0.0322},
    {0.1512, 0.0258},   {0.2275, 0.0179},  {0.3458, 0.0085},  {0.4675, -0.0090},
};
// The table is given to four decimals.
constexpr double kTableTolerance = 0.00006;

enum Row { A, B, C, D, E };

Vec3 tableRow(Row row, int c)
{
    switch (row) {
    case A: return {kRowA[c][0], kRowA[c][1], kRowA[c][2]};
    case B: return {kRowB[c][0], kRowB[c][1], kRowB[c][2]};
    case C: return {kRowC[c][0], 0.0, kRowC[c][1]};
    case D: return {kRowB[c][0], -kRowB[c][1], kRowB[c][2]};
    default: return {kRowA[c][0], -kRowA[c][1], kRowA[c][2]};
    }
}

// The rows each strip joins, first and second vertex of each pair.
constexpr Row kStripRows[Mesh::kBodyStrips][2] = {{A, B}, {B, C}, {C, D}, {D, E}, {E, A}};

const float* bodyVertex(int strip, int row, int column)
{
    return fishBodyMesh.body[strip][2 * column + row];
}

struct Range {
    double min = 1e9, max = -1e9;
    void add(double v)
    {
        min = std::min(min, v);
        max = std::max(max, v);
    }
};

}  // namespace

TEST(FishBodyMesh, HoldsFiveBodyStripsOf14PairsTwoCapsAndThreeFinsOfEightFloatsPerVertex)
{
    EXPECT_EQ(28, Mesh::kBodyStripVertices);
    EXPECT_EQ(6, Mesh::kCapVertices);
    EXPECT_EQ(8, Mesh::kFrontFinVertices);
    EXPECT_EQ(8, Mesh::kRearFinVertices);
    EXPECT_EQ(24, Mesh::kTailFinVertices);
    EXPECT_EQ(11, Mesh::kFrontFinColumn);
    EXPECT_EQ(12, Mesh::kRearFinColumn);
    EXPECT_EQ(13, Mesh::kTailFinColumn);
    // 140 body, 12 cap and 40 fin vertices, nothing else in the asset.
    EXPECT_EQ((140 + 12 + 40) * 8 * sizeof(float), sizeof(FishBodyMesh));
}

TEST(FishBodyMesh, BodyAndCapsCloseIntoOneSurfaceThatFacesOutward)
{
    // Every quad of the body and the caps as its outline, corner to corner in drawing order. On a
    // closed surface whose quads all turn the same way, each edge is walked once in each
    // direction, by the two quads that share it: a missing cap leaves edges walked once, a cap
    // wound the wrong way walks them twice in the same direction.
    using Corner = std::array<float, 3>;
    std::map<std::pair<Corner, Corner>, int> walked;
    double volume = 0;
    auto addStrip = [&](const float (*strip)[Mesh::kFloatsPerVertex], int count) {
        for (int i = 0; i + 3 < count; i += 2) {
            const float* quad[4] = {strip[i], strip[i + 1], strip[i + 3], strip[i + 2]};
            for (int k = 0; k < 4; ++k) {
                const float* from = quad[k];
                const float* to = quad[(k + 1) % 4];
                const Corner a{from[0], from[1], from[2]}, b{to[0], to[1], to[2]};
                if (a != b)
                    ++walked[{a, b}];
            }
            // Outward-facing quads enclose a positive volume (the divergence theorem).
            for (const auto& [p, q, r] : {std::array{quad[0], quad[1], quad[2]},
                                           std::array{quad[0], quad[2], quad[3]}})
                volume += dot(position(p), cross(position(q), position(r))) / 6.0;
        }
    };
    for (const auto& strip : fishBodyMesh.body)
        addStrip(strip, Mesh::kBodyStripVertices);
    for (const auto& cap : fishBodyMesh.caps)
        addStrip(cap, Mesh::kCapVertices);

    int unmatched = 0;
    for (const auto& [edge, times] : walked) {
        const auto back = walked.find({edge.second, edge.first});
        const bool matched = times == 1 && back != walked.end() && back->second == 1;
        unmatched += matched ? 0 : 1;
    }
    EXPECT_EQ(0, unmatched) << "of " << walked.size() << " edges";
    EXPECT_GT(volume, 0.0);
}

TEST(FishBodyMesh, EveryStripFollowsTheCrossSectionTableColumnByColumn)
{
    for (int strip = 0; strip < Mesh::kBodyStrips; ++strip)
        for (int c = 0; c < Mesh::kColumns; ++c)
            for (int k = 0; k < 2; ++k) {
                const Vec3 want = tableRow(kStripRows[strip][k], c);
                const Vec3 got = position(bodyVertex(strip, k, c));
                EXPECT_NEAR(want.x, got.x, kTableTolerance)
                    << "strip " << strip << " column " << c << " vertex " << k;
                EXPECT_NEAR(want.y, got.y, kTableTolerance)
                    << "strip " << strip << " column " << c << " vertex " << k;
                EXPECT_NEAR(want.z, got.z, kTableTolerance)
                    << "strip " << strip << " column " << c << " vertex " << k;
            }
}

TEST(FishBodyMesh, SidesMirrorEachOtherExactlyAndTheMidlineIsCentred)
{
    for (int c = 0; c < Mesh::kColumns; ++c) {
        // Row B of strip A-B against row D of strip C-D, row A against row E of strip D-E.
        const float* b = bodyVertex(Mesh::kStripAB, 1, c);
        const float* d = bodyVertex(Mesh::kStripCD, 1, c);
        const float* a = bodyVertex(Mesh::kStripAB, 0, c);
        const float* e = bodyVertex(Mesh::kStripDE, 1, c);
        for (auto [p, q] : {std::pair{b, d}, std::pair{a, e}}) {
            EXPECT_FLOAT_EQ(p[0], q[0]) << c;
            EXPECT_FLOAT_EQ(p[1], -q[1]) << c;
            EXPECT_FLOAT_EQ(p[2], q[2]) << c;
            EXPECT_FLOAT_EQ(p[Mesh::kNormal], q[Mesh::kNormal]) << c;
            EXPECT_FLOAT_EQ(p[Mesh::kNormal + 1], -q[Mesh::kNormal + 1]) << c;
            EXPECT_FLOAT_EQ(p[Mesh::kNormal + 2], q[Mesh::kNormal + 2]) << c;
        }
        EXPECT_EQ(0.0f, bodyVertex(Mesh::kStripBC, 1, c)[1]) << c;
        EXPECT_EQ(0.0f, bodyVertex(Mesh::kStripCD, 0, c)[1]) << c;
    }
}

TEST(FishBodyMesh, WidestAtColumnFiveAndSpanningTheBodysThickness)
{
    Range width, thickness;
    for (const auto& strip : fishBodyMesh.body)
        for (const auto& v : strip) {
            width.add(v[1]);
            thickness.add(v[2]);
        }
    EXPECT_NEAR(-0.28295, width.min, 0.00001);
    EXPECT_NEAR(0.28295, width.max, 0.00001);
    EXPECT_NEAR(0.28295, bodyVertex(Mesh::kStripAB, 0, 5)[1], 0.00001);
    EXPECT_NEAR(0.15483, bodyVertex(Mesh::kStripAB, 0, 6)[1], 0.00001);
    EXPECT_NEAR(-0.02908, thickness.min, 0.00001);
    EXPECT_NEAR(0.06027, thickness.max, 0.00001);
}

TEST(FishBodyMesh, EdgeVerticesAreExactlyThoseOnRowsAAndE)
{
    for (int strip = 0; strip < Mesh::kBodyStrips; ++strip)
        for (int i = 0; i < Mesh::kBodyStripVertices; ++i) {
            const int c = Mesh::column(i);
            const bool onEdge = std::fabs(std::fabs(fishBodyMesh.body[strip][i][1]) - kRowA[c][1]) <
                                kTableTolerance;
            EXPECT_EQ(onEdge, Mesh::isEdgeVertex(strip, i)) << "strip " << strip << " vertex " << i;
        }
}

TEST(FishBodyMesh, NormalsAreUnitAndFaceOutOfTheSurfaceTheyBelongTo)
{
    auto all = [](auto&& each) {
        for (const auto& strip : fishBodyMesh.body)
            for (const auto& v : strip)
                each(v);
        for (const auto& v : fishBodyMesh.frontFin) each(v);
        for (const auto& v : fishBodyMesh.rearFin) each(v);
        for (const auto& v : fishBodyMesh.tailFin) each(v);
    };
    all([](const float* v) { EXPECT_NEAR(1.0, length(normal(v)), 1e-5); });

    // Upper surface up, underside down, whatever the slope of the column.
    for (int strip = 0; strip < Mesh::kBodyStrips; ++strip)
        for (const auto& v : fishBodyMesh.body[strip]) {
            if (strip == Mesh::kStripUnderside) {
                EXPECT_LT(v[Mesh::kNormal + 2], -0.5f) << strip;
            } else {
                EXPECT_GT(v[Mesh::kNormal + 2], 0.0f) << strip;
            }
        }

    // The stored normals agree with each quad's own facing: a swapped row order or a flipped
    // normal shows here. Quad i of a strip is pairs i and i + 1.
    for (int strip = 0; strip < Mesh::kBodyStrips; ++strip)
        for (int i = 0; i + 1 < Mesh::kColumns; ++i) {
            const auto& s = fishBodyMesh.body[strip];
            const Vec3 p0 = position(s[2 * i]), p1 = position(s[2 * i + 1]),
                       p2 = position(s[2 * i + 2]);
            const Vec3 face = cross(minus(p1, p0), minus(p2, p0));
            Vec3 mean{0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                const Vec3 n = normal(s[2 * i + k]);
                mean = {mean.x + n.x, mean.y + n.y, mean.z + n.z};
            }
            EXPECT_GT(dot(face, mean), 0.0) << "strip " << strip << " quad " << i;
        }

    // The fins stand in the x-z plane: their normals are across it, the same way on every fin.
    auto acrossFin = [](const float* v) { EXPECT_FLOAT_EQ(1.0f, v[Mesh::kNormal + 1]); };
    for (const auto& v : fishBodyMesh.frontFin) acrossFin(v);
    for (const auto& v : fishBodyMesh.rearFin) acrossFin(v);
    for (const auto& v : fishBodyMesh.tailFin) acrossFin(v);
}

TEST(FishBodyMesh, FinsSpanTheirExtentsRootsFirst)
{
    struct Extent {
        const float (*vertices)[8];
        int count;
        double xMin, xMax, zMin, zMax;
    };
    const Extent fins[3] = {
        {fishBodyMesh.frontFin, Mesh::kFrontFinVertices, 0.16632, 0.24520, 0.01955, 0.08672},
        {fishBodyMesh.rearFin, Mesh::kRearFinVertices, 0.26212, 0.33352, 0.01059, 0.06568},
        {fishBodyMesh.tailFin, Mesh::kTailFinVertices, 0.36311, 0.49976, -0.08682, 0.07881},
    };
    for (const Extent& fin : fins) {
        Range x, y, z;
        for (int i = 0; i < fin.count; ++i) {
            x.add(fin.vertices[i][0]);
            y.add(fin.vertices[i][1]);
            z.add(fin.vertices[i][2]);
        }
        EXPECT_NEAR(fin.xMin, x.min, 0.00001);
        EXPECT_NEAR(fin.xMax, x.max, 0.00001);
        EXPECT_NEAR(fin.zMin, z.min, 0.00001);
        EXPECT_NEAR(fin.zMax, z.max, 0.00001);
        EXPECT_GE(y.min, 0.0);
        EXPECT_LE(y.max, 0.0065 + 1e-6);
    }

    // Back fins: the (root, tip) pairs as (x, z), to four decimals.
    const double frontPairs[4][4] = {
        {0.1663, 0.0241, 0.2290, 0.0867},
        {0.1758, 0.0209, 0.2408, 0.0726},
        {0.1885, 0.0196, 0.2452, 0.0542},
        {0.2003, 0.0200, 0.2423, 0.0204},
    };
    const double rearPairs[4][4] = {
        {0.2621, 0.0147, 0.3263, 0.0657},
        {0.2705, 0.0118, 0.3296, 0.0588},
        {0.2820, 0.0106, 0.3335, 0.0421},
        {0.2927, 0.0110, 0.3309, 0.0114},
    };
    for (int i = 0; i < 8; ++i) {
        const double* front = &frontPairs[i / 2][2 * (i % 2)];
        const double* rear = &rearPairs[i / 2][2 * (i % 2)];
        EXPECT_NEAR(front[0], fishBodyMesh.frontFin[i][0], kTableTolerance) << i;
        EXPECT_NEAR(front[1], fishBodyMesh.frontFin[i][2], kTableTolerance) << i;
        EXPECT_NEAR(rear[0], fishBodyMesh.rearFin[i][0], kTableTolerance) << i;
        EXPECT_NEAR(rear[1], fishBodyMesh.rearFin[i][2], kTableTolerance) << i;
    }

    // Tail fin: roots up the tail stock, tips sweeping from below, through the fork, to above.
    const auto& tail = fishBodyMesh.tailFin;
    EXPECT_NEAR(0.3631, tail[0][0], kTableTolerance);
    EXPECT_NEAR(-0.0214, tail[0][2], kTableTolerance);
    EXPECT_NEAR(0.3646, tail[22][0], kTableTolerance);
    EXPECT_NEAR(0.0075, tail[22][2], kTableTolerance);
    EXPECT_NEAR(0.4796, tail[1][0], kTableTolerance);
    EXPECT_NEAR(-0.0868, tail[1][2], kTableTolerance);
    EXPECT_NEAR(0.4531, tail[23][0], kTableTolerance);
    EXPECT_NEAR(0.0770, tail[23][2], kTableTolerance);
    bool throughFork = false;
    for (int j = 0; j < 12; ++j) {
        EXPECT_LT(tail[2 * j][0], tail[2 * j + 1][0] - 0.08)
            << "pair " << j << ": the tip lies behind its root";
        if (j > 0) {
            EXPECT_GT(tail[2 * j][2], tail[2 * j - 2][2]) << "roots run up the tail stock";
        }
        throughFork = throughFork ||
                      std::hypot(tail[2 * j + 1][0] - 0.4738, tail[2 * j + 1][2] - 0.0024) < 0.0002;
    }
    EXPECT_TRUE(throughFork);
}

TEST(FishBodyMesh, TextureCoordinatesFillTheirRegionsAndNeedRepeatWrapping)
{
    Range upperS, upperT, underS, underT, finS, finT;
    for (int strip = 0; strip < Mesh::kBodyStrips; ++strip)
        for (const auto& v : fishBodyMesh.body[strip]) {
            (strip == Mesh::kStripUnderside ? underS : upperS).add(v[Mesh::kTexCoord]);
            (strip == Mesh::kStripUnderside ? underT : upperT).add(v[Mesh::kTexCoord + 1]);
        }
    auto addFin = [&](const float (*fin)[8], int count) {
        for (int i = 0; i < count; ++i) {
            finS.add(fin[i][Mesh::kTexCoord]);
            finT.add(fin[i][Mesh::kTexCoord + 1]);
        }
    };
    addFin(fishBodyMesh.frontFin, Mesh::kFrontFinVertices);
    addFin(fishBodyMesh.rearFin, Mesh::kRearFinVertices);
    addFin(fishBodyMesh.tailFin, Mesh::kTailFinVertices);

    // The regions are given to three decimals (0.0096 to four).
    const double tolerance = 0.0006;
    EXPECT_NEAR(0.009, upperS.min, tolerance);
    EXPECT_NEAR(0.994, upperS.max, tolerance);
    EXPECT_NEAR(1.006, upperT.min, tolerance);
    EXPECT_NEAR(1.584, upperT.max, tolerance);
    EXPECT_NEAR(0.0096, underS.min, 0.00006);
    EXPECT_NEAR(0.633, underS.max, tolerance);
    EXPECT_NEAR(1.596, underT.min, tolerance);
    EXPECT_NEAR(1.994, underT.max, tolerance);
    EXPECT_NEAR(0.807, finS.min, tolerance);
    EXPECT_NEAR(0.994, finS.max, tolerance);
    EXPECT_NEAR(1.596, finT.min, tolerance);
    EXPECT_NEAR(1.994, finT.max, tolerance);
}

TEST(FishBodyMesh, SnoutMatchesTheTellingRows)
{
    const float* a = bodyVertex(Mesh::kStripAB, 0, 0);
    const float* b = bodyVertex(Mesh::kStripAB, 1, 0);
    // Positions and texture coordinates are given to five decimals.
    const double given[2][8] = {
        {-0.49578, 0.04181, -0.00230, -0.73458, 0.29959, 0.60880, 0.01017, 1.33760},
        {-0.49616, 0.02080, -0.00164, -0.78417, 0.01584, 0.62034, 0.00978, 1.31614},
    };
    for (int r = 0; r < 2; ++r) {
        const float* v = r == 0 ? a : b;
        for (int k : {0, 1, 2, 6, 7})
            EXPECT_NEAR(given[r][k], v[k], 0.000006) << "row " << r << " float " << k;
        // The normals come from the surface as this mesh builds it, not copied: they agree with the
        // given ones to within a degree. Two degrees is far below anything the lighting shows, and
        // a normal taken from the wrong neighbours, flipped or left unnormalised is far outside it.
        const Vec3 want{given[r][3], given[r][4], given[r][5]};
        const double angle =
            std::acos(std::min(1.0, dot(want, normal(v)) / length(want) / length(normal(v))));
        EXPECT_LT(angle * 180.0 / 3.141592653589793, 2.0) << "row " << r;
    }
    const float* tailEnd = bodyVertex(Mesh::kStripBC, 1, 13);
    EXPECT_NEAR(0.4675, tailEnd[0], 0.00001);
    EXPECT_EQ(0.0f, tailEnd[1]);
    EXPECT_NEAR(-0.0090, tailEnd[2], 0.00001);
}
