// The owner-drawn controls: their check state, hover and capture rules, what they draw, and how
// the link opens its address.
#include "ui/ColorSwatchButton.h"
#include "ui/HighlightListCtrl.h"
#include "ui/HyperlinkStatic.h"
#include "ui/IconButton.h"
#include "ui/IconCheckBox.h"
#include "ui/OwnerDrawPopupMenu.h"
#include "ui/SkinnedSlider.h"

#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kControlId = 21;

// A parent that counts the commands it receives, as a dialog's handlers would.
class ParentWindow : public CWnd {
public:
    std::vector<WPARAM> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam == 0)  // commands, not control notifications, which are reflected
            commands.push_back(wParam);
        return CWnd::OnCommand(wParam, lParam);
    }
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                    400, 300, nullptr, nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }

    HWND child(const char* className, const char* text, DWORD style, int width = 120,
               int height = 40)
    {
        return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, width,
                                 height, parent.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)),
                                 nullptr, nullptr);
    }
    // The parent hears of a button click, which it reflects to the control.
    void click(CWnd& control)
    {
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(kControlId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(control.m_hWnd));
    }

    ParentWindow parent;
};

// Draws `control` into a bitmap of its size through DrawItem and returns the pixel at (x, y).
class DrawnPixels {
public:
    DrawnPixels(CButton& control, UINT state)
    {
        RECT client;
        control.GetClientRect(&client);
        width = client.right;
        height = client.bottom;
        const HDC screen = ::GetDC(nullptr);
        dc = ::CreateCompatibleDC(screen);
        bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        old = ::SelectObject(dc, bitmap);
        DRAWITEMSTRUCT item{ODT_BUTTON, kControlId, 0, ODA_DRAWENTIRE, state, control.m_hWnd, dc,
                            client, 0};
        control.DrawItem(&item);
    }
    ~DrawnPixels()
    {
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
    COLORREF at(int x, int y) const { return ::GetPixel(dc, x, y); }

    int width = 0, height = 0;

private:
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

TEST_F(ControlsTest, CheckBoxKeepsItsOwnStateAndTellsTheParentAfterFlipping)
{
    IconCheckBox box;
    ASSERT_TRUE(box.SubclassWindow(child("BUTTON", "Fix Color", BS_AUTOCHECKBOX | BS_LEFTTEXT)));
    EXPECT_EQ(box.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_NE(box.GetStyle() & BS_LEFTTEXT, 0u) << "the rest of the style stays";

    EXPECT_EQ(box.SendMessage(BM_SETCHECK, BST_INDETERMINATE), 0);
    EXPECT_EQ(box.GetCheck(), 1) << "indeterminate counts as checked";
    box.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_EQ(box.GetCheck(), 0);

    click(box);
    EXPECT_TRUE(box.isChecked());
    EXPECT_TRUE(parent.commands.empty()) << "the parent hears of it after the flip";
    pumpMessages();
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0], static_cast<WPARAM>(kControlId)) << "as a plain command";
    click(box);
    EXPECT_FALSE(box.isChecked()) << "a parent that does nothing leaves a toggle";
}

TEST_F(ControlsTest, CheckBoxLightsUpUnderThePointerButNotWhenDraggedOnto)
{
    IconCheckBox box;
    ASSERT_TRUE(box.SubclassWindow(child("BUTTON", "Show Terra", BS_AUTOCHECKBOX)));
    pumpMessages();
    RECT bounds;
    box.GetWindowRect(&bounds);
    ::SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    // Lit, the box's face is the highlight colour; a point above the caption shows which.
    const auto lit = [&box] {
        return DrawnPixels(box, 0).at(25, 2) == ::GetSysColor(COLOR_BTNHIGHLIGHT);
    };
    ASSERT_NE(::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNFACE));
    box.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_FALSE(lit()) << "a press from elsewhere dragged onto it";
    box.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(lit());
    box.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(lit());
}

