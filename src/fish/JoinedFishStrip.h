// The whole fish mesh as one quad strip: the five body strips and the three fins in the order
// they are drawn, each part joined to the next by two pairs of repeated vertices, the previous
// part's last vertex twice and then the next part's first twice. The quads those pairs make
// have at most two distinct corners, so they have no area and no pixel: the strip draws exactly
// the pixels of the parts drawn one by one, in one draw call instead of eight.
#pragma once

#include "fish/FishBodyMesh.h"

struct JoinedFishStrip {
    static constexpr int kFins = 3;
    static constexpr int kParts = FishBodyMesh::kBodyStrips + kFins;
    static constexpr int kJoinVertices = 4;
    static constexpr int kVertices =
        FishBodyMesh::kBodyStrips * FishBodyMesh::kBodyStripVertices +
        FishBodyMesh::kFrontFinVertices + FishBodyMesh::kRearFinVertices +
        FishBodyMesh::kTailFinVertices + (kParts - 1) * kJoinVertices;
    // Each part's own vertex count: the body strips, then the front, rear and tail fins.
    static constexpr int kPartVertices[kParts] = {
        FishBodyMesh::kBodyStripVertices, FishBodyMesh::kBodyStripVertices,
        FishBodyMesh::kBodyStripVertices, FishBodyMesh::kBodyStripVertices,
        FishBodyMesh::kBodyStripVertices, FishBodyMesh::kFrontFinVertices,
        FishBodyMesh::kRearFinVertices,   FishBodyMesh::kTailFinVertices};

    // Where each part's own vertices start in the strip.
    static constexpr int partStart(int part)
    {
        int start = 0;
        for (int p = 0; p < part; ++p)
            start += kPartVertices[p] + kJoinVertices;
        return start;
    }
    // The mesh's vertices of part `part`, and for a fin the column that drives it.
    static const float (*partVertices(int part))[FishBodyMesh::kFloatsPerVertex];
    static int finColumn(int fin);
    // Copies into the joins the positions of the vertices they repeat, once every part's own
    // positions are in place.
    static void fillJoins(float (*positions)[3]);

    // Every vertex of the strip as the mesh stores it (position, normal, texture coordinates).
    float vertices[kVertices][FishBodyMesh::kFloatsPerVertex];
};

extern const JoinedFishStrip joinedFishStrip;
