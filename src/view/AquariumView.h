// The aquarium view: the frame's only child, whose client area is the OpenGL surface. It handles
// the window's messages and wires its parts: the surface, the frame loop, the scene and the passes
// that draw it.
#pragma once

#include "framework/Wnd.h"
#include "media/BuiltInMusic.h"
#include "scene/TankScene.h"
#include "settings/SharedSettings.h"
#include "ui/CursorHideCounter.h"
#include "ui/CustomBackgroundDialog.h"
#include "ui/CustomMusicDialog.h"
#include "view/FrameLoop.h"
#include "view/FrameRenderer.h"
#include "view/GlSurface.h"
#include "view/Interaction.h"
#include "view/ViewRoles.h"

#include <memory>

class AquariumView : public CWnd {
public:
    // Shows `tank` as `state` says; its dialogs edit `state`.
    AquariumView(SharedSettings& state, TankScene& tank) : shared(state), scene(tank) {}

    // Set before the window is created: the role, and the size of the surface the scene is
    // laid out for (the screen, every screen, or the preview's window).
    void setRole(ViewRole viewRole, SIZE laidOutFor)
    {
        role = &roleRow(viewRole);
        surfaceSize = laidOutFor;
    }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Renders and presents one frame, with the user's picture on the backdrop while their show
    // runs; returns the buffer swap's result.
    BOOL renderFrame();

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(HDC dc);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);

    DECLARE_MESSAGE_MAP()

private:
    // Scene set-up, in an order on which later steps rely: surface, font, fixed state, screen and
    // tank, backdrop, textures, settings, the living things, fog. False when it cannot go on.
    bool setUpScene();
    // One tick of the frame loop: the frame if it is due, the sound, default processing, and the
    // drain of the ticks that queued up meanwhile.
    void runTick(UINT_PTR id);
    // Releases the rendering context and the DC and stops the frame timer.
    void tearDown();
    // A left click in the tank, whatever the mode asks of it.
    void click(CPoint point);
    // Makes `mode` the current one, with its cursor and, when it is new, a hint that names it.
    void enterMode(int mode);
    // The two media dialogs, made hidden at the end of scene set-up where a stored list must run
    // from the start, else by their commands, which show them.
    void createMediaDialogs();
    template <typename Dialog>
    std::unique_ptr<Dialog> makeHiddenDialog(UINT id);
    // The screen saver's end: a key, a mouse button, or the mouse moved more than a few pixels.
    bool endsScreenSaver(const MSG& msg);
    void showMediaDialog(CDialog* dialog);

    const ViewRoleRow* role = &roleRow(ViewRole::Desktop);
    SIZE surfaceSize{};         // none set: the screen
    POINT firstMousePosition{};  // where the pointer was when the screen saver started
    bool mousePositionKnown = false;

    SharedSettings& shared;     // the settings, views position and colour phases
    CursorHideCounter cursorHideCounter;  // the countdown to hiding the pointer
    GlSurface surface;          // the client DC and the rendering context
    FrameLoop frameLoop;        // the frame timer and the pacing of frames
    TankScene& scene;           // the living things of the tank
    FrameRenderer renderer{shared, cursorHideCounter};  // the passes that draw a frame
    Interaction interaction;    // the mode and the clicks waiting for the frame's picks
    std::unique_ptr<CustomMusicDialog> musicDialog;            // the user's own music
    BuiltInTuneSupervisor tuneSupervisor;  // the built-in tune, silent while own music plays
    std::unique_ptr<CustomBackgroundDialog> backgroundDialog;  // the user's own pictures
};
