#include "view/AquariumView.h"

#include "media/BuiltInMusic.h"
#include "view/InteractionMode.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

int cursorHideCounter = 0;
bool ownMusicPlaying = true;
bool builtInSoundPending = true;

namespace {
constexpr UINT_PTR kFrameTimerId = 1;
constexpr UINT kFrameTimerPeriodMs = 1;
}  // namespace

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

AquariumView::~AquariumView()
{
    delete clientDC;
}

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
    setUpScene();
    // The frame loop runs even when scene set-up stopped early: it draws whatever exists.
    SetTimer(kFrameTimerId, kFrameTimerPeriodMs);
    return 0;
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
    runTick(id);
    // The drain has just pushed the timer's next tick back by up to a whole timer period (10 ms
    // under Wine): waiting for it would hold every frame to that coarse grid, 50 frames a second
    // instead of 60 when a frame takes more than 10 ms, and a pause after every late frame. So
    // the frames that fall due before anything else arrives are drawn here, a few at most, so
    // that the handler returns to the message loop regularly even when nothing arrives.
    for (int frame = 0; frame < kMostFramesBetweenTicks && awaitDueFrame(); ++frame)
        runTick(id);
}

void AquariumView::runTick(UINT_PTR id)
{
    if (framePacer.frameDue(FramePacer::nowMs()))
        renderFrame();
    superviseSound();
    CWnd::OnTimer(id);
    drainQueuedTicks();
}

bool AquariumView::awaitDueFrame()
{
    // Any message, the timer's own tick included, ends the wait at once: input never waits for
    // a frame that is not yet due.
    const double waitMs = std::ceil(framePacer.msUntilDue(FramePacer::nowMs()));
    return ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(waitMs), QS_ALLINPUT,
                                         MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT;
}

void AquariumView::superviseSound()
{
    if (ownMusicPlaying) {
        builtInSoundPending = true;
        stopBuiltInMusic();
    } else if (builtInSoundPending) {
        startBuiltInMusic();
        builtInSoundPending = false;
    }
}

void AquariumView::drainQueuedTicks()
{
    // Ticks that fell due while the frame was drawn are dropped: frames never queue up.
    MSG pending;
    while (::PeekMessageA(&pending, m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
}

void AquariumView::OnDestroy()
{
    tearDown();
    CWnd::OnDestroy();
}

void AquariumView::tearDown()
{
    const HGLRC context = wglGetCurrentContext();
    wglMakeCurrent(nullptr, nullptr);
    if (context != nullptr)
        wglDeleteContext(context);
    delete clientDC;
    clientDC = nullptr;
    KillTimer(kFrameTimerId);
}

void AquariumView::OnLButtonDown(UINT flags, CPoint point)
{
    mouseX = point.x;
    mouseY = point.y;
    buttonDown = true;
    if (InteractionMode == ModeFeed)
        feedPickPending = true;
    else if (InteractionMode == ModePositionPick)
        pickPending1046 = true;
    else if (InteractionMode == ModeMarker)
        markerPickPending = true;
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
    mouseX = point.x;
    mouseY = point.y;
    cursorHideCounter = 0;
    CWnd::OnMouseMove(flags, point);
}

BOOL AquariumView::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1)
        overlayVisible = !overlayVisible;
    return CWnd::PreTranslateMessage(msg);
}
