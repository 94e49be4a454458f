// A hidden window with a current OpenGL context, for tests that draw and read back.
#pragma once

#include <windows.h>
#include <GL/gl.h>

class GlTestContext {
public:
    GlTestContext(int width = 64, int height = 64)
    {
        const WNDCLASSA wc{CS_OWNDC, ::DefWindowProcA, 0, 0, ::GetModuleHandleA(nullptr),
                           nullptr, nullptr, nullptr, nullptr, "GlTestContext"};
        ::RegisterClassA(&wc);
        window_ = ::CreateWindowExA(0, "GlTestContext", "", WS_POPUP, 0, 0, width, height, nullptr,
                                    nullptr, wc.hInstance, nullptr);
        dc_ = ::GetDC(window_);
        PIXELFORMATDESCRIPTOR pfd{};
        pfd.nSize = sizeof pfd;
        pfd.nVersion = 1;
        pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        pfd.iPixelType = PFD_TYPE_RGBA;
        pfd.cColorBits = 24;
        pfd.cDepthBits = 24;
        ::SetPixelFormat(dc_, ::ChoosePixelFormat(dc_, &pfd), &pfd);
        context_ = wglCreateContext(dc_);
        wglMakeCurrent(dc_, context_);
        glViewport(0, 0, width, height);
    }
    ~GlTestContext()
    {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
        ::ReleaseDC(window_, dc_);
        ::DestroyWindow(window_);
    }
    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    bool ready() const { return context_ != nullptr && wglGetCurrentContext() == context_; }
    HDC dc() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};
