// One-time scene set-up, run from the view's WM_CREATE. The order of the steps matters: later
// steps rely on what earlier ones made. A failing step reports itself and ends the set-up; the
// view then runs with whatever exists.
#include "view/AquariumView.h"

#include "settings/SettingsStore.h"
#include "view/SceneLight.h"

#include <GL/gl.h>

SceneLight sceneLight;

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

void setFixedGlState()
{
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT1, GL_AMBIENT, sceneLight.ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, sceneLight.diffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, sceneLight.position);
    glEnable(GL_LIGHT1);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
}

}  // namespace

void AquariumView::setUpScene()
{
    clientDC = new CClientDC(this);
    const HDC dc = clientDC->GetSafeHdc();

    const PIXELFORMATDESCRIPTOR pfd = requestedPixelFormat();
    const int pixelFormat = ::ChoosePixelFormat(dc, &pfd);
    if (pixelFormat == 0) {
        AfxMessageBox("ChoosePixelFormat failed");
        return;
    }
    if (!::SetPixelFormat(dc, pixelFormat, &pfd)) {
        AfxMessageBox("SetPixelFormat failed");
        return;
    }
    wglMakeCurrent(dc, wglCreateContext(dc));

    setFixedGlState();

    screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    screenHeight = ::GetSystemMetrics(SM_CYSCREEN);

    char tempPath[MAX_PATH];
    if (::GetTempPathA(MAX_PATH, tempPath) == 0) {
        ::MessageBoxA(m_hWnd, "Error Find TempPath.", "ERROR", MB_OK);
        return;
    }

    loadSettings();
}
