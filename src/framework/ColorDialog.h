// CColorDialog: the system's colour picker, run modally.
#pragma once

#include "framework/Wnd.h"

#include <commdlg.h>

class CColorDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK when a colour was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc{};

private:
    // The picker's sixteen custom colours, kept for the whole process as the system's own
    // dialogs keep them.
    static COLORREF customColors[16];
};
