// The one top-level window: captionless, borderless and menuless, maximised over the whole screen,
// with the aquarium view as its only child, which shows the frame's tank. Escape anywhere in it
// ends the program at once.
#pragma once

#include "framework/FrameWnd.h"
#include "view/AquariumView.h"

class CMainFrame : public CFrameWnd {
public:
    explicit CMainFrame(SharedSettings& shared) : view_(shared, tank) {}

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code) override;

    AquariumView& view() { return view_; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSetFocus(HWND previous);

    DECLARE_MESSAGE_MAP()

private:
    TankScene tank;  // made before the view that shows it
    AquariumView view_;
};
