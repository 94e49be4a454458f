#include "ui/HighlightListCtrl.h"

namespace {
constexpr COLORREF kRowText = 0xFF0000;
constexpr COLORREF kRowBackground = 0x82B8C4;
constexpr COLORREF kCurrentRowBackground = 0x00FF00;
}  // namespace

BEGIN_MESSAGE_MAP(HighlightListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

void HighlightListCtrl::markRow(int row)
{
    markedRow = row;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void HighlightListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *result = CDRF_NOTIFYITEMDRAW;
    } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        draw->clrText = kRowText;
        draw->clrTextBk = static_cast<int>(draw->nmcd.dwItemSpec) == markedRow
                              ? kCurrentRowBackground
                              : kRowBackground;
    }
}
