// Keeps the current colour, and with colour material the material, across a piece of drawing.
// The attribute stack cannot do it here: once a display list has run inside the push, popping the
// current-colour bit leaves the colour set inside it in place (seen with the Mesa the tests use).
#pragma once

#include <windows.h>
#include <GL/gl.h>

class KeptColor {
public:
    KeptColor() { glGetFloatv(GL_CURRENT_COLOR, colour); }
    ~KeptColor() { glColor4fv(colour); }
    KeptColor(const KeptColor&) = delete;
    KeptColor& operator=(const KeptColor&) = delete;

private:
    float colour[4];
};
