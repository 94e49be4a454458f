// Drawing a fish: the vertices it emits, caught with OpenGL's feedback mode, and the state a
// drawn frame leaves against one that was not drawn.
#include "fish/Fish.h"

#include "FishTesting.h"
#include "support/Feedback.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Mesh = FishBodyMesh;

// The caught vertices are mapped back from window coordinates of an orthographic view of the
// cube -kView..kView, which holds a fish of any size drawn at the origin.
constexpr float kView = 10.0f;
constexpr int kViewport = 64;
constexpr double kDegree = 3.14159265358979 / 180.0;

struct EmittedVertex {
    float x, y, z;  // in the coordinates the fish was drawn in
    float s, t;
};

// What `draw` hands to the rasteriser, vertex by vertex, in drawing coordinates.
template <typename Draw>
std::vector<EmittedVertex> captureVertices(Draw draw)
{
    glViewport(0, 0, kViewport, kViewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kView, kView, -kView, kView, -kView, kView);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    const auto back = [](float window, float extent) {
        return (2.0f * window / extent - 1.0f) * kView;
    };
    std::vector<EmittedVertex> vertices;
    for (const FeedbackVertex& f : capturePolygonVertices(draw))
        vertices.push_back({back(f.x, kViewport), back(f.y, kViewport), -back(f.z, 1.0f), f.s, f.t});
    return vertices;
}

// One step of the fish, its pose drawn at the origin.
std::vector<EmittedVertex> drawOnce(Fish& fish)
{
    FishPose pose = fish.step();
    pose.x = pose.y = pose.z = 0;
    return captureVertices([&pose] { Fish::draw(pose); });
}

// A vertex of the stored mesh with what drawing does to it.
struct MeshVertex {
    const float* data;
    int column;     // the column whose angle and bend move it
    bool flapping;  // an outer edge of columns 5 and 6
};

std::vector<MeshVertex> meshVertices()
{
    std::vector<MeshVertex> all;
    for (int strip = 0; strip < Mesh::kBodyStrips; ++strip)
        for (int v = 0; v < Mesh::kBodyStripVertices; ++v) {
            const int column = Mesh::column(v);
            all.push_back({fishBodyMesh.body[strip][v], column,
                           (column == 5 || column == 6) && Mesh::isEdgeVertex(strip, v)});
        }
    for (const auto& v : fishBodyMesh.frontFin) all.push_back({v, Mesh::kFrontFinColumn, false});
    for (const auto& v : fishBodyMesh.rearFin) all.push_back({v, Mesh::kRearFinColumn, false});
    for (const auto& v : fishBodyMesh.tailFin) all.push_back({v, Mesh::kTailFinColumn, false});
    return all;
}

// Whether `e` can be mesh vertex `m` of a level fish of `size` whose every column points along
// `heading`: along the body it sits exactly at size x the stored x whatever the tail wave does;
// ahead of the wave (columns below 7) it also sits at size x the stored width, and off the
// flapping edges at size x the stored height.
bool fitsStraightBody(const EmittedVertex& e, const MeshVertex& m, int size, float heading)
{
    constexpr float kTolerance = 2e-3f;
    const float* p = m.data + Mesh::kPosition;
    const double c = std::cos(heading * kDegree);
    const double s = std::sin(heading * kDegree);
    // Drawing turns model y to world -z, and a heading h turns the model about its z axis.
    const double along = e.x * c - e.z * s;
    const double across = -(e.x * s + e.z * c);
    if (std::fabs(along - size * p[0]) > kTolerance)
        return false;
    if (m.column < 7 && std::fabs(across - size * p[1]) > kTolerance)
        return false;
    return m.flapping || std::fabs(e.y - size * p[2]) <= kTolerance;
}

// How many emitted vertices do not fit the straight body; vertices are matched to the mesh by
// their texture coordinates, which drawing passes on unchanged.
int verticesOffStraightBody(const std::vector<EmittedVertex>& emitted, int size, float heading)
{
    const std::vector<MeshVertex> mesh = meshVertices();
    int off = 0;
    for (const EmittedVertex& e : emitted) {
        bool fits = false;
        for (const MeshVertex& m : mesh)
            if (m.data[Mesh::kTexCoord] == e.s && m.data[Mesh::kTexCoord + 1] == e.t &&
                fitsStraightBody(e, m, size, heading))
                fits = true;
        off += fits ? 0 : 1;
    }
    return off;
}

