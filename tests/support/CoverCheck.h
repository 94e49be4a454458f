// The rasteriser's side of the backdrop's cover proof: what a quad behind the backdrop shows of
// itself once both are drawn through a view.
#pragma once

#include "environment/BackdropPatch.h"
#include "support/GlTestContext.h"

#include <GL/gl.h>

#include <vector>

// Draws a red quad behind the patch, then the patch in white, through `view` on a window of the
// view's size, and counts the red pixels left.
inline int redPixelsLeft(const BackdropPatch& patch, const Point3d quad[4],
                         const ScreenProjection& view)
{
    GlTestContext gl(view.viewport[2], view.viewport[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(view.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(view.modelview);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3ub(255, 0, 0);
    glBegin(GL_QUADS);
    for (int c = 0; c < 4; ++c)
        glVertex3d(quad[c].x, quad[c].y, quad[c].z);
    glEnd();
    glColor3ub(255, 255, 255);
    glDeleteLists(patch.draw(), 1);
    glFinish();

    std::vector<unsigned char> pixels(static_cast<size_t>(view.viewport[2]) * view.viewport[3] * 4);
    glReadPixels(0, 0, view.viewport[2], view.viewport[3], GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    int red = 0;
    for (size_t i = 0; i < pixels.size(); i += 4)
        red += pixels[i] == 255 && pixels[i + 1] == 0 ? 1 : 0;
    return red;
}
