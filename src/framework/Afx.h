// Common ground of the window framework: Windows headers, small value types and the global helpers
// that MFC offers as Afx functions. The framework keeps MFC's names so that window code reads like
// the MFC code it is modelled on, but it is our own small layer over the Win32 API.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CWinApp;
class CWnd;

// Child identifier of a frame's main pane: the frame sizes this child to fill its client area.
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// String resource that holds the application's name when CWinApp is given none.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

// Frame style: the frame's title names the application.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000L;

struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(int px, int py) : POINT{px, py} {}
};

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
CWnd* AfxGetMainWnd();

// Shows a message box owned by the main window, titled with the application's name.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK);

// Registers (once) a window class served by the framework's window procedure and returns its name.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                           HICON icon = nullptr);

// The window procedure shared by every window the framework creates or subclasses.
LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
