// Device contexts bound to a window for the lifetime of the object.
#pragma once

#include "framework/Wnd.h"

class CDC {
public:
    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }

protected:
    CDC() = default;
    ~CDC() = default;
};

// The window's client-area DC (GetDC / ReleaseDC).
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC();
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    HWND m_hWnd;
};

// Validates the update region while painting (BeginPaint / EndPaint).
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// Fills `area` with one colour, as MFC's CDC::FillSolidRect does, on any device context.
void FillSolidRect(HDC dc, const RECT& area, COLORREF colour);
