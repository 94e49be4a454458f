#include "ui/IconButton.h"

#include "framework/Dc.h"

BEGIN_MESSAGE_MAP(IconButton, CButton)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_KILLFOCUS()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

constexpr int kIconMargin = 3;
constexpr int kFocusInset = 3;

HICON loadIcon(UINT id)
{
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id),
                                           IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
}

void line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour)
{
    const HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
    const HGDIOBJ old = ::SelectObject(dc, pen);
    ::MoveToEx(dc, x0, y0, nullptr);
    ::LineTo(dc, x1, y1);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

// A one-pixel frame: `topLeft` along the top and left edges, `bottomRight` along the others.
void frame3d(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    line(dc, r.left, r.bottom - 1, r.left, r.top, topLeft);
    line(dc, r.left, r.top, r.right - 1, r.top, topLeft);
    line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, bottomRight);
    line(dc, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1, bottomRight);
}

}  // namespace

IconButton::IconButton()
    : backIn(::GetSysColor(COLOR_BTNFACE)), foreIn(::GetSysColor(COLOR_BTNTEXT)),
      backOut(::GetSysColor(COLOR_BTNFACE)), foreOut(::GetSysColor(COLOR_BTNTEXT))
{
}

IconButton::~IconButton()
{
    if (iconOut != nullptr && iconOut != iconIn)
        ::DestroyIcon(iconOut);
    if (iconIn != nullptr)
        ::DestroyIcon(iconIn);
    if (cursor != nullptr)
        ::DestroyCursor(cursor);
}

void IconButton::PreSubclassWindow()
{
    SetButtonStyle(GetButtonStyle() | BS_OWNERDRAW);
}

void IconButton::SetIcon(UINT hoverIconId, UINT idleIconId, int width, int height)
{
    iconIn = loadIcon(hoverIconId);
    iconOut = idleIconId != 0 ? loadIcon(idleIconId) : iconIn;
    iconWidth = static_cast<unsigned char>(width);
    iconHeight = static_cast<unsigned char>(height);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void IconButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool focused = (item->itemState & ODS_FOCUS) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    const RECT itemArea = item->rcItem;
    const int width = itemArea.right - itemArea.left;
    const int height = itemArea.bottom - itemArea.top;

    // Drawn off screen and copied in one go, so hovering never flickers; a printer is drawn on.
    const bool printer = ::GetDeviceCaps(item->hDC, TECHNOLOGY) == DT_RASPRINTER;
    HDC dc = item->hDC;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    if (!printer) {
        dc = ::CreateCompatibleDC(item->hDC);
        bitmap = ::CreateCompatibleBitmap(item->hDC, width, height);
        oldBitmap = ::SelectObject(dc, bitmap);
        ::SetWindowOrgEx(dc, itemArea.left, itemArea.top, nullptr);
    }

    RECT area = itemArea;
    if (!flat && focused) {
        ::FrameRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&area, -1, -1);
    }
    const bool lit = mouseOn != 0 || pressed;
    FillSolidRect(dc, area, lit ? backIn : backOut);
    drawBorders(dc, area, pressed);

    const std::string text = showText != 0 ? GetWindowText() : std::string();
    RECT textArea = itemArea;
    if (iconIn != nullptr)
        drawIcon(dc, itemArea, textArea, !text.empty(), pressed, disabled);

    if (!text.empty()) {
        if (pressed)
            ::OffsetRect(&textArea, 1, 1);
        const HGDIOBJ oldFont = ::SelectObject(dc, GetFont());
        ::SetTextColor(dc, lit ? foreIn : foreOut);
        ::SetBkColor(dc, lit ? backIn : backOut);
        RECT measured = textArea;
        ::DrawTextA(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
        const int textWidth = measured.right - measured.left;
        const int textHeight = measured.bottom - measured.top;
        const int x = textArea.left + ((textArea.right - textArea.left) - textWidth) / 2;
        const int y = textArea.top + ((textArea.bottom - textArea.top) - textHeight) / 2;
        ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()),
                     static_cast<WPARAM>(text.size()), x, y, textWidth, textHeight,
                     DST_PREFIXTEXT | (disabled ? DSS_DISABLED : 0));
        ::SelectObject(dc, oldFont);
    }

    if (focused && (!flat || drawFlatFocus != 0)) {
        RECT focus = itemArea;
        ::InflateRect(&focus, -kFocusInset, -kFocusInset);
        ::DrawFocusRect(dc, &focus);
    }

    if (!printer) {
        ::BitBlt(item->hDC, itemArea.left, itemArea.top, width, height, dc, itemArea.left,
                 itemArea.top, SRCCOPY);
        ::SelectObject(dc, oldBitmap);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
}

