#include "fish/JoinedFishStrip.h"

#include <algorithm>

namespace {

using Mesh = FishBodyMesh;
using Vertex = const float[Mesh::kFloatsPerVertex];

constexpr int kFinColumns[JoinedFishStrip::kFins] = {Mesh::kFrontFinColumn, Mesh::kRearFinColumn,
                                                     Mesh::kTailFinColumn};

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
        const Vertex* source = JoinedFishStrip::partVertices(part);
        std::copy(source[0],
                  source[0] + JoinedFishStrip::kPartVertices[part] * Mesh::kFloatsPerVertex,
                  joined.vertices[JoinedFishStrip::partStart(part)]);
    }
    copyJoins(joined.vertices);
    return joined;
}

}  // namespace

const float (*JoinedFishStrip::partVertices(int part))[Mesh::kFloatsPerVertex]
{
    const Vertex* const fins[kFins] = {fishBodyMesh.frontFin, fishBodyMesh.rearFin,
                                       fishBodyMesh.tailFin};
    return part < Mesh::kBodyStrips ? fishBodyMesh.body[part] : fins[part - Mesh::kBodyStrips];
}

int JoinedFishStrip::finColumn(int fin)
{
    return kFinColumns[fin];
}

void JoinedFishStrip::fillJoins(float (*positions)[3])
{
    copyJoins(positions);
}

const JoinedFishStrip joinedFishStrip = joinMesh();
