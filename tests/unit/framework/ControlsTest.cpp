// The standard controls' wrappers on real controls, and the hook that runs before a subclassed
// control's messages reach its object.
#include "framework/Controls.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

namespace {

class SubclassCounter : public CWnd {
public:
    int preSubclassCalls = 0;
    bool hadHandle = false;

protected:
    void PreSubclassWindow() override
    {
        ++preSubclassCalls;
        hadHandle = m_hWnd != nullptr;
    }
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createTopLevel(parent)); }
    void TearDown() override { parent.DestroyWindow(); }

    HWND child(const char* className, DWORD style)
    {
        return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100,
                                 parent.m_hWnd, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    }
    CWnd parent;
};

TEST_F(ControlsTest, PreSubclassWindowRunsOnceWithTheHandle)
{
    SubclassCounter control;
    ASSERT_TRUE(control.SubclassWindow(child("BUTTON", BS_PUSHBUTTON)));
    EXPECT_EQ(control.preSubclassCalls, 1);
    EXPECT_TRUE(control.hadHandle);
}

TEST_F(ControlsTest, SliderKeepsItsRangeAndPosition)
{
    CSliderCtrl slider;
    ASSERT_TRUE(slider.SubclassWindow(child(TRACKBAR_CLASSA, TBS_VERT)));
    slider.SetRange(0, 110);
    slider.SetPos(100);
    EXPECT_EQ(slider.GetPos(), 100);
    EXPECT_EQ(slider.SendMessage(TBM_GETRANGEMAX), 110);
    slider.SetPos(500);
    EXPECT_EQ(slider.GetPos(), 110) << "held to the range";
}

TEST_F(ControlsTest, ListHoldsItsRowsAndTheirTexts)
{
    CListCtrl list;
    ASSERT_TRUE(list.SubclassWindow(child(WC_LISTVIEWA, LVS_REPORT)));
    EXPECT_EQ(list.InsertColumn(0, "Path", LVCFMT_CENTER, 150), 0);
    EXPECT_EQ(list.InsertColumn(1, "State", LVCFMT_CENTER, 50), 1);
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_EQ(list.InsertItem(1, "second"), 1);
    EXPECT_TRUE(list.SetItemText(1, 1, "ON"));
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(1, 0), "second");
    EXPECT_EQ(list.GetItemText(1, 1), "ON");
    EXPECT_EQ(list.GetFirstSelected(), -1);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), "second");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ControlsTest, ButtonReportsItsCheckAndStyle)
{
    CButton box;
    ASSERT_TRUE(box.SubclassWindow(child("BUTTON", BS_AUTOCHECKBOX)));
    box.SetCheck(BST_CHECKED);
    EXPECT_EQ(box.GetCheck(), BST_CHECKED);
    EXPECT_EQ(box.GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));
    box.SetButtonStyle(BS_OWNERDRAW);
    EXPECT_EQ(box.GetButtonStyle(), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(box.GetWindowText(), "");
    box.SetWindowText("Fix Color");
    EXPECT_EQ(box.GetWindowText(), "Fix Color");
}

TEST_F(ControlsTest, TooltipTakesAToolOverItsOwner)
{
    CStatic link;
    ASSERT_TRUE(link.SubclassWindow(child("STATIC", SS_NOTIFY)));
    CToolTipCtrl tooltip;
    ASSERT_TRUE(tooltip.Create(&link));
    EXPECT_TRUE(tooltip.AddTool(&link, "http://www.example.org/", RECT{0, 0, 200, 100}, 1));
    EXPECT_EQ(tooltip.SendMessage(TTM_GETTOOLCOUNT), 1);
    tooltip.DestroyWindow();
}

}  // namespace
