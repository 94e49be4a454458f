#include "framework/Controls.h"

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width)
{
    LVCOLUMNA lvc{};
    lvc.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.fmt = format;
    lvc.cx = width;
    lvc.pszText = const_cast<LPSTR>(heading);
    lvc.iSubItem = column;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&lvc)));
}

int CListCtrl::InsertItem(int item, LPCSTR text)
{
    LVITEMA lvi{};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = item;
    lvi.pszText = const_cast<LPSTR>(text);
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
}

BOOL CListCtrl::SetItemText(int item, int column, LPCSTR text)
{
    LVITEMA lvi{};
    lvi.iSubItem = column;
    lvi.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lvi)));
}

std::string CListCtrl::GetItemText(int item, int column) const
{
    char text[MAX_PATH + 1] = "";
    LVITEMA lvi{};
    lvi.iSubItem = column;
    lvi.pszText = text;
    lvi.cchTextMax = sizeof text;
    SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lvi));
    return text;
}

BOOL CToolTipCtrl::Create(CWnd* owner)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner->m_hWnd,
                    nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* owner, LPCSTR text, const RECT& area, UINT toolId)
{
    TTTOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner->m_hWnd;
    info.uId = toolId;
    info.rect = area;
    info.lpszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}
