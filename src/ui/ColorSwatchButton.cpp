#include "ui/ColorSwatchButton.h"

#include "framework/Dc.h"

BEGIN_MESSAGE_MAP(ColorSwatchButton, CButton)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL ColorSwatchButton::SetColor(COLORREF colour)
{
    colour_ = colour;
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

void ColorSwatchButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    FillSolidRect(item->hDC, item->rcItem, colour_);
    const HBRUSH frame = ::CreateSolidBrush(RGB(255, 255, 255));
    ::FrameRect(item->hDC, &item->rcItem, frame);
    ::DeleteObject(frame);
}
