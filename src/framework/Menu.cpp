#include "framework/Menu.h"

#include "framework/Wnd.h"

namespace {
// Only one popup menu is tracked at a time on the user-interface thread.
CMenu* trackedMenu = nullptr;
}  // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::CreatePopupMenu()
{
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    const BOOL destroyed = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return destroyed;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const void* item)
{
    return ::AppendMenuA(m_hMenu, flags, id, static_cast<LPCSTR>(item));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner)
{
    CMenu* const outer = trackedMenu;
    trackedMenu = this;
    const BOOL result = ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner->m_hWnd, nullptr);
    trackedMenu = outer;
    return result;
}

CMenu* CMenu::TrackedMenu()
{
    return trackedMenu;
}
