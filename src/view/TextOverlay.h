// The start-up overlay: four lines of 3D text floating in the tank for the first 200 frames — the
// program's title, its two keys and the maker's web address — built from a bold TrueType font
// turned into polygon outlines, one display list per character.
#pragma once

#include <windows.h>

class TextOverlay {
public:
    // Builds the 256 character lists from a bold font selected into `dc`; needs a current context.
    void createFont(HDC dc);

    // Counts the frame and draws the lines while visible; hides itself after 200 shown frames.
    void draw();
    // F1: hides the text, or shows it again for the rest of its 200 frames (200 more once it has
    // hidden itself).
    void toggle() { overlayVisible = !overlayVisible; }
    bool isVisible() const { return overlayVisible; }

    // Formats like printf (at most 255 characters) and draws the text at the current position.
    void print(const char* format, ...);

    int frameCounter() const { return overlayFrameCounter; }

private:
    unsigned fontListBase = 0;            // first of the 256 character lists
    GLYPHMETRICSFLOAT glyphMetrics[256]{};  // filled when the lists are built
    int overlayFrameCounter = 0;          // frames shown since the overlay was last reset
    bool overlayVisible = true;           // the text is shown
};
