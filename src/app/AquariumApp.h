// The application object: guards against a second running copy and opens the main frame.
#pragma once

#include "framework/WinApp.h"

class AquariumApp : public CWinApp {
public:
    // The process's exit code when the window could not be opened (set-up has said why).
    static constexpr int kStartFailedExitCode = 1;

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    bool startFailed = false;  // the frame and its view could not be created
};
