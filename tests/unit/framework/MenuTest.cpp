// Popup menus: an owner-drawn item is measured and drawn by the CMenu object it belongs to, while
// its menu is tracked, whichever window owns the menu.
#include "framework/Menu.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingMenu : public CMenu {
public:
    std::vector<ULONG_PTR> measured;  // item data of each item measured
    std::vector<ULONG_PTR> drawn;     // item data of each item drawn

    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        measured.push_back(item->itemData);
        item->itemWidth = 100;
        item->itemHeight = 30;
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        drawn.push_back(item->itemData);
        // Closing from the first drawing ends the test's menu without waiting for anyone.
        ::EndMenu();
    }
};

TEST(Menu, OwnerDrawnItemsAreMeasuredAndDrawnByTheTrackedMenusObject)
{
    CWnd owner;
    ASSERT_TRUE(createTopLevel(owner));
    owner.ShowWindow(SW_SHOWNA);
    static const int first = 1, second = 2;
    RecordingMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 101, &first));
    ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 102, &second));

    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 0) << "closed, nothing chosen";
    EXPECT_EQ(menu.measured, (std::vector<ULONG_PTR>{reinterpret_cast<ULONG_PTR>(&first),
                                                     reinterpret_cast<ULONG_PTR>(&second)}));
    ASSERT_FALSE(menu.drawn.empty());
    EXPECT_EQ(menu.drawn.front(), reinterpret_cast<ULONG_PTR>(&first));
    EXPECT_EQ(CMenu::TrackedMenu(), nullptr) << "no menu is tracked once it has closed";

    // Outside tracking, an owner-drawn menu message is the window's own business.
    DRAWITEMSTRUCT stray{};
    stray.CtlType = ODT_MENU;
    EXPECT_EQ(owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&stray)), 0);
    owner.DestroyWindow();
}

TEST(Menu, DestroysItsMenuWithItself)
{
    HMENU handle = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        handle = menu.m_hMenu;
        EXPECT_TRUE(::IsMenu(handle));
    }
    EXPECT_FALSE(::IsMenu(handle));
}

}  // namespace
