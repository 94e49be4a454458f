// The start-up overlay: four lines of 3D text floating in the tank for the first 200 frames — the
// program's title, its two keys and the maker's web address — built from a bold TrueType font
// turned into polygon outlines, one display list per character.
#pragma once

#include <windows.h>

class TextOverlay {
public:
    // Builds the 256 character lists from a bold font selected into `dc`; needs a current context.
    void createFont(HDC dc);

    // Counts the frame and draws the lines while `visible`; hides itself for good after 200 shown
    // frames, until `visible` is set again.
    void draw(bool& visible);

    // Formats like printf (at most 255 characters) and draws the text at the current position.
    void print(const char* format, ...);

    int frameCounter() const { return overlayFrameCounter; }

private:
    unsigned fontListBase = 0;            // first of the 256 character lists
    GLYPHMETRICSFLOAT glyphMetrics[256]{};  // filled when the lists are built
    int overlayFrameCounter = 0;          // frames shown since the overlay was last reset
};
