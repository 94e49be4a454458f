#include "view/GlSurface.h"

#include "framework/Afx.h"

namespace {

PIXELFORMATDESCRIPTOR requestedPixelFormat()
{
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 32;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

}  // namespace

bool GlSurface::create(CWnd& window)
{
    clientDC.emplace(&window);
    const HDC dc = clientDC->GetSafeHdc();

    const PIXELFORMATDESCRIPTOR pfd = requestedPixelFormat();
    const int pixelFormat = ::ChoosePixelFormat(dc, &pfd);
    if (pixelFormat == 0) {
        AfxMessageBox("ChoosePixelFormat failed");
        return false;
    }
    if (!::SetPixelFormat(dc, pixelFormat, &pfd)) {
        AfxMessageBox("SetPixelFormat failed");
        return false;
    }
    context = wglCreateContext(dc);
    if (context == nullptr) {
        AfxMessageBox("wglCreateContext failed");
        return false;
    }
    if (!wglMakeCurrent(dc, context)) {
        AfxMessageBox("wglMakeCurrent failed");
        return false;
    }
    return true;
}

void GlSurface::release()
{
    if (context != nullptr) {
        if (wglGetCurrentContext() == context)
            wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
        context = nullptr;
    }
    clientDC.reset();
}