void IconButton::drawBorders(HDC dc, RECT& area, bool pressed) const
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (pressed && !flat) {
        const HBRUSH brush = ::CreateSolidBrush(shadow);
        ::FrameRect(dc, &area, brush);
        ::DeleteObject(brush);
    } else if (pressed && drawBorder != 0) {
        frame3d(dc, area, shadow, highlight);
    } else if (!pressed && !flat) {
        frame3d(dc, area, highlight, ::GetSysColor(COLOR_3DDKSHADOW));
        RECT inner = area;
        ::InflateRect(&inner, -1, -1);
        frame3d(dc, inner, ::GetSysColor(COLOR_3DLIGHT), shadow);
    } else if (!pressed && mouseOn != 0 && drawBorder != 0) {
        frame3d(dc, area, highlight, shadow);
    }
}

void IconButton::drawIcon(HDC dc, const RECT& item, RECT& textArea, bool hasText, bool pressed,
                          bool disabled) const
{
    RECT place = item;
    const int itemWidth = item.right - item.left;
    const int itemHeight = item.bottom - item.top;
    if (align == 0) {
        if (hasText) {
            place.left += kIconMargin;
            textArea.left = place.left + iconWidth + kIconMargin;
        } else {
            place.left += (itemWidth - iconWidth) / 2;
        }
        place.top += (itemHeight - iconHeight) / 2;
    } else {
        place.left += (itemWidth - iconWidth) / 2;
        if (hasText)
            textArea.top += iconHeight;
        else
            place.top += (itemHeight - iconHeight) / 2;
    }
    if (pressed)
        ::OffsetRect(&place, 1, 1);
    const HICON icon = mouseOn != 0 || pressed ? iconIn : iconOut;
    ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, place.left, place.top,
                 iconWidth, iconHeight, DST_ICON | (disabled ? DSS_DISABLED : 0));
}

void IconButton::OnMouseMove(UINT flags, CPoint point)
{
    CButton::OnMouseMove(flags, point);
    // A press that started elsewhere and was dragged here does not light the button.
    if ((flags & MK_LBUTTON) != 0 && mouseOn == 0)
        return;
    if (!flat)
        return;
    if (::GetCapture() != m_hWnd && GetParent() != nullptr) {
        mouseOn = 1;
        SetCapture();
        Invalidate();
        return;
    }
    RECT client;
    GetClientRect(&client);
    if (!::PtInRect(&client, point)) {
        if (mouseOn != 0) {
            mouseOn = 0;
            Invalidate();
        }
        if ((flags & MK_LBUTTON) == 0)
            ::ReleaseCapture();
    }
}

void IconButton::OnCaptureChanged(HWND window)
{
    if (mouseOn != 0) {
        ::ReleaseCapture();
        Invalidate();
    }
    CButton::OnCaptureChanged(window);
}

void IconButton::OnKillFocus(HWND window)
{
    CButton::OnKillFocus(window);
    if (flat && mouseOn != 0) {
        mouseOn = 0;
        Invalidate();
    }
}

BOOL IconButton::OnSetCursor(HWND window, UINT hitTest, UINT message)
{
    if (cursor != nullptr) {
        ::SetCursor(cursor);
        return TRUE;
    }
    return CButton::OnSetCursor(window, hitTest, message);
}
