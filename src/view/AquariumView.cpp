#include "view/AquariumView.h"

#include "media/BuiltInMusic.h"
#include "settings/SettingsStore.h"

#include <GL/gl.h>
#include <GL/glu.h>

BEGIN_MESSAGE_MAP(AquariumView, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

BOOL AquariumView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~WS_BORDER;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                       ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    return TRUE;
}

int AquariumView::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    // Without a surface there is nothing to show: a window that stays black and still would only
    // look like a hung machine. Creation fails instead, and the program ends.
    if (!setUpScene())
        return -1;
    frameLoop.start(*this);
    return 0;
}

bool AquariumView::setUpScene()
{
    if (!surface.create(*this))
        return false;
    frameLoop.syncToDisplay(surface.dc());
    renderer.overlay.createFont(surface.dc());
    FrameRenderer::setFixedState();

    renderer.camera.measureScreen();
    scene.tankBounds =
        tankBoundsForScreen(renderer.camera.screenWidth, renderer.camera.screenHeight);
    renderer.buildBackdrop(scene.tankBounds);

    renderer.textures.loadPictures();
    // Read after the textures: a setting cannot change which textures exist.
    loadSettings();
    scene.setUpPopulation();
    renderer.textures.createScreenCopyTarget();
    scene.prepareFood();
    FrameRenderer::enableFog();
    return true;
}

void AquariumView::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (cy == 0)
        cy = 1;
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(cx) / cy, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

BOOL AquariumView::OnEraseBkgnd(HDC)
{
    // OpenGL paints every pixel; a GDI fill in between would only flicker.
    return TRUE;
}

void AquariumView::OnPaint()
{
    CPaintDC dc(this);
    renderFrame();
}

void AquariumView::OnTimer(UINT_PTR id)
{
    frameLoop.onTimer([this, id] { runTick(id); });
}

void AquariumView::runTick(UINT_PTR id)
{
    if (frameLoop.frameDue())
        renderFrame();
    superviseBuiltInMusic();
    CWnd::OnTimer(id);
    frameLoop.dropQueuedTicks();
}

void AquariumView::OnDestroy()
{
    tearDown();
    CWnd::OnDestroy();
}

void AquariumView::tearDown()
{
    surface.release();
    frameLoop.stop();
}

void AquariumView::OnLButtonDown(UINT flags, CPoint point)
{
    buttonDown = true;
    CWnd::OnLButtonDown(flags, point);
}

void AquariumView::OnLButtonUp(UINT flags, CPoint point)
{
    if (releaseConsumesClick(InteractionMode))
        buttonDown = false;
    CWnd::OnLButtonUp(flags, point);
}

void AquariumView::OnMouseMove(UINT flags, CPoint point)
{
    cursorHideCounter = 0;
    CWnd::OnMouseMove(flags, point);
}

BOOL AquariumView::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1)
        renderer.overlay.toggle();
    return CWnd::PreTranslateMessage(msg);
}
