#include "fish/JoinedFishStrip.h"

#include <algorithm>

namespace {

using Mesh = FishBodyMesh;
using Vertex = const float[Mesh::kFloatsPerVertex];

constexpr int kPartVertices[JoinedFishStrip::kParts] = {
    Mesh::kBodyStripVertices, Mesh::kBodyStripVertices, Mesh::kBodyStripVertices,
    Mesh::kBodyStripVertices, Mesh::kBodyStripVertices, Mesh::kFrontFinVertices,
    Mesh::kRearFinVertices,   Mesh::kTailFinVertices};

const Vertex* partVertices(int part)
{
    switch (part - Mesh::kBodyStrips) {
    case 0:
        return fishBodyMesh.frontFin;
    case 1:
        return fishBodyMesh.rearFin;
    case 2:
        return fishBodyMesh.tailFin;
    default:
        return fishBodyMesh.body[part];
    }
}

// The join before part `part` (1 and up) repeats these vertices of the strip: the previous
// part's last twice, then this part's first twice.
void joinSources(int part, int sources[JoinedFishStrip::kJoinVertices])
{
    const int start = JoinedFishStrip::partStart(part);
    const int previousLast = start - JoinedFishStrip::kJoinVertices - 1;
    sources[0] = sources[1] = previousLast;
    sources[2] = sources[3] = start;
}

template <int N>
void copyJoins(float (*strip)[N])
{
    for (int part = 1; part < JoinedFishStrip::kParts; ++part) {
        int sources[JoinedFishStrip::kJoinVertices];
        joinSources(part, sources);
        const int first = JoinedFishStrip::partStart(part) - JoinedFishStrip::kJoinVertices;
        for (int k = 0; k < JoinedFishStrip::kJoinVertices; ++k)
            std::copy(strip[sources[k]], strip[sources[k]] + N, strip[first + k]);
    }
}

JoinedFishStrip joinMesh()
{
    JoinedFishStrip joined{};
    for (int part = 0; part < JoinedFishStrip::kParts; ++part) {
        const Vertex* source = partVertices(part);
        std::copy(source[0], source[0] + kPartVertices[part] * Mesh::kFloatsPerVertex,
                  joined.vertices[JoinedFishStrip::partStart(part)]);
    }
    copyJoins(joined.vertices);
    return joined;
}

}  // namespace

int JoinedFishStrip::partStart(int part)
{
    int start = 0;
    for (int p = 0; p < part; ++p)
        start += kPartVertices[p] + kJoinVertices;
    return start;
}

void JoinedFishStrip::fillJoins(float (*positions)[3])
{
    copyJoins(positions);
}

const JoinedFishStrip joinedFishStrip = joinMesh();
