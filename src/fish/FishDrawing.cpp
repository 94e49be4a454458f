// Drawing a fish: the shared mesh, each cross-section turned and shifted on its own so the body
// curves through turns, the tail waves and the outer edges flap.
//
// The whole fish goes out as one vertex-array draw of the joined strip rather than three calls
// per vertex, or one draw per strip: the pixels are the same, but 50 fish cost 50 draws a frame
// instead of 27,000 calls. Every draw has a fixed price in the driver (under Wine, in the
// crossing into it too) that the few pixels of a strip do not outweigh.
#include "fish/Fish.h"

#include "fish/JoinedFishStrip.h"
#include "fish/LineAngle.h"

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

using Mesh = FishBodyMesh;

// The cross-sections turn by the exact conversion; the rest of the fish uses kRadiansPerDegree.
constexpr double kColumnRadiansPerDegree = 0.017453292519943295;

constexpr GLsizei kVertexStride = Mesh::kFloatsPerVertex * sizeof(float);

// A turn about the model's z axis, column-major, without translation.
struct ColumnRotation {
    ColumnRotation() = default;
    explicit ColumnRotation(float degrees)
    {
        const double angle = degrees * kColumnRadiansPerDegree;
        const float c = static_cast<float>(std::cos(angle));
        const float s = static_cast<float>(std::sin(angle));
        const float rotation[16] = {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        std::copy(rotation, rotation + 16, m);
    }
    float m[16] = {};
};

// The mesh vertex's position scaled, bent, lifted and turned by the column's rotation; the stored
// normal is used as it is, so lighting does not follow the curve of a turn.
void placeVertex(const float* vertex, int size, const ColumnRotation& turn, float bend, float lift,
                 float* placed)
{
    const float* position = vertex + Mesh::kPosition;
    const float p[3] = {position[0] * size, position[1] * size + bend, position[2] * size + lift};
    const float* m = turn.m;
    placed[0] = m[0] * p[0] + m[4] * p[1] + m[8] * p[2];
    placed[1] = m[1] * p[0] + m[5] * p[1] + m[9] * p[2];
    placed[2] = m[2] * p[0] + m[6] * p[1] + m[10] * p[2];
}

void emitMesh(const FishPose& pose)
{
    using Strip = JoinedFishStrip;
    ColumnRotation turns[Mesh::kColumns];
    for (int column = 0; column < Mesh::kColumns; ++column)
        turns[column] = ColumnRotation(pose.columnAngle[column]);
    // Every vertex that two parts share, and every join, is placed from the same stored floats
    // by the same arithmetic, so the parts meet without a crack.
    const Strip& strip = joinedFishStrip;
    float positions[Strip::kVertices][3];
    for (int v = 0; v < Strip::kVertices; ++v) {
        const int column = strip.column[v];
        placeVertex(strip.vertices[v], pose.size, turns[column], pose.columnBend[column],
                    strip.flaps[v] ? pose.flap : 0.0f, positions[v]);
    }

    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions);
    glNormalPointer(GL_FLOAT, kVertexStride, strip.vertices[0] + Mesh::kNormal);
    glTexCoordPointer(2, GL_FLOAT, kVertexStride, strip.vertices[0] + Mesh::kTexCoord);
    glDrawArrays(GL_QUAD_STRIP, 0, Strip::kVertices);
    glPopClientAttrib();
}

}  // namespace

void Fish::draw(const FishPose& pose)
{
    glPushMatrix();
    glTranslatef(pose.x, pose.y, pose.z);
    // Model z (the body's thickness) becomes world up; the body lies flat.
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    const double h = pose.heading * kRadiansPerDegree;
    glRotatef(-pose.pitch, static_cast<float>(std::sin(h)), static_cast<float>(-std::cos(h)), 0.0f);
    emitMesh(pose);
    // Drawing from arrays leaves the current normal and texture coordinates undefined; later
    // drawing that sets none of its own sees those of the tail fin's last vertex, as if the fish
    // had been drawn vertex by vertex.
    const float* last = fishBodyMesh.tailFin[Mesh::kTailFinVertices - 1];
    glNormal3fv(last + Mesh::kNormal);
    glTexCoord2fv(last + Mesh::kTexCoord);
    glPopMatrix();
}
