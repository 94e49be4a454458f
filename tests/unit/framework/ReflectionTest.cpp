// Notifications that a parent receives about a control are offered to the control's object first.
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kButtonId = 11;
constexpr int kListId = 12;
constexpr int kFirstRangeId = 20;
constexpr int kLastRangeId = 22;

class ReflectingButton : public CWnd {
public:
    int clicks = 0;
    int draws = 0;
    HBRUSH brush = nullptr;

protected:
    void OnClicked() { ++clicks; }
    void DrawItem(LPDRAWITEMSTRUCT) { ++draws; }
    HBRUSH CtlColor(HDC, UINT) { return brush; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class HeaderWatcher : public CWnd {
public:
    int customDraws = 0;

protected:
    void OnCustomDraw(NMHDR*, LRESULT* result)
    {
        ++customDraws;
        *result = CDRF_DODEFAULT;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HeaderWatcher, CWnd)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

class ParentWnd : public CWnd {
public:
    int parentClicks = 0;
    int parentCtlColors = 0;
    int parentNotifies = 0;
    std::vector<UINT> rangeClicks;

protected:
    void OnButtonClicked() { ++parentClicks; }
    void OnRangeClicked(UINT id) { rangeClicks.push_back(id); }
    LRESULT OnCtlColorStatic(WPARAM, LPARAM)
    {
        ++parentCtlColors;
        return reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH));
    }
    void OnListNotify(NMHDR*, LRESULT* result)
    {
        ++parentNotifies;
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
    ON_BN_CLICKED(kButtonId, OnButtonClicked)
    ON_CONTROL_RANGE(BN_CLICKED, kFirstRangeId, kLastRangeId, OnRangeClicked)
    ON_MESSAGE(WM_CTLCOLORSTATIC, OnCtlColorStatic)
    ON_NOTIFY(NM_CUSTOMDRAW, kListId, OnListNotify)
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(createTopLevel(parent));
        buttonHandle = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                         0, 0, 40, 20, parent.m_hWnd,
                                         reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
        ASSERT_TRUE(button.SubclassWindow(buttonHandle));
    }
    void TearDown() override { parent.DestroyWindow(); }

    void click()
    {
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(buttonHandle));
    }

    ParentWnd parent;
    ReflectingButton button;
    HWND buttonHandle = nullptr;
};

TEST_F(ReflectionTest, ControlTakesItsClickBeforeTheParent)
{
    click();
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(parent.parentClicks, 0);
}

TEST_F(ReflectionTest, ClickOfAControlWithoutHandlerGoesToTheParentsCommandMap)
{
    button.UnsubclassWindow();
    CWnd plainButton;
    ASSERT_TRUE(plainButton.SubclassWindow(buttonHandle));
    click();
    EXPECT_EQ(button.clicks, 0);
    EXPECT_EQ(parent.parentClicks, 1);
}

TEST_F(ReflectionTest, ARangeEntryTakesTheClicksOfItsIdsAndTellsTheHandlerWhich)
{
    for (int id = kFirstRangeId - 1; id <= kLastRangeId + 1; ++id)
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kFirstRangeId, BN_DOUBLECLICKED), 0);
    EXPECT_EQ(parent.rangeClicks, (std::vector<UINT>{20, 21, 22}));
}

TEST_F(ReflectionTest, OwnerDrawReachesTheControlButNotForMenus)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kButtonId;
    item.hwndItem = buttonHandle;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(button.draws, 1);

    item.CtlType = ODT_MENU;
    parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(button.draws, 1) << "a menu item's handle field is not a window";
}

TEST_F(ReflectionTest, ControlBrushWinsAndNullBrushLeavesItToTheParent)
{
    const HDC dc = ::GetDC(buttonHandle);
    button.brush = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(buttonHandle)),
              reinterpret_cast<LRESULT>(button.brush));
    EXPECT_EQ(parent.parentCtlColors, 0);

    button.brush = nullptr;
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(buttonHandle)),
              reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(parent.parentCtlColors, 1);
    ::ReleaseDC(buttonHandle, dc);
}

TEST_F(ReflectionTest, NotificationGoesToTheWindowItIsFrom)
{
    // A list view's header sends NM_CUSTOMDRAW of its own: it must reach the header's object, and
    // the list's own notification must reach the parent's map, not the header.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&controls));
    const HWND list = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 100, 100,
                                        parent.m_hWnd, reinterpret_cast<HMENU>(kListId), nullptr,
                                        nullptr);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = 50;
    ListView_InsertColumn(list, 0, &column);  // some list views make their header only now
    const HWND header = ListView_GetHeader(list);
    ASSERT_NE(header, nullptr);
    HeaderWatcher watcher;
    ASSERT_TRUE(watcher.SubclassWindow(header));

    NMHDR fromHeader{header, static_cast<UINT_PTR>(::GetDlgCtrlID(header)), NM_CUSTOMDRAW};
    parent.SendMessage(WM_NOTIFY, fromHeader.idFrom, reinterpret_cast<LPARAM>(&fromHeader));
    EXPECT_EQ(watcher.customDraws, 1);
    EXPECT_EQ(parent.parentNotifies, 0);

    NMHDR fromList{list, kListId, NM_CUSTOMDRAW};
    parent.SendMessage(WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&fromList));
    EXPECT_EQ(watcher.customDraws, 1);
    EXPECT_EQ(parent.parentNotifies, 1);
}

}  // namespace
