#include "view/AquariumView.h"

#include "res/resource.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "ui/AquariumSettingsDialog.h"
#include "ui/CustomBackgroundDialog.h"
#include "ui/CustomMusicDialog.h"
#include "ui/FishSettingsDialog.h"
#include "ui/MediaListKeys.h"
#include "ui/OwnerDrawPopupMenu.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>

namespace {

// How far the mouse may move, in pixels either way, before it ends the screen saver.
constexpr int kScreenSaverMouseSlack = 4;

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
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONDOWN()
    ON_WM_SETCURSOR()
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
    renderer.createFont(surface.dc());
    renderer.setFixedState();

    if (surfaceSize.cx <= 0 || surfaceSize.cy <= 0)
        surfaceSize = {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const SIZE screen = renderer.setSurfaceSize(surfaceSize);
    const TankBounds tank = tankBoundsForScreen(screen.cx, screen.cy);
    renderer.buildBackdrop(tank);

    renderer.loadPictures();
    // Read after the textures: a setting cannot change which textures exist.
    shared.load();
    renderer.setUpTerrain(tank);
    scene.setUpPopulation(tank, shared.settings.bubbleCount);
    renderer.setUpScreenCopy();
    scene.prepareFood();
    createMediaDialogs();
    if (!role->showsStartUpText && renderer.isOverlayVisible())
        renderer.toggleOverlay();
    if (role->hidesPointerAtOnce)
        cursorHideCounter.hideNow();
    if (role->framesPerSecond != 0)
        frameLoop.limitRate(role->framesPerSecond);
    return true;
}

void AquariumView::createMediaDialogs()
{
    // A dialog is made at set-up only when what it keeps must run from the start: a stored list
    // switched on (the user's music plays, or their pictures show). Otherwise it is made when it
    // is first asked for, which spares most starts the making of two dialogs.
    const IniFile file(settingsIniPath());
    if (role->playsMusic && readMediaListSwitch(file, MediaList::Music).enabled)
        musicDialog = makeHiddenDialog<CustomMusicDialog>(IDD_CUSTOM_MUSIC);
    const MediaListSwitch pictures = readMediaListSwitch(file, MediaList::Pictures);
    if (pictures.enabled && pictures.listsAny)
        backgroundDialog = makeHiddenDialog<CustomBackgroundDialog>(IDD_CUSTOM_BACKGROUND);
}

template <typename Dialog>
std::unique_ptr<Dialog> AquariumView::makeHiddenDialog(UINT id)
{
    auto dialog = std::make_unique<Dialog>(cursorHideCounter);
    dialog->Create(id, this);
    dialog->ShowWindow(SW_HIDE);
    return dialog;
}

void AquariumView::showMediaDialog(CDialog* dialog)
{
    if (dialog == nullptr || dialog->m_hWnd == nullptr)
        return;
    cursorHideCounter.keepLonger();
    dialog->CenterWindow();
    dialog->ShowWindow(SW_SHOW);
}

BOOL AquariumView::renderFrame()
{
    renderer.showUserPicture(backgroundDialog != nullptr ? backgroundDialog->pictureOnShow()
                                                         : PictureTexture{});
    return renderer.renderFrame(scene, interaction);
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
    renderer.resizeScreenCopy(cx, cy);
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
    // A role without music (the preview) keeps the built-in tune silent as own music would.
    tuneSupervisor.tick(shared.settings.volume,
                        !role->playsMusic ||
                            (musicDialog != nullptr && musicDialog->playsOwnMusic()));
    CWnd::OnTimer(id);
    frameLoop.dropQueuedTicks();
}

void AquariumView::OnDestroy()
{
    tearDown();
    CWnd::OnDestroy();
    if (role->quitsWithWindow)
        ::PostQuitMessage(0);
}

void AquariumView::tearDown()
{
    surface.release();
    musicDialog.reset();
    backgroundDialog.reset();
    frameLoop.stop();
}

void AquariumView::OnLButtonDown(UINT flags, CPoint point)
{
    click(point);
    CWnd::OnLButtonDown(flags, point);
}

void AquariumView::OnLButtonDblClk(UINT flags, CPoint point)
{
    // The second press of a quick double click is a click of its own: another pellet, say.
    click(point);
    CWnd::OnLButtonDblClk(flags, point);
}

void AquariumView::click(CPoint point)
{
    interaction.press(point);
    if (interaction.modeRow().action == TankAction::Ripple)
        renderer.addRipple(point);
}

void AquariumView::OnLButtonUp(UINT flags, CPoint point)
{
    interaction.release();
    CWnd::OnLButtonUp(flags, point);
}

void AquariumView::OnRButtonDown(UINT flags, CPoint point)
{
    if (!role->offersMenu) {
        CWnd::OnRButtonDown(flags, point);
        return;
    }
    OwnerDrawPopupMenu menu;
    menu.CreatePopupMenu();
    for (const ViewCommandRow& command : kViewCommands)
        if (command.menuText != nullptr)
            menu.AppendItem(static_cast<UINT>(command.id),
                            {command.menuIcon, command.menuIcon, command.menuText,
                             command.id == interaction.mode()});
    cursorHideCounter.reset();
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
    CWnd::OnRButtonDown(flags, point);
}

BOOL AquariumView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int command = LOWORD(wParam);
    if (command == CommandExit) {
        // Nothing is saved: every setting was written when it changed.
        tearDown();
        std::exit(0);
    }
    if (command == CommandCustomMusic || command == CommandCustomBackground) {
        if (command == CommandCustomMusic) {
            if (musicDialog == nullptr && role->playsMusic)
                musicDialog = makeHiddenDialog<CustomMusicDialog>(IDD_CUSTOM_MUSIC);
            showMediaDialog(musicDialog.get());
        } else {
            if (backgroundDialog == nullptr)
                backgroundDialog = makeHiddenDialog<CustomBackgroundDialog>(IDD_CUSTOM_BACKGROUND);
            showMediaDialog(backgroundDialog.get());
        }
        enterMode(ModeNone);
    } else if (command == CommandFishSettings || command == CommandAquariumSettings) {
        // The dialog's command is the mode while it is open: the tank shows no mode's tools.
        interaction.enter(command);
        if (command == CommandFishSettings) {
            cursorHideCounter.reset();
            FishSettingsDialog dialog(shared, cursorHideCounter);
            dialog.DoModal();
        } else {
            cursorHideCounter.keepLonger();
            AquariumSettingsDialog dialog(shared, cursorHideCounter);
            dialog.DoModal();
        }
        enterMode(ModeNone);
    } else {
        enterMode(command);
    }
    return CWnd::OnCommand(wParam, lParam);
}

