// The application object: guards against a second running copy and opens the main frame.
#pragma once

#include "framework/WinApp.h"

class AquariumApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
