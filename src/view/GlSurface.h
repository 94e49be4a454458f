// The view's OpenGL surface: the client-area device context that holds the pixel format, and the
// rendering context made current on it for the life of the window. What create() made is released
// in reverse order: the context made no longer current and deleted, then the DC released.
#pragma once

#include "framework/Dc.h"

#include <optional>

class GlSurface {
public:
    GlSurface() = default;
    ~GlSurface() { release(); }
    GlSurface(const GlSurface&) = delete;
    GlSurface& operator=(const GlSurface&) = delete;

    // Takes the client DC of `window`, gives it a double-buffered RGB pixel format with a depth
    // buffer, and makes a new rendering context current on it. When a step fails, names it in a
    // message box and returns false.
    bool create(CWnd& window);
    void release();

    HDC dc() const { return clientDC ? clientDC->GetSafeHdc() : nullptr; }

private:
    std::optional<CClientDC> clientDC;  // holds the pixel format
    HGLRC context = nullptr;            // current on clientDC while the window lives
};
