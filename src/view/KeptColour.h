// Keeps the current colour, and with colour material the material, across a piece of drawing.
// The attribute stack cannot do it here: once a display list has run inside the push, popping the
// current-colour bit leaves the colour set inside it in place (seen with the Mesa the tests use).
#pragma once

#include <windows.h>
#include <GL/gl.h>

class KeptColour {
public:
    KeptColour() { glGetFloatv(GL_CURRENT_COLOR, colour); }
    ~KeptColour() { glColor4fv(colour); }
    KeptColour(const KeptColour&) = delete;
    KeptColour& operator=(const KeptColour&) = delete;

private:
    float colour[4];
};
