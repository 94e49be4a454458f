#include "ui/IconCheckBox.h"

BEGIN_MESSAGE_MAP(IconCheckBox, CButton)
    ON_WM_DRAWITEM_REFLECT()
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_MESSAGE(BM_SETCHECK, OnSetCheckMessage)
    ON_MESSAGE(BM_GETCHECK, OnGetCheckMessage)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kButtonTypeBits = 0x1F;
constexpr DWORD kAlignmentBits = 0xF00;
constexpr int kHighlightCorner = 4;
constexpr int kTextGap = 3;

// An icon's size from its hot spot: twice it, which is the size for a centred hot spot.
bool iconSize(HICON icon, int& width, int& height)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return false;
    width = static_cast<int>(info.xHotspot) * 2;
    height = static_cast<int>(info.yHotspot) * 2;
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return true;
}

// The box's icons at the small-icon size: a check box is one line of text high, and the large
// size (what LoadIcon gives) would be drawn twice that and cut off.
HICON loadSmallIcon(UINT id)
{
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id),
                                           IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                           ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

}  // namespace

IconCheckBox::~IconCheckBox()
{
    dropIcons();
}

void IconCheckBox::PreSubclassWindow()
{
    style = (GetStyle() & ~kButtonTypeBits) | BS_OWNERDRAW;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(style));
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void IconCheckBox::SetCheck(bool check, bool redraw)
{
    checked = check ? 1 : 0;
    if (redraw)
        Invalidate();
}

LRESULT IconCheckBox::OnSetCheckMessage(WPARAM state, LPARAM)
{
    // Indeterminate counts as checked: the box has two states only.
    SetCheck(state == BST_CHECKED || state == BST_INDETERMINATE);
    return 0;
}

LRESULT IconCheckBox::OnGetCheckMessage(WPARAM, LPARAM)
{
    return checked;
}

void IconCheckBox::SetIcons(UINT checkedIconId, UINT uncheckedIconId)
{
    dropIcons();
    checkedIcon = loadSmallIcon(checkedIconId);
    uncheckedIcon = loadSmallIcon(uncheckedIconId);
    if (checkedIcon == nullptr || uncheckedIcon == nullptr ||
        !iconSize(checkedIcon, checkedIconWidth, checkedIconHeight) ||
        !iconSize(uncheckedIcon, uncheckedIconWidth, uncheckedIconHeight))
        dropIcons();
    Invalidate();
}

void IconCheckBox::dropIcons()
{
    if (checkedIcon != nullptr)
        ::DestroyIcon(checkedIcon);
    if (uncheckedIcon != nullptr)
        ::DestroyIcon(uncheckedIcon);
    checkedIcon = uncheckedIcon = nullptr;
}

void IconCheckBox::SetIndicatorColors(COLORREF on, COLORREF off)
{
    onColor = on;
    offColor = off;
    Invalidate();
}

void IconCheckBox::OnClicked()
{
    checked = checked != 0 ? 0 : 1;
    Invalidate();
    // The parent hears of the click only now, with the state already flipped.
    ::PostMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), 0), 0);
}

void IconCheckBox::OnMouseMove(UINT flags, CPoint point)
{
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    const HWND under = ::WindowFromPoint(screen);
    if ((flags & MK_LBUTTON) != 0 && hover == 0)
        return;
    if (under == m_hWnd && hover == 0) {
        hover = 1;
        Invalidate();
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
    } else if (under != m_hWnd) {
        hover = 0;
        Invalidate();
    }
    CButton::OnMouseMove(flags, point);
}

LRESULT IconCheckBox::OnMouseLeave(WPARAM, LPARAM)
{
    hover = 0;
    Invalidate();
    return 0;
}