TEST_F(ControlsTest, CheckBoxDrawsItsIndicatorInTheColorOfItsState)
{
    IconCheckBox box;
    ASSERT_TRUE(box.SubclassWindow(child("BUTTON", "", BS_AUTOCHECKBOX)));
    box.SetIndicatorColors(RGB(0, 255, 0), RGB(0, 0, 0));
    box.SetCheck(true);
    // The indicator's 15-pixel circle stands at the left, 3 pixels in; its middle is its fill.
    const int middleX = 3 + 7, middleY = (40 - 3 - 15 - 3) / 2 + 2 + 7;
    EXPECT_EQ(DrawnPixels(box, 0).at(middleX, middleY), RGB(0, 255, 0));
    box.SetCheck(false);
    EXPECT_EQ(DrawnPixels(box, 0).at(middleX, middleY), RGB(0, 0, 0));
    EXPECT_EQ(DrawnPixels(box, ODS_DISABLED).at(middleX, middleY), ::GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(ControlsTest, IconButtonLightsUpWhileThePointerIsOverItAndHoldsTheMouseMeanwhile)
{
    IconButton button;
    ASSERT_TRUE(button.SubclassWindow(child("BUTTON", "&Add", BS_PUSHBUTTON)));
    EXPECT_EQ(button.GetButtonStyle() & 0x0F, static_cast<UINT>(BS_OWNERDRAW));

    // Lit, the button shows its raised border.
    const auto lit = [&button] {
        return DrawnPixels(button, 0).at(0, 20) == ::GetSysColor(COLOR_BTNHIGHLIGHT);
    };
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(lit()) << "a press from elsewhere dragged onto it";
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(lit());
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 10));
    EXPECT_FALSE(lit());
    EXPECT_EQ(::GetCapture(), nullptr);

    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    button.SendMessage(WM_KILLFOCUS);
    EXPECT_FALSE(lit()) << "losing the focus ends the hover";
    ::ReleaseCapture();
}

