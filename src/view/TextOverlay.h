// The start-up overlay: four lines of 3D text floating in the tank for the first 200 frames — the
// program's title, its two keys and the maker's web address — built from a bold TrueType font
// turned into polygon outlines, one display list per character. The same letters show a short
// hint for a few seconds when asked, such as the name of a newly chosen interaction mode.
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

    // Shows `text` (at most 127 characters) centred above the middle of the tank for 200 frames,
    // fading out over the last 60; a new hint replaces the one showing.
    void showHint(const char* text);

    // Formats like printf (at most 255 characters) and draws the text at the current position.
    void print(const char* format, ...);

private:
    // Prints `text` at (x, y, z), pale over a dark shadow, `opacity` opaque.
    void printLegibly(float x, float y, float z, const char* text, float opacity);
    // How far `text` advances the drawing position.
    float textWidth(const char* text) const;

    unsigned fontListBase = 0;            // first of the 256 character lists
    GLYPHMETRICSFLOAT glyphMetrics[256]{};  // filled when the lists are built
    int overlayFrameCounter = 0;          // frames shown since the overlay was last reset
    bool overlayVisible = true;           // the text is shown
    char hint[128] = "";                  // the hint's text
    int hintFramesLeft = 0;               // frames the hint is still shown
};
