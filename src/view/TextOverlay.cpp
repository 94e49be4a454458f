#include "view/TextOverlay.h"

#include "res/ProductInfo.h"
#include "view/KeptColor.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kCharacterLists = 256;
constexpr int kOutlinedCharacters = 255;  // character 255 keeps an empty list
constexpr int kShownFrames = 200;
constexpr float kFontExtrusion = 0.2f;

struct OverlayLine {
    float x, y, z;
    const char* text;
};

// The text is pale over a dark shadow a little down and to the right, so it reads on the bright
// and the dark parts of any picture alike.
constexpr float kTextColor[3] = {0.93f, 0.97f, 1.0f};
constexpr float kShadowColor[3] = {0.02f, 0.05f, 0.10f};
constexpr float kShadowOffset[3] = {0.07f, -0.07f, -0.05f};

// A hint stands centred above the middle of the tank for a few seconds and fades in its last
// second.
constexpr float kHintHeight = 11.0f;
constexpr float kHintDepth = -60.0f;
constexpr int kHintFrames = 200;
constexpr int kHintFadeFrames = 60;

constexpr OverlayLine kLines[] = {
    {-5.5f, 2.0f, -60.0f, "Free Bluereef Screensaver 1.0"},
    {-4.0f, -1.0f, -60.0f, "[Right Click]: Toolbar popup"},
    {-4.0f, -2.0f, -60.0f, "[ESC]: Exit"},
    {-4.0f, -4.0f, -60.0f, kMakerWebAddress},
};

}  // namespace

void TextOverlay::createFont(HDC dc)
{
    fontListBase = glGenLists(kCharacterLists);
    const HFONT font = ::CreateFontA(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                     OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                     FF_DONTCARE | DEFAULT_PITCH, nullptr);
    ::SelectObject(dc, font);
    wglUseFontOutlinesA(dc, 0, kOutlinedCharacters, fontListBase, 0.0f, kFontExtrusion,
                        WGL_FONT_POLYGONS, glyphMetrics);
}

void TextOverlay::print(const char* format, ...)
{
    if (format == nullptr)
        return;
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (length <= 0)
        return;

    glPushAttrib(GL_LIST_BIT);
    glListBase(fontListBase);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}

void TextOverlay::draw()
{
    if (overlayVisible)
        ++overlayFrameCounter;
    if (overlayFrameCounter > kShownFrames) {
        overlayVisible = false;
        overlayFrameCounter = 0;
    }
    const bool hintShown = hintFramesLeft > 0;
    if (!overlayVisible && !hintShown)
        return;

    // The text draws with its own state, whatever the passes before it left, and leaves theirs
    // as it was.
    const KeptColor keptColor;
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    if (overlayVisible)
        for (const OverlayLine& line : kLines)
            printLegibly(line.x, line.y, line.z, line.text, 1.0f);
    if (hintShown) {
        const float opacity = std::min(1.0f, static_cast<float>(hintFramesLeft) / kHintFadeFrames);
        printLegibly(-textWidth(hint) / 2, kHintHeight, kHintDepth, hint, opacity);
        --hintFramesLeft;
    }
    glPopAttrib();
}

void TextOverlay::showHint(const char* text)
{
    std::snprintf(hint, sizeof hint, "%s", text);
    hintFramesLeft = kHintFrames;
}

void TextOverlay::printLegibly(float x, float y, float z, const char* text, float opacity)
{
    if (opacity < 1.0f) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
    glPushMatrix();
    glTranslatef(x + kShadowOffset[0], y + kShadowOffset[1], z + kShadowOffset[2]);
    glColor4f(kShadowColor[0], kShadowColor[1], kShadowColor[2], opacity);
    print("%s", text);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(x, y, z);
    glColor4f(kTextColor[0], kTextColor[1], kTextColor[2], opacity);
    print("%s", text);
    glPopMatrix();
}

float TextOverlay::textWidth(const char* text) const
{
    float width = 0;
    for (const char* c = text; *c != '\0'; ++c)
        width += glyphMetrics[static_cast<unsigned char>(*c)].gmfCellIncX;
    return width;
}
