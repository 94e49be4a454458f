// The whole fish mesh as one quad strip: the five body strips, the two caps, the three fins and
// the fins' back sides in the order they are drawn, each part joined to the next by two pairs of
// repeated vertices, the previous part's last vertex twice and then the next part's first twice.
// The quads those pairs make have at most two distinct corners, so they have no area and no
// pixel: the strip draws exactly the pixels of the parts drawn one by one, in one draw call.
//
// The body and its caps are closed, so their back faces may be culled. A fin is a single sheet
// seen from both sides: its back side is each of its quads again, turned the other way round, so
// whichever side faces the viewer is a front face. Both sides keep the fin's stored normals, as
// one sheet drawn unculled is lit.
#pragma once

#include "fish/FishBodyMesh.h"

struct JoinedFishStrip {
    static constexpr int kFins = 3;
    static constexpr int kFinVertices[kFins] = {FishBodyMesh::kFrontFinVertices,
                                                FishBodyMesh::kRearFinVertices,
                                                FishBodyMesh::kTailFinVertices};
    static constexpr int kAllFinVertices = kFinVertices[0] + kFinVertices[1] + kFinVertices[2];
    static constexpr int kFinQuads = kAllFinVertices / 2 - kFins;
    // The body strips, the caps, the fins, and each quad of the fins' back sides.
    static constexpr int kParts =
        FishBodyMesh::kBodyStrips + FishBodyMesh::kCaps + kFins + kFinQuads;
    static constexpr int kJoinVertices = 4;
    static constexpr int kVertices =
        FishBodyMesh::kBodyStrips * FishBodyMesh::kBodyStripVertices +
        FishBodyMesh::kCaps * FishBodyMesh::kCapVertices +
        kAllFinVertices + 4 * kFinQuads +
        (kParts - 1) * kJoinVertices;

    // Every vertex of the strip as the mesh stores it (position, normal, texture coordinates).
    float vertices[kVertices][FishBodyMesh::kFloatsPerVertex];
    // The column whose angle and bend move each vertex.
    int column[kVertices];
    // Whether a vertex rises and falls with the edge flap: the outer edges of the flapping columns.
    bool flaps[kVertices];
};

extern const JoinedFishStrip joinedFishStrip;
