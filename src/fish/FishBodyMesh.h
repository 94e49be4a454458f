// The one mesh every fish is drawn from: a flattened body lofted over 14 cross-sections (columns,
// 0 at the snout, 13 at the tail) and five rows across its width, plus three fins. The data is
// made by the asset generator and compiled in.
//
// Model space: +x from the snout (x = -0.4965) to the tail (x = +0.4998), y across the width
// (edges at y = +-0.28295), z the thickness; drawing turns z to world up. Every vertex is eight
// floats: position x, y, z; unit normal x, y, z; texture s, t. All t lie in 1..2 and rely on the
// texture's default REPEAT wrapping.
//
// Body: five quad strips of 14 vertex pairs, each strip alternating its first and second row,
// column by column from 0 to 13. Rows across the width: A (edge, +y), B (inner, +y), C (midline),
// D (inner, -y), E (edge, -y). The strips A-B, B-C, C-D, D-E are the arched upper surface; E-A is
// the flat underside with its own, downward, normals and its own texture region.
// Caps: two quad strips of 3 pairs that close the body's open ends, the snout's across column 0
// and the tail end's across column 13, each turned and bent with its column. With them the body
// is a closed surface whose every quad is counter-clockwise seen from outside, so its back faces
// can be culled without a hole. They take the upper surface's normals and texture coordinates.
// Fins: quad strips of (root, tip) pairs in the x-z plane, roots first, each drawn with the angle
// and bend of the column that drives it.
#pragma once

struct FishBodyMesh {
    static constexpr int kColumns = 14;
    static constexpr int kBodyStrips = 5;
    static constexpr int kBodyStripVertices = 2 * kColumns;
    static constexpr int kCaps = 2;
    static constexpr int kCapVertices = 6;         // 3 pairs across the column's five rows
    static constexpr int kFrontFinVertices = 8;   // 4 (root, tip) pairs
    static constexpr int kRearFinVertices = 8;    // 4 (root, tip) pairs
    static constexpr int kTailFinVertices = 24;   // 12 (root, tip) pairs
    static constexpr int kFloatsPerVertex = 8;

    // Where the parts of a vertex start among its eight floats.
    static constexpr int kPosition = 0;
    static constexpr int kNormal = 3;
    static constexpr int kTexCoord = 6;

    // The columns the caps stand on: the snout's, then the tail end's.
    static constexpr int kCapColumns[kCaps] = {0, kColumns - 1};
    // The columns whose angle and bend move each fin.
    static constexpr int kFrontFinColumn = 11;
    static constexpr int kRearFinColumn = 12;
    static constexpr int kTailFinColumn = 13;

    // The body strips, in the order they are stored and drawn.
    enum BodyStrip { kStripAB, kStripBC, kStripCD, kStripDE, kStripUnderside };

    // The column of vertex `vertex` of a body strip.
    static constexpr int column(int vertex) { return vertex / 2; }

    // Whether vertex `vertex` of body strip `strip` lies on an edge row (A or E): the first vertex
    // of each pair in A-B, the second in D-E, both in the underside.
    static constexpr bool isEdgeVertex(int strip, int vertex)
    {
        return strip == kStripUnderside || (strip == kStripAB && vertex % 2 == 0) ||
               (strip == kStripDE && vertex % 2 == 1);
    }

    float body[kBodyStrips][kBodyStripVertices][kFloatsPerVertex];
    float caps[kCaps][kCapVertices][kFloatsPerVertex];
    float frontFin[kFrontFinVertices][kFloatsPerVertex];
    float rearFin[kRearFinVertices][kFloatsPerVertex];
    float tailFin[kTailFinVertices][kFloatsPerVertex];
};

extern const FishBodyMesh fishBodyMesh;
