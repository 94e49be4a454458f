// CMenu: a menu handle held by an object, which destroys the menu with itself. While a popup menu
// is tracked, its owner-drawn items are measured and drawn by the object's MeasureItem and
// DrawItem: the owner window's WM_MEASUREITEM and WM_DRAWITEM for menu items are sent on to it.
#pragma once

#include "framework/Afx.h"

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    // Appends an item; for MF_OWNERDRAW, `item` is the item's data, otherwise its text.
    BOOL AppendMenu(UINT flags, UINT_PTR id, const void* item);
    // Shows the popup at (x, y) in screen coordinates, owned by `owner`, and returns when it
    // closes (or, with TPM_RETURNCMD, returns the chosen item).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

    // The menu being tracked, if its object is one of ours; null otherwise.
    static CMenu* TrackedMenu();
};
