// What a piece of drawing hands to the rasteriser, caught with OpenGL's feedback mode: every
// polygon with its vertices in window coordinates, colour and texture coordinates.
#pragma once

#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

struct FeedbackVertex {
    float x, y, z, w;
    float red, green, blue, alpha;
    float s, t, r, q;
};

using FeedbackPolygon = std::vector<FeedbackVertex>;

// Maps the world rectangle left..right x bottom..top one unit to one pixel, window coordinates
// starting at its lower left corner, with any depth from -1000 to 1000 in view.
inline void viewWorldRectangle(float left, float right, float bottom, float top)
{
    glViewport(0, 0, static_cast<GLsizei>(right - left), static_cast<GLsizei>(top - bottom));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -1000.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// One primitive that drawing handed to the rasteriser: its feedback token (GL_POLYGON_TOKEN,
// GL_LINE_TOKEN, ...) and its vertices.
struct FeedbackPrimitive {
    GLint token;
    FeedbackPolygon vertices;
};

// The primitives that `draw` produces, in order.
template <typename Draw>
std::vector<FeedbackPrimitive> capturePrimitives(Draw draw)
{
    constexpr std::size_t kFloatsPerVertex = sizeof(FeedbackVertex) / sizeof(float);
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_4D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);

    std::vector<FeedbackPrimitive> primitives;
    for (GLint i = 0; i < used;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        std::size_t vertices = 0;
        switch (token) {
        case GL_POLYGON_TOKEN:
            vertices = static_cast<std::size_t>(buffer[i++]);
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            vertices = 2;
            break;
        case GL_PASS_THROUGH_TOKEN:
            ++i;
            continue;
        default:  // points and pixel rectangles
            vertices = 1;
            break;
        }
        FeedbackPrimitive primitive{token, {}};
        for (std::size_t v = 0; v < vertices; ++v, i += kFloatsPerVertex) {
            FeedbackVertex vertex;
            std::memcpy(&vertex, &buffer[i], sizeof vertex);
            primitive.vertices.push_back(vertex);
        }
        primitives.push_back(primitive);
    }
    return primitives;
}

// The polygons that `draw` produces.
template <typename Draw>
std::vector<FeedbackPolygon> capturePolygons(Draw draw)
{
    std::vector<FeedbackPolygon> polygons;
    for (const FeedbackPrimitive& primitive : capturePrimitives(draw))
        if (primitive.token == GL_POLYGON_TOKEN)
            polygons.push_back(primitive.vertices);
    return polygons;
}

// Every vertex of the polygons that `draw` produces, in order; any other primitive fails the test.
template <typename Draw>
std::vector<FeedbackVertex> capturePolygonVertices(Draw draw)
{
    std::vector<FeedbackVertex> vertices;
    for (const FeedbackPrimitive& primitive : capturePrimitives(draw)) {
        if (primitive.token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << primitive.token;
            continue;
        }
        vertices.insert(vertices.end(), primitive.vertices.begin(), primitive.vertices.end());
    }
    return vertices;
}

// The corners of the quads among `polygons`: a quad comes either whole or as the two triangles
// (0, 1, 3) and (1, 2, 3) that some implementations split it into.
inline std::vector<FeedbackPolygon> quadCorners(const std::vector<FeedbackPolygon>& polygons)
{
    std::vector<FeedbackPolygon> quads;
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        if (polygons[i].size() == 4) {
            quads.push_back(polygons[i]);
        } else if (polygons[i].size() == 3 && i + 1 < polygons.size() &&
                   polygons[i + 1].size() == 3) {
            const FeedbackPolygon& first = polygons[i];
            quads.push_back({first[0], first[1], polygons[i + 1][1], first[2]});
            ++i;
        }
    }
    return quads;
}