struct ModelPoint {
    double x, y, z;
};

// Where body vertex `vertex` of strip `strip` was drawn, in the model coordinates of a level
// fish: drawing turns model y to world -z and model z to world up.
ModelPoint modelPosition(const std::vector<EmittedVertex>& emitted, int strip, int vertex)
{
    const float* stored = fishBodyMesh.body[strip][vertex];
    for (const EmittedVertex& e : emitted)
        if (e.s == stored[Mesh::kTexCoord] && e.t == stored[Mesh::kTexCoord + 1])
            return {e.x, -e.z, e.y};
    ADD_FAILURE() << "vertex " << vertex << " of strip " << strip << " was not drawn";
    return {0, 0, 0};
}

// The angle in degrees by which drawing turned `column`, read from its midline vertex, which
// lies on the model's x axis; only for columns in front of the tail wave.
double columnAngle(const std::vector<EmittedVertex>& emitted, int column, int size)
{
    const int vertex = 2 * column + 1;  // row C of strip B-C
    const ModelPoint drawn = modelPosition(emitted, Mesh::kStripBC, vertex);
    const double stored = fishBodyMesh.body[Mesh::kStripBC][vertex][0] * size;
    double angle = (std::atan2(drawn.y, drawn.x) - std::atan2(0.0, stored)) / kDegree;
    if (angle > 180)
        angle -= 360;
    if (angle <= -180)
        angle += 360;
    return angle;
}

void runFrames(Fish& fish, int frames)
{
    for (int i = 0; i < frames; ++i)
        fish.step();
}

class FishDrawing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(context.ready()); }
    GlTestContext context{kViewport, kViewport};
};

}  // namespace

