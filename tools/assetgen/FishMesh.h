// The one mesh every fish is drawn from, built from its cross-section table and written out as C++
// data for the program.
//
// Model space: +x runs from the snout (x = -0.4965) to the tail, y across the width of the body,
// z is its thickness (the program turns z to world up). The body is a loft over 14 columns
// (cross-sections, 0 at the snout) and five rows across the width: edge row A (+y), inner row B,
// midline C (y = 0), inner row D and edge row E (rows D and E mirror B and A). It is stored as five
// quad strips of 14 vertex pairs: A-B, B-C, C-D and D-E make the arched upper surface, E-A the flat
// underside. Two caps close the loft's open ends at the snout (column 0) and the tail end
// (column 13), each a quad strip across its column's rows, so that the body is a closed surface
// whose outside is the front of every quad (counter-clockwise seen from outside) and the drawing
// may cull back faces. Three fins follow, quad strips of (root, tip) pairs in the x-z plane: the
// front back-fin, the rear back-fin and the tail fin.
//
// Texture space (t in 1..2, wrapped by the texture's REPEAT mode):
//   upper surface  a top-down projection, snout at s = 0.009, tail end at s = 0.994, the midline
//                  at t = 1.2949; both axes at the same scale, so the skin is painted undistorted.
//   underside      a top-down projection of its own into s 0.0096..0.633, t 1.596..1.994.
//   fins           one swatch each inside s 0.807..0.994, t 1.596..1.994: s along the fin's root
//                  (from its first pair to its last), t from the root (1.596) to the tip (1.994).
//                  The tail fin, the largest, gets the widest swatch.
#pragma once

#include <array>
#include <string>

struct MeshVertex {
    float x, y, z;     // position
    float nx, ny, nz;  // unit normal
    float s, t;        // texture coordinates
};

constexpr int kMeshColumns = 14;
constexpr int kMeshBodyStrips = 5;
constexpr int kMeshCaps = 2;
constexpr int kMeshCapVertices = 6;  // 3 pairs across the column's five rows

struct FishMesh {
    // Strips A-B, B-C, C-D, D-E, E-A; each alternates its first and second row, column 0 to 13.
    std::array<std::array<MeshVertex, 2 * kMeshColumns>, kMeshBodyStrips> body;
    // The snout's cap on column 0, then the tail end's on column 13. They take the upper surface's
    // normals and texture coordinates at their rows: what shows through an open end is the inside
    // of the upper surface, drawn with just those, so the ends look as they did when open.
    std::array<std::array<MeshVertex, kMeshCapVertices>, kMeshCaps> caps;
    std::array<MeshVertex, 8> frontFin;   // 4 (root, tip) pairs
    std::array<MeshVertex, 8> rearFin;    // 4 (root, tip) pairs
    std::array<MeshVertex, 24> tailFin;   // 12 (root, tip) pairs, from the lower lobe to the upper
};

// A planar texture projection: s = s0 + scale * x, t = t0 + scale * y.
struct TextureProjection {
    double s0, t0, scale;
};

// Upper surface: fitted so that the snout is at s = 0.009 and the widest edges at t = 1.006 and
// 1.584, one texture unit to 0.979 model units.
constexpr TextureProjection kUpperProjection{0.516569, 1.294895, 1.02142};
// Underside: the edge rows' outline (x -0.49578..0.3899, y -0.28295..0.28295) fitted into
// s 0.0096..0.633 and t 1.596..1.994.
constexpr TextureProjection kUndersideProjection{0.0096 + 0.7036 * 0.49578, 1.795, 0.7036};

// The fins' swatches in s (t always runs from kFinRootT at the root to kFinTipT at the tip).
struct FinSwatch {
    double sFirst, sLast;
};
constexpr FinSwatch kFrontFinSwatch{0.807, 0.835};
constexpr FinSwatch kRearFinSwatch{0.845, 0.873};
constexpr FinSwatch kTailFinSwatch{0.884, 0.994};
constexpr double kFinRootT = 1.596;
constexpr double kFinTipT = 1.994;

// Outline of the upper surface seen from above: its half-width at x (linear between the outline's
// corners, 0 ahead of the snout and behind the tail end). The edge rows bulge out to the two
// pectoral fins at column 5; the core outline leaves that bulge out and gives the width of the
// body proper.
double bodyHalfWidth(double x);
double bodyCoreHalfWidth(double x);

FishMesh buildFishMesh();

// The mesh as the text of a C++ brace initialiser for the program's FishBodyMesh, with a header
// comment saying it is generated.
std::string fishMeshSource(const FishMesh& mesh);