TEST_F(ControlsTest, IconButtonShowsItsBorderOnlyWhileHovered)
{
    IconButton button;
    ASSERT_TRUE(button.SubclassWindow(child("BUTTON", "", BS_PUSHBUTTON)));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(DrawnPixels(button, 0).at(0, 20), face) << "flat when idle";
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(DrawnPixels(button, 0).at(0, 20), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(DrawnPixels(button, ODS_SELECTED).at(0, 20), ::GetSysColor(COLOR_BTNSHADOW))
        << "sunken while pressed";
    ::ReleaseCapture();
}

TEST_F(ControlsTest, SwatchShowsItsColorInAWhiteFrame)
{
    ColorSwatchButton swatch;
    ASSERT_TRUE(swatch.SubclassWindow(child("BUTTON", "", BS_OWNERDRAW)));
    EXPECT_EQ(DrawnPixels(swatch, 0).at(60, 20), RGB(255, 0, 0)) << "red until told otherwise";
    EXPECT_TRUE(swatch.SetColor(RGB(10, 200, 30)));
    DrawnPixels pixels(swatch, 0);
    EXPECT_EQ(pixels.at(60, 20), RGB(10, 200, 30));
    EXPECT_EQ(pixels.at(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(pixels.at(119, 39), RGB(255, 255, 255));
}

// Sends the control's parent a custom-draw notification from it, which comes back reflected.
LRESULT customDraw(CWnd& parent, CWnd& control, DWORD stage, DWORD_PTR item, NMLVCUSTOMDRAW* info)
{
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr = {control.m_hWnd, static_cast<UINT_PTR>(kControlId),
                     static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.dwItemSpec = item;
    const LRESULT result =
        parent.SendMessage(WM_NOTIFY, kControlId, reinterpret_cast<LPARAM>(&draw));
    if (info != nullptr)
        *info = draw;
    return result;
}

TEST_F(ControlsTest, SliderDrawsItsThumbChannelFrameAndEndDotsItself)
{
    SkinnedSlider slider;
    ASSERT_TRUE(slider.SubclassWindow(child(TRACKBAR_CLASSA, "", TBS_VERT, 30, 150)));
    EXPECT_EQ(customDraw(parent, slider, CDDS_PREPAINT, 0, nullptr), 0x30);
    EXPECT_EQ(customDraw(parent, slider, CDDS_ITEMPREPAINT, TBCD_TICS, nullptr), CDRF_DODEFAULT);
    EXPECT_EQ(customDraw(parent, slider, CDDS_ITEMPREPAINT, TBCD_CHANNEL, nullptr),
              CDRF_NOTIFYPOSTPAINT);
    EXPECT_EQ(customDraw(parent, slider, CDDS_PREERASE, 0, nullptr), CDRF_DODEFAULT);

    // Painted into a bitmap: the white dot at the top (the minimum), the green one at the bottom.
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 30, 150);
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ old = ::SelectObject(dc, bitmap);
    slider.SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    EXPECT_EQ(::GetPixel(dc, 4, 4), RGB(255, 255, 255));
    EXPECT_EQ(::GetPixel(dc, 4, 150 - 5), RGB(0, 255, 0));
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

TEST_F(ControlsTest, ListMarksTheCurrentRowGreenAndEveryOtherSandy)
{
    HighlightListCtrl list;
    ASSERT_TRUE(list.SubclassWindow(child(WC_LISTVIEWA, "", LVS_REPORT, 200, 100)));
    EXPECT_EQ(customDraw(parent, list, CDDS_PREPAINT, 0, nullptr), CDRF_NOTIFYITEMDRAW);
    list.markRow(2);
    for (DWORD_PTR row = 0; row < 4; ++row) {
        NMLVCUSTOMDRAW drawn{};
        EXPECT_EQ(customDraw(parent, list, CDDS_ITEMPREPAINT, row, &drawn), CDRF_DODEFAULT);
        EXPECT_EQ(drawn.clrText, 0xFF0000u) << "blue text";
        EXPECT_EQ(drawn.clrTextBk, row == 2 ? 0x00FF00u : 0x82B8C4u) << "row " << row;
    }
}

// An opener that records what the link asks of it and answers as told.
class RecordingOpener : public LinkOpener {
public:
    int addressResult = 2, programResult = 2, commandResult = 2;
    std::string registered;  // the registered command; none when empty
    std::vector<std::string> calls;

    int openAddress(const std::string& address) override
    {
        calls.push_back("address " + address);
        return addressResult;
    }
    int openWithProgram(const char* program, const std::string& quotedAddress) override
    {
        calls.push_back(std::string(program) + " " + quotedAddress);
        return programResult;
    }
    bool webPageCommand(std::string& command) override
    {
        command = registered;
        return !registered.empty();
    }
    int runCommand(const std::string& commandLine) override
    {
        calls.push_back("run " + commandLine);
        return commandResult;
    }
};

// Answers the next message box with OK as soon as it shows, and keeps its text.
std::string lastMessage;
void CALLBACK answerMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND box = ::FindWindowA("#32770", nullptr);
    if (box == nullptr)
        return;
    char text[256] = "";
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    lastMessage = text;
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ::KillTimer(nullptr, timer);
}

TEST_F(ControlsTest, LinkOpensTheAddressWithItsOwnHandlerFirstAndAlwaysQuoted)
{
    RecordingOpener opener;
    HyperlinkStatic link(opener);
    ASSERT_TRUE(link.SubclassWindow(child("STATIC", "http://www.example.org/bluereef/", 0)));
    EXPECT_EQ(link.textColor(), link.linkColor);

    opener.addressResult = 42;
    EXPECT_EQ(link.open(), 42);
    EXPECT_EQ(opener.calls, (std::vector<std::string>{"address http://www.example.org/bluereef/"}));
    EXPECT_EQ(link.textColor(), link.visitedColor);

    opener.calls.clear();
    opener.addressResult = 2;
    opener.registered = "C:\\browser.exe -new \"%1\" -x";
    opener.commandResult = 33;
    EXPECT_EQ(link.open(), 33);
    EXPECT_EQ(opener.calls,
              (std::vector<std::string>{"address http://www.example.org/bluereef/",
                                        "IEXPLORE \"http://www.example.org/bluereef/\"",
                                        "run C:\\browser.exe -new  \"http://www.example.org/bluereef/\""}));

    opener.calls.clear();
    opener.commandResult = 2;
    ::SetTimer(nullptr, 0, 50, answerMessageBox);
    EXPECT_EQ(link.open(), 2);
    EXPECT_EQ(link.textColor(), link.linkColor) << "a failure after a success turns the link back";
    EXPECT_EQ(lastMessage, "Unable to open hyperlink:\n\nThe specified file was not found.");
}

TEST_F(ControlsTest, LinkWithAQuoteOfItsOwnIsNotOpenedAtAll)
{
    RecordingOpener opener;
    HyperlinkStatic link(opener);
    ASSERT_TRUE(link.SubclassWindow(child("STATIC", "http://x/\" & calc", 0)));
    ::SetTimer(nullptr, 0, 50, answerMessageBox);
    link.open();
    EXPECT_TRUE(opener.calls.empty());
    EXPECT_EQ(HyperlinkStatic::errorText(4711), "Unknown Error (4711) occurred.");
}

// The size the menu asks for its item at `position`.
MEASUREITEMSTRUCT measured(OwnerDrawPopupMenu& menu, UINT position)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    ::GetMenuItemInfoA(menu.m_hMenu, position, TRUE, &info);
    MEASUREITEMSTRUCT item{};
    item.itemData = info.dwItemData;
    menu.MeasureItem(&item);
    return item;
}

TEST(PopupMenu, ItemsAreTheDesignedSizeUnlessACaptionNeedsMore)
{
    OwnerDrawPopupMenu menu;
    menu.CreatePopupMenu();
    menu.AppendItem(1, {0, 0, "  Exit", false});
    menu.AppendItem(2, {0, 0, "  A caption far longer than any menu item has room for", false});
    EXPECT_EQ(measured(menu, 0).itemWidth, UINT{OwnerDrawPopupMenu::kItemWidth});
    EXPECT_EQ(measured(menu, 0).itemHeight, UINT{OwnerDrawPopupMenu::kItemHeight});
    EXPECT_GT(measured(menu, 1).itemWidth, 300u) << "the long caption fits";
    EXPECT_EQ(measured(menu, 1).itemHeight, UINT{OwnerDrawPopupMenu::kItemHeight});
}

}  // namespace