TEST_F(FishDrawing, EmitsEveryQuadOfTheBodyAndTheFinsJoinedByQuadsWithoutArea)
{
    Fish fish;
    settle(fish, 0);
    makeSize(fish, 4);
    runFrames(fish, 12);  // bent and flapping: the joins must hold whatever the pose
    const std::vector<EmittedVertex> emitted = drawOnce(fish);
    // The driver hands quads on as two triangles each.
    ASSERT_EQ(emitted.size() % 3, 0u);
    int withArea = 0;
    int withoutArea = 0;
    for (size_t i = 0; i < emitted.size(); i += 3) {
        const EmittedVertex& a = emitted[i];
        const EmittedVertex& b = emitted[i + 1];
        const EmittedVertex& c = emitted[i + 2];
        const double u[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
        const double v[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
        const double cross[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                 u[0] * v[1] - u[1] * v[0]};
        const double area = std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
        ++(area > 1e-9 ? withArea : withoutArea);
    }
    // 5 strips of 13 quads, fins of 3, 3 and 11 quads drawn once a side: 99 quads; 2 caps of a
    // quad and a triangle, whose other half has no area. The 26 joins between the 27 parts (each
    // quad of a fin's back side is a part) add 3 quads each, and none of them may cover a pixel.
    EXPECT_EQ(withArea, 99 * 2 + 2 * 3);
    EXPECT_EQ(withoutArea, 26 * 3 * 2 + 2);
}

TEST_F(FishDrawing, ASettledFishIsStraightAlongItsHeading)
{
    Fish fish;
    settle(fish, 30);
    makeSize(fish, 4);
    runFrames(fish, 12);  // long enough for the tail wave and the flap to be under way
    const std::vector<EmittedVertex> emitted = drawOnce(fish);
    ASSERT_FALSE(emitted.empty());
    EXPECT_EQ(0, verticesOffStraightBody(emitted, 4, 30));
}

TEST_F(FishDrawing, ATurningFishTrailsEachColumnADegreeBehindTheOneInFront)
{
    Fish fish;
    settle(fish, 0);
    makeSize(fish, 4);
    fish.targetHeading = 90;
    runFrames(fish, 30);
    ASSERT_EQ(20.0f, fish.heading);
    const std::vector<EmittedVertex> emitted = drawOnce(fish);
    EXPECT_GT(verticesOffStraightBody(emitted, 4, 20), static_cast<int>(emitted.size()) / 4);
    // Turning up toward 90, the snout points along the heading and the body trails below it.
    for (int column = 0; column < 7; ++column)
        EXPECT_NEAR(20.0 - column, columnAngle(emitted, column, 4), 0.01) << column;
}

TEST_F(FishDrawing, OnceTheHeadingHasArrivedTheBodyStraightensADegreeAFrame)
{
    Fish fish;
    settle(fish, 0);
    makeSize(fish, 4);
    fish.targetHeading = 20;
    // The heading arrives on frame 30; column 6 then trails it by 3 degrees.
    runFrames(fish, 29);
    const double expected[] = {18, 19, 20, 20};
    for (double angle : expected) {
        const std::vector<EmittedVertex> emitted = drawOnce(fish);
        EXPECT_NEAR(angle, columnAngle(emitted, 6, 4), 0.01);
    }
}

TEST_F(FishDrawing, TheTailWaveGrowsBehindColumn7AndTheEdgesFlapWithTheSize)
{
    Fish fish;
    settle(fish, 0);
    makeSize(fish, 6);
    runFrames(fish, 11);
    const std::vector<EmittedVertex> emitted = drawOnce(fish);
    const double tail = 2 * 0.7853981;  // two steps of the tail wave in 12 frames
    for (int column = 7; column < Mesh::kColumns; ++column) {
        const double amplitude = (column - 7) * 0.005 * 6 * 0.5;
        EXPECT_NEAR(amplitude * std::sin(column * 0.2617994 + tail),
                    modelPosition(emitted, Mesh::kStripBC, 2 * column + 1).y, 1e-4)
            << column;
    }
    const double flap = std::sin(0.5235987) * 6 * 0.02;  // one step of the flap in 12 frames
    for (int column : {5, 6}) {
        const float* edge = fishBodyMesh.body[Mesh::kStripAB][2 * column];
        EXPECT_NEAR(6 * edge[2] + flap, modelPosition(emitted, Mesh::kStripAB, 2 * column).z,
                    1e-4)
            << column;
    }
    const float* inner = fishBodyMesh.body[Mesh::kStripAB][2 * 5 + 1];
    EXPECT_NEAR(6 * inner[2], modelPosition(emitted, Mesh::kStripAB, 2 * 5 + 1).z, 1e-4);
}

TEST_F(FishDrawing, Size8IsSize2FourTimesOverTailWaveAndFlapIncluded)
{
    Fish small;
    settle(small, 40);
    runFrames(small, 20);  // settled, tail and flap phases away from zero
    Fish big = small;
    makeSize(small, 2);
    makeSize(big, 8);
    const std::vector<EmittedVertex> a = drawOnce(small);
    const std::vector<EmittedVertex> b = drawOnce(big);
    ASSERT_EQ(a.size(), b.size());
    ASSERT_FALSE(a.empty());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(4 * a[i].x, b[i].x, 1e-3) << i;
        EXPECT_NEAR(4 * a[i].y, b[i].y, 1e-3) << i;
        EXPECT_NEAR(4 * a[i].z, b[i].z, 1e-3) << i;
    }
}

TEST_F(FishDrawing, LeavesTheMatrixStackAsItFoundIt)
{
    Fish fish;
    settle(fish, 10);
    fish.pitch = 5;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    GLint depthBefore = 0, depthAfter = 0;
    GLfloat before[16], after[16];
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    Fish::draw(fish.step());
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_EQ(depthBefore, depthAfter);
    EXPECT_EQ(0, std::memcmp(before, after, sizeof before));
}

TEST_F(FishDrawing, APoseStandsWhereTheFishWasBeforeItsStepMovedIt)
{
    Fish fish;
    settle(fish, 10);
    const float before[3] = {fish.x, fish.y, fish.z};
    const FishPose pose = fish.step();
    EXPECT_EQ(before[0], pose.x);
    EXPECT_EQ(before[1], pose.y);
    EXPECT_EQ(before[2], pose.z);
    EXPECT_NE(fish.x, pose.x);
    EXPECT_EQ(fish.heading, pose.heading);
    EXPECT_EQ(fish.pitch, pose.pitch);
}