void AquariumView::enterMode(int mode)
{
    if (!interaction.enter(mode))
        return;
    if (const char* hint = interaction.modeRow().hint)
        renderer.showHint(hint);
}

BOOL AquariumView::OnSetCursor(HWND window, UINT hitTest, UINT message)
{
    const UINT cursor = interaction.modeRow().cursor;
    if (hitTest == HTCLIENT && cursor != 0) {
        ::SetCursor(::LoadCursorA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(cursor)));
        return TRUE;
    }
    return CWnd::OnSetCursor(window, hitTest, message);
}

void AquariumView::OnMouseMove(UINT flags, CPoint point)
{
    cursorHideCounter.reset();
    CWnd::OnMouseMove(flags, point);
}

BOOL AquariumView::PreTranslateMessage(MSG* msg)
{
    if (role->endsOnInput && endsScreenSaver(*msg)) {
        tearDown();
        std::exit(0);
    }
    if (role->offersMenu && msg->message == WM_KEYDOWN && msg->wParam == VK_F1)
        renderer.toggleOverlay();
    return CWnd::PreTranslateMessage(msg);
}

bool AquariumView::endsScreenSaver(const MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        return true;
    case WM_MOUSEMOVE: {
        // The first report only says where the pointer rests; a hand on the desk or a shaky
        // mouse moves it a pixel or two without meaning anything.
        const POINT now = msg.pt;
        if (!mousePositionKnown) {
            firstMousePosition = now;
            mousePositionKnown = true;
            return false;
        }
        return std::abs(now.x - firstMousePosition.x) > kScreenSaverMouseSlack ||
               std::abs(now.y - firstMousePosition.y) > kScreenSaverMouseSlack;
    }
    default:
        return false;
    }
}
