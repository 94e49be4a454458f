#include "fish/JoinedFishStrip.h"

#include <algorithm>

namespace {

using Mesh = FishBodyMesh;
using Vertex = float[Mesh::kFloatsPerVertex];

// The two cross-sections whose outer edges flap: the widest one and the narrowing behind it.
constexpr int kFirstFlappingColumn = 5;
constexpr int kLastFlappingColumn = 6;

constexpr int kFinColumns[JoinedFishStrip::kFins] = {Mesh::kFrontFinColumn, Mesh::kRearFinColumn,
                                                     Mesh::kTailFinColumn};

// Appends the parts one after the other, each joined to the one before.
class StripBuilder {
public:
    explicit StripBuilder(JoinedFishStrip& joined) : strip(joined) {}

    // The join to the previous part: its last vertex twice now, the next part's first twice with
    // that vertex.
    void beginPart()
    {
        if (next == 0)
            return;
        const int last = next - 1;
        for (int k = 0; k < 2; ++k)
            add(strip.vertices[last], strip.column[last], strip.flaps[last]);
        joining = true;
    }
    void add(const Vertex& vertex, int column, bool flaps)
    {
        for (int times = joining ? 3 : 1; times > 0; --times) {
            std::copy(vertex, vertex + Mesh::kFloatsPerVertex, strip.vertices[next]);
            strip.column[next] = column;
            strip.flaps[next] = flaps;
            ++next;
        }
        joining = false;
    }

private:
    JoinedFishStrip& strip;
    int next = 0;
    bool joining = false;
};

JoinedFishStrip joinMesh()
{
    JoinedFishStrip joined{};
    StripBuilder builder(joined);
    for (int strip = 0; strip < Mesh::kBodyStrips; ++strip) {
        builder.beginPart();
        for (int v = 0; v < Mesh::kBodyStripVertices; ++v) {
            const int column = Mesh::column(v);
            const bool flaps = column >= kFirstFlappingColumn && column <= kLastFlappingColumn &&
                               Mesh::isEdgeVertex(strip, v);
            builder.add(fishBodyMesh.body[strip][v], column, flaps);
        }
    }
    for (int cap = 0; cap < Mesh::kCaps; ++cap) {
        builder.beginPart();
        for (const Vertex& v : fishBodyMesh.caps[cap])
            builder.add(v, Mesh::kCapColumns[cap], false);
    }
    const Vertex* const fins[JoinedFishStrip::kFins] = {fishBodyMesh.frontFin,
                                                        fishBodyMesh.rearFin, fishBodyMesh.tailFin};
    for (int fin = 0; fin < JoinedFishStrip::kFins; ++fin) {
        builder.beginPart();
        for (int v = 0; v < JoinedFishStrip::kFinVertices[fin]; ++v)
            builder.add(fins[fin][v], kFinColumns[fin], false);
    }
    // A fin's quad of pairs (r0, t0), (r1, t1) turned round is the strip (t1, t0), (r1, r0): the
    // driver splits it into the same two triangles along the same diagonal, so a fin shows the
    // same pixels from behind as when it was drawn without culling. Consecutive quads of the back
    // share no pair, so each is a part of its own.
    for (int fin = 0; fin < JoinedFishStrip::kFins; ++fin)
        for (int pair = 0; pair + 1 < JoinedFishStrip::kFinVertices[fin] / 2; ++pair) {
            const Vertex* quad = fins[fin] + 2 * pair;
            builder.beginPart();
            for (int corner : {3, 1, 2, 0})
                builder.add(quad[corner], kFinColumns[fin], false);
        }
    return joined;
}

}  // namespace

const JoinedFishStrip joinedFishStrip = joinMesh();