void IconCheckBox::DrawItem(LPDRAWITEMSTRUCT item)
{
    pressed = (item->itemState & ODS_SELECTED) != 0 ? 1 : 0;
    focused = (item->itemState & ODS_FOCUS) != 0 ? 1 : 0;
    disabled = (item->itemState & ODS_DISABLED) != 0 ? 1 : 0;
    const HDC dc = item->hDC;
    ::SetBkMode(dc, TRANSPARENT);

    RECT area = item->rcItem;
    const COLORREF background = ::GetSysColor(hover != 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
    const HBRUSH brush = ::CreateSolidBrush(background);
    const HPEN pen = ::CreatePen(PS_SOLID, 1, hover != 0 ? RGB(0, 0, 0) : background);
    const HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    const HGDIOBJ oldPen = ::SelectObject(dc, pen);
    if (hover != 0)
        ::RoundRect(dc, area.left, area.top, area.right, area.bottom, kHighlightCorner,
                    kHighlightCorner);
    else
        ::Rectangle(dc, area.left, area.top, area.right, area.bottom);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(pen);
    ::DeleteObject(brush);

    ::InflateRect(&area, -2, -2);
    if (focused != 0)
        ::DrawFocusRect(dc, &area);
    ::InflateRect(&area, -1, -1);

    const bool withIcons = checkedIcon != nullptr && uncheckedIcon != nullptr;
    const int size = withIcons ? checkedIconWidth : indicatorSize;
    RECT square = area;
    RECT text = area;
    if ((style & BS_LEFTTEXT) != 0) {
        square.left = area.right - size;
        text.right = square.left - kTextGap;
    } else {
        square.right = area.left + size;
        text.left = square.right + kTextGap;
    }
    square.top = (text.bottom - size - text.top) / 2 + 2;
    square.bottom = square.top + size;

    if (withIcons) {
        const int offset = pressed != 0 ? 1 : 0;
        ::DrawStateA(dc, nullptr, nullptr,
                     reinterpret_cast<LPARAM>(checked != 0 ? checkedIcon : uncheckedIcon), 0,
                     square.left + offset, offset, size, size,
                     DST_ICON | (disabled != 0 ? DSS_DISABLED : 0));
    } else {
        drawIndicator(dc, square);
    }
    drawCaption(dc, text);
}

void IconCheckBox::drawIndicator(HDC dc, RECT square) const
{
    if (pressed != 0)
        ::OffsetRect(&square, 1, 1);
    const COLORREF fill =
        disabled != 0 ? ::GetSysColor(COLOR_BTNSHADOW) : checked != 0 ? onColor : offColor;
    const HBRUSH brush = ::CreateSolidBrush(fill);
    const HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    ::Ellipse(dc, square.left, square.top, square.right, square.bottom);
    const HPEN ring = ::CreatePen(PS_SOLID, 1, offColor);
    ::SelectObject(dc, ring);
    ::InflateRect(&square, -1, -1);
    ::Ellipse(dc, square.left, square.top, square.right, square.bottom);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(ring);
    ::DeleteObject(brush);
}

void IconCheckBox::drawCaption(HDC dc, RECT area) const
{
    const std::string caption = GetWindowText();
    if (caption.empty())
        return;
    const DWORD alignment = style & kAlignmentBits;
    UINT format = DT_WORDBREAK | DT_VCENTER;
    if (alignment == BS_CENTER)
        format |= DT_CENTER;
    else if (alignment == BS_RIGHT)
        format |= DT_RIGHT;
    else
        format |= DT_LEFT;
    const HGDIOBJ oldFont = ::SelectObject(dc, GetFont());
    RECT measured = area;
    ::DrawTextA(dc, caption.c_str(), -1, &measured, format | DT_CALCRECT);
    const int freeWidth = (area.right - area.left) - (measured.right - measured.left);
    const int freeHeight = (area.bottom - area.top) - (measured.bottom - measured.top);
    if (alignment == BS_CENTER)
        ::OffsetRect(&measured, freeWidth / 2, freeHeight / 2);
    else if (alignment == BS_RIGHT)
        ::OffsetRect(&measured, freeWidth, freeHeight / 2);
    else
        ::OffsetRect(&measured, 0, freeHeight / 2);
    if (pressed != 0)
        ::OffsetRect(&measured, 1, 1);
    if (disabled != 0) {
        RECT engraved = measured;
        ::OffsetRect(&engraved, 1, 1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextA(dc, caption.c_str(), -1, &engraved, format);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
    } else {
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    }
    ::DrawTextA(dc, caption.c_str(), -1, &measured, format);
    ::SelectObject(dc, oldFont);
}
