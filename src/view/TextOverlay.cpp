#include "view/TextOverlay.h"

#include "res/ProductInfo.h"

#include <GL/gl.h>

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
    if (!overlayVisible)
        return;
    for (const OverlayLine& line : kLines) {
        glPushMatrix();
        glTranslatef(line.x, line.y, line.z);
        print("%s", line.text);
        glPopMatrix();
    }
}
