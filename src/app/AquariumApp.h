// The application object: does what the command line asks. The desktop aquarium and the screen
// saver guard against a second running copy and open the main frame over every screen; the
// settings run the settings dialog alone; the preview draws into another program's window.
#pragma once

#include "app/StartArguments.h"
#include "framework/WinApp.h"
#include "view/AquariumView.h"

#include <memory>

class AquariumApp : public CWinApp {
public:
    // The process's exit code when the window could not be opened (set-up has said why).
    static constexpr int kStartFailedExitCode = 1;

    BOOL InitInstance() override;
    int ExitInstance() override;

    StartRequest request;  // set by the entry point before the framework starts

private:
    BOOL startFullScreen(ViewRole role);
    void runSettings(HWND owner);
    BOOL startPreview(HWND parent);

    SharedSettings shared;     // the one settings state, handed to the view and the dialogs
    bool startFailed = false;  // the frame and its view could not be created
    std::unique_ptr<TankScene> previewTank;  // made only for a preview: its fish draw random numbers
    std::unique_ptr<AquariumView> preview;
};
