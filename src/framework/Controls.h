// The standard controls as window objects, in MFC's spelling: thin wrappers over the control
// messages, for subclassed controls of dialog templates. Owner-drawn controls derive from them.
#pragma once

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetButtonStyle() const { return static_cast<UINT>(GetStyle()) & 0xFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE)
    {
        SendMessage(BM_SETSTYLE, style, redraw);
    }
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
};

class CStatic : public CWnd {};

// A track bar (msctls_trackbar32).
class CSliderCtrl : public CWnd {
public:
    void SetRange(int low, int high, BOOL redraw = FALSE)
    {
        SendMessage(TBM_SETRANGEMIN, FALSE, low);
        SendMessage(TBM_SETRANGEMAX, redraw, high);
    }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
};

// A list view (SysListView32) in report style.
class CListCtrl : public CWnd {
public:
    void SetExtendedStyle(DWORD style) { SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
    void SetBkColor(COLORREF colour) { SendMessage(LVM_SETBKCOLOR, 0, colour); }
    void SetTextBkColor(COLORREF colour) { SendMessage(LVM_SETTEXTBKCOLOR, 0, colour); }
    void SetTextColor(COLORREF colour) { SendMessage(LVM_SETTEXTCOLOR, 0, colour); }
    int InsertColumn(int column, LPCSTR heading, int format, int width);
    int InsertItem(int item, LPCSTR text);
    BOOL SetItemText(int item, int column, LPCSTR text);
    std::string GetItemText(int item, int column) const;
    BOOL DeleteItem(int item) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, item)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // The first selected item, or -1.
    int GetFirstSelected() const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // Sets the `mask` bits of an item's state (of every item for -1) to those of `state`.
    BOOL SetItemState(int item, UINT state, UINT mask)
    {
        LVITEMA change{};
        change.state = state;
        change.stateMask = mask;
        return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                                             reinterpret_cast<LPARAM>(&change)));
    }
    BOOL RedrawItems(int first, int last)
    {
        return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, first, last));
    }
};

// A tooltip window (tooltips_class32) that shows a text over a rectangle of its owner.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* owner);
    BOOL AddTool(CWnd* owner, LPCSTR text, const RECT& area, UINT toolId);
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
};
