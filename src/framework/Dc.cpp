#include "framework/Dc.h"

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, m_hDC);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}

void FillSolidRect(HDC dc, const RECT& area, COLORREF colour)
{
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &area, brush);
    ::DeleteObject(brush);
}
