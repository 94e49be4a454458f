// One-time scene set-up, run from the view's WM_CREATE. The order of the steps matters: later
// steps rely on what earlier ones made. A failing step reports itself and ends the set-up; the
// view then runs with whatever exists.
#include "view/AquariumView.h"

#include "media/PackedTexture.h"
#include "settings/SettingsStore.h"
#include "media/TextureLoader.h"
#include "view/SceneLight.h"

#include <GL/gl.h>

#include <cstdio>

SceneLight sceneLight;

namespace {

constexpr WORD kBackdropPictureId = 154;
constexpr char kBackdropPictureName[] = "BackGround0";
constexpr WORD kFirstFishSkinId = 10000;
constexpr int kBackdropTessellation = 2;

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

// A thin white haze: dense enough to matter only on the very first frame, since the frame's
// additive pass switches fog off for good.
void enableFog()
{
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogfv(GL_FOG_COLOR, white);
    glFogf(GL_FOG_DENSITY, 0.5f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, -10.0f);
    glFogf(GL_FOG_END, 100.0f);
    glEnable(GL_FOG);
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
    startFramePacing(dc);

    textOverlay.createFont(dc);
    setFixedGlState();

    screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    tankBounds = tankBoundsForScreen(screenWidth, screenHeight);

    // Drawn once before its picture exists, as the frames will draw it later.
    backdrop.buildGrid(tankBounds, theSettings.backgroundMode);
    backdrop.tessellation = kBackdropTessellation;
    backdrop.listName = backdrop.draw();

    char tempPath[MAX_PATH];
    if (::GetTempPathA(MAX_PATH, tempPath) == 0) {
        ::MessageBoxA(m_hWnd, "Error Find TempPath.", "ERROR", MB_OK);
        return;
    }

    loadTextures();
    loadSettings();
    setUpPopulation();

    screenCopyTexture = CreateBlankTexture();
    glBindTexture(GL_TEXTURE_2D, screenCopyTexture);

    prepareFood();
    enableFog();
}

void AquariumView::startFramePacing(HDC dc)
{
    // Motion advances by a fixed step per frame, so frames must come at the display's rate: the
    // driver's vertical sync where it has one, and the pacer for ticks that still come faster.
    using SwapIntervalProc = BOOL(WINAPI*)(int);
    // An extension entry point comes back as a generic PROC; void(*)() is the sanctioned go-between.
    const auto setSwapInterval = reinterpret_cast<SwapIntervalProc>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT")));
    if (setSwapInterval != nullptr)
        setSwapInterval(1);
    framePacer = FramePacer(FramePacer::displayRefreshHz(::GetDeviceCaps(dc, VREFRESH)));
}

void AquariumView::loadTextures()
{
    loadPackedMipmappedTexture(kBackdropPictureId, kBackdropPictureName, &backgroundTexture);
    // Two names more than there are skins: they stay without images.
    for (int i = 0; i < kFishTextureCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "fish%d", i);
        loadPackedTexture(static_cast<WORD>(kFirstFishSkinId + i), name, &fishTextures[i]);
    }
}
