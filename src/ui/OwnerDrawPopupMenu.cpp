#include "ui/OwnerDrawPopupMenu.h"

#include "framework/Dc.h"

#include <algorithm>

namespace {

constexpr COLORREF kSelectedFill = 0xCFB9B1;
constexpr COLORREF kIconColumnFill = 0xD1D8DB;
constexpr COLORREF kTextFill = 0xF7F8F9;
constexpr COLORREF kMarkColor = RGB(30, 110, 180);
constexpr int kIconInset = 3;
constexpr int kTextIndent = 8;
constexpr int kMarkDiameter = 8;
constexpr int kMarkRightMargin = 10;
// Room after the longest caption: the mark's place and a margin.
constexpr int kCaptionEndRoom = kMarkDiameter + 2 * kMarkRightMargin;

void drawIcon(HDC dc, UINT iconId, int x, int y)
{
    // Loaded at its own size: a system-sized icon would be scaled up and down again, and blur.
    const auto icon = static_cast<HICON>(::LoadImageA(
        AfxGetInstanceHandle(), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
        OwnerDrawPopupMenu::kIconSize, OwnerDrawPopupMenu::kIconSize, LR_DEFAULTCOLOR));
    if (icon == nullptr)
        return;
    ::DrawIconEx(dc, x, y, icon, OwnerDrawPopupMenu::kIconSize, OwnerDrawPopupMenu::kIconSize, 0,
                 nullptr, DI_NORMAL);
    ::DestroyIcon(icon);
}

void drawMark(HDC dc, const RECT& item)
{
    const int centreY = (item.top + item.bottom) / 2;
    const int right = item.right - kMarkRightMargin;
    const HBRUSH brush = ::CreateSolidBrush(kMarkColor);
    const HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::Ellipse(dc, right - kMarkDiameter, centreY - kMarkDiameter / 2, right + 1,
              centreY + kMarkDiameter / 2 + 1);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(brush);
}

}  // namespace

BOOL OwnerDrawPopupMenu::AppendItem(UINT id, const Item& item)
{
    items.push_back(item);
    return AppendMenu(MF_OWNERDRAW, id, &items.back());
}

int OwnerDrawPopupMenu::captionWidth(const std::string& text)
{
    // Items are drawn with the system's menu font; measured in it on the screen's DC.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return 0;
    const HFONT font = ::CreateFontIndirectA(&metrics.lfMenuFont);
    const HDC dc = ::GetDC(nullptr);
    const HGDIOBJ oldFont = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(nullptr, dc);
    ::DeleteObject(font);
    return extent.cx;
}

void OwnerDrawPopupMenu::MeasureItem(LPMEASUREITEMSTRUCT item)
{
    // 140 pixels, or wider where a caption needs it: a caption is never cut off.
    const auto* data = reinterpret_cast<const Item*>(item->itemData);
    const int captionRoom = data != nullptr ? kIconColumnWidth + kTextIndent +
                                                  captionWidth(data->text) + kCaptionEndRoom
                                            : 0;
    item->itemWidth = static_cast<UINT>(std::max(kItemWidth, captionRoom));
    item->itemHeight = kItemHeight;
}

void OwnerDrawPopupMenu::DrawItem(LPDRAWITEMSTRUCT item)
{
    const auto* data = reinterpret_cast<const Item*>(item->itemData);
    if (data == nullptr)
        return;
    const HDC dc = item->hDC;
    const RECT bounds = item->rcItem;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    ::SetBkMode(dc, TRANSPARENT);

    RECT iconColumn{bounds.left, bounds.top, bounds.left + kIconColumnWidth, bounds.bottom};
    if (selected) {
        const HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
        const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
        ::Rectangle(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        ::SelectObject(dc, oldPen);
        ::SelectObject(dc, oldBrush);
        RECT inside = bounds;
        ::InflateRect(&inside, -1, -1);
        FillSolidRect(dc, inside, kSelectedFill);
    } else {
        FillSolidRect(dc, iconColumn, kIconColumnFill);
        RECT rest{iconColumn.right, bounds.top, bounds.right, bounds.bottom};
        FillSolidRect(dc, rest, kTextFill);
    }

    ::InflateRect(&iconColumn, -kIconInset, -kIconInset);
    if (selected)
        ::OffsetRect(&iconColumn, -1, -1);
    drawIcon(dc, selected ? data->selectedIcon : data->normalIcon, iconColumn.left, iconColumn.top);

    RECT textArea{bounds.left + kIconColumnWidth + kTextIndent, bounds.top, bounds.right,
                  bounds.bottom};
    ::DrawTextA(dc, data->text.c_str(), -1, &textArea, DT_SINGLELINE | DT_VCENTER);
    if (data->marked)
        drawMark(dc, bounds);
}
