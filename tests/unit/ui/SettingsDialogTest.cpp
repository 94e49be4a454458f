// The settings dialog: its key table read and written, and the dialog itself on the program's
// settings file, driven by the messages its controls send.
#include "ui/AquariumSettingsDialog.h"

#include "SettingsFileFixture.h"
#include "res/resource.h"
#include "support/TestDirectory.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const std::string kSection = kAquariumSettingsSection;

// Every key the dialog writes, in order.
const char* const kKeys[] = {
    "Show Water", "Show Light", "Show Terra", "FRONT GUDING", "FRONTCOLOR", "FRONT MANJIANBIAN",
    "FRONT COLOR1", "FRONT COLOR2", "FRONT AUTOJIANBIAN", "CHECK LOCKFORE", "LOCKFORE ROT",
    "BACK GUDING", "BACKCOLOR", "BACK MANJIANBIAN", "BACK COLOR1", "BACK COLOR2",
    "BACK AUTOJIANBIAN", "CHECK LOCKBACK", "LOCKBACK ROT", "YINLIANG", "QIPAONUM", "BACKGROUND",
    "FOGNONGDU", "LIGHTQIANGDU", "CHECK VIEWS", "VIEWSLEFTRIGHT", "VIEWSNEARFAR"};

TEST(SettingsDialogKeys, ABoxIsCheckedOnlyByOneAGroupsLaterKeyWinsAndBadNumbersAreZero)
{
    TestDirectory directory;
    const IniFile file(directory.path() + "dialog.ini");
    AquariumSettings values{};
    values.frontAutoGradient = values.backAutoGradient = 1;
    values.volume = 99;
    KeyTexts inFile;
    loadDialogSettings(file, values, inFile);
    EXPECT_EQ(values.frontAutoGradient, 1) << "a group with no key set keeps its box";
    EXPECT_EQ(values.backAutoGradient, 1);
    EXPECT_EQ(values.volume, 0) << "a missing number reads as 0";

    const struct {
        const char* key;
        const char* text;
    } stored[] = {{"Show Water", "2"},          {"Show Terra", "1"},   {"FRONT GUDING", "1"},
                  {"FRONT AUTOJIANBIAN", "1"},  {"BACK GUDING", "1"},  {"BACK AUTOJIANBIAN", "0"},
                  {"YINLIANG", "abc"},          {"QIPAONUM", "42.9"}, {"FRONTCOLOR", "-1"},
                  {"LOCKFORE ROT", "12.5"},     {"CHECK VIEWS", "1"}};
    for (const auto& entry : stored)
        file.writeText(kSection, entry.key, entry.text);
    loadDialogSettings(file, values, inFile);
    EXPECT_EQ(values.showWater, 0) << "only 1 checks a box";
    EXPECT_EQ(values.showTerra, 1);
    EXPECT_EQ(values.frontAutoGradient, 1) << "the later key of the group wins";
    EXPECT_EQ(values.frontFixed, 0);
    EXPECT_EQ(values.backFixed, 1);
    EXPECT_EQ(values.backAutoGradient, 0);
    EXPECT_EQ(values.volume, 0);
    EXPECT_EQ(values.bubbleCount, 42);
    EXPECT_EQ(values.frontColor, -1);
    EXPECT_FLOAT_EQ(values.lockForeRotation, 12.5f);
    EXPECT_EQ(values.autoViews, 1);
}

TEST(SettingsDialogKeys, SaveWritesFlagsAsOneOrZeroPhasesWithSixDecimalsAndTheRestAsNumbers)
{
    TestDirectory directory;
    const IniFile file(directory.path() + "dialog.ini");
    AquariumSettings values{};
    values.frontFixed = 1;
    values.lockBack = 5;
    values.frontColor = 0x00FF80;
    values.lockForeRotation = 123.456f;
    values.fogDensity = 25;
    values.viewsLeftRight = 7000;
    KeyTexts inFile;
    saveDialogSettings(file, values, inFile, SaveScope::Changes);
    for (const char* key : kKeys)
        EXPECT_FALSE(file.readText(kSection, key).empty()) << key << " is written";
    EXPECT_EQ(file.readText(kSection, "FRONT GUDING"), "1");
    EXPECT_EQ(file.readText(kSection, "CHECK LOCKBACK"), "1");
    EXPECT_EQ(file.readText(kSection, "Show Water"), "0");
    EXPECT_EQ(file.readText(kSection, "FRONTCOLOR"), "65408");
    EXPECT_EQ(file.readText(kSection, "LOCKFORE ROT"), "123.456001");
    EXPECT_EQ(file.readText(kSection, "LOCKBACK ROT"), "0.000000");
    EXPECT_EQ(file.readText(kSection, "FOGNONGDU"), "25");
    EXPECT_EQ(file.readText(kSection, "VIEWSLEFTRIGHT"), "7000");

    const AquariumSettings forTank = settingsForTank(values);
    EXPECT_EQ(forTank.lockForeRotation, 0.0f) << "the tank keeps its own running phases";
    EXPECT_EQ(forTank.frontColor, values.frontColor);
}

class SettingsDialogTest : public SettingsFileFixture {
protected:
    void open() { ASSERT_TRUE(dialog.Create(IDD_AQUARIUM_SETTINGS)); }
    void tick() { dialog.SendMessage(WM_TIMER, 1); }
    bool checked(int id) const
    {
        return ::SendMessageA(::GetDlgItem(dialog.m_hWnd, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    int sliderPosition(int id) const
    {
        return static_cast<int>(::SendMessageA(::GetDlgItem(dialog.m_hWnd, id), TBM_GETPOS, 0, 0));
    }
    // Moves a slider as a drag does: the position first, then the scroll message to the dialog.
    void drag(int id, int position, UINT scrollMessage)
    {
        const HWND slider = ::GetDlgItem(dialog.m_hWnd, id);
        ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
        dialog.SendMessage(scrollMessage, MAKEWPARAM(TB_THUMBTRACK, position),
                           reinterpret_cast<LPARAM>(slider));
    }
    // What a click on an owner-drawn check box hands the dialog: the flipped box, then a command.
    void clickBox(int id)
    {
        const HWND box = ::GetDlgItem(dialog.m_hWnd, id);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
        MSG posted;
        while (::PeekMessageA(&posted, dialog.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            ::DispatchMessageA(&posted);
    }

    AquariumSettingsDialog dialog{shared, cursor};
};

TEST_F(SettingsDialogTest, AnEmptyFileOpensAtZeroWithBothGroupsCyclingAndTheFirstTickWritesAll)
{
    open();
    for (int slider : {IDC_VOLUME, IDC_BUBBLES, IDC_FOG, IDC_LIGHT, IDC_VIEWS_LEFT_RIGHT,
                       IDC_VIEWS_NEAR_FAR})
        EXPECT_EQ(sliderPosition(slider), 0) << "slider " << slider;
    EXPECT_TRUE(checked(IDC_FRONT_AUTO));
    EXPECT_FALSE(checked(IDC_FRONT_FIXED));
    EXPECT_TRUE(checked(IDC_BACK_AUTO));
    EXPECT_FALSE(checked(IDC_SHOW_TERRA)) << "a missing key unchecks the box";

    tick();
    for (const char* key : kKeys)
        EXPECT_FALSE(ini.readText(kSection, key).empty()) << key << " is written";
    EXPECT_EQ(ini.readText(kSection, "FRONT AUTOJIANBIAN"), "1");
    EXPECT_EQ(ini.readText(kSection, "FRONTCOLOR"), "0");
    EXPECT_EQ(shared.settings.frontAutoGradient, 1) << "the tank has the dialog's values";
}

TEST_F(SettingsDialogTest, TicksWriteOnlyTheKeysThatChangedAndThePhasesWhenItEnds)
{
    open();
    tick();
    // From here on, what a tick writes is all that the file holds.
    ASSERT_TRUE(::DeleteFileA(ini.path().c_str()));
    const auto writtenKeys = [this] {
        std::vector<std::string> written;
        for (const char* key : kKeys)
            if (!ini.readText(kSection, key).empty())
                written.push_back(key);
        return written;
    };
    for (int i = 0; i < 10; ++i)
        tick();
    EXPECT_TRUE(writtenKeys().empty()) << "an untouched dialog writes nothing";

    drag(IDC_FOG, 20, WM_VSCROLL);
    shared.phases.front = 42.5f;  // a cycling light moves its phase on every frame
    tick();
    tick();
    EXPECT_EQ(writtenKeys(), std::vector<std::string>{"FOGNONGDU"});

    dialog.DestroyWindow();
    EXPECT_EQ(ini.readText(kSection, "LOCKFORE ROT"), "42.500000");
}

TEST_F(SettingsDialogTest, AModeBoxSelectsItselfAndClearsTheRestOfItsGroup)
{
    open();
    clickBox(IDC_FRONT_FIXED);
    EXPECT_TRUE(checked(IDC_FRONT_FIXED));
    EXPECT_FALSE(checked(IDC_FRONT_AUTO));
    clickBox(IDC_FRONT_FIXED);
    EXPECT_TRUE(checked(IDC_FRONT_FIXED)) << "clicking the selected box keeps it selected";
    clickBox(IDC_LOCK_FORE);
    clickBox(IDC_FRONT_AUTO);
    EXPECT_TRUE(checked(IDC_LOCK_FORE)) << "selecting a mode leaves the other boxes alone";
    EXPECT_FALSE(checked(IDC_FRONT_FIXED));
    EXPECT_TRUE(checked(IDC_BACK_AUTO)) << "nor does it touch the other group";
    tick();
    EXPECT_EQ(ini.readText(kSection, "FRONT GUDING"), "0");
    EXPECT_EQ(ini.readText(kSection, "FRONT AUTOJIANBIAN"), "1");
    EXPECT_EQ(ini.readText(kSection, "CHECK LOCKFORE"), "1");
    EXPECT_EQ(shared.settings.lockFore, 1);
}

TEST_F(SettingsDialogTest, TheSlidersReachTheTankOnTheNextTick)
{
    open();
    drag(IDC_FOG, 20, WM_VSCROLL);
    drag(IDC_LIGHT, 35, WM_VSCROLL);
    drag(IDC_BUBBLES, 10, WM_VSCROLL);
    tick();
    EXPECT_EQ(ini.readText(kSection, "FOGNONGDU"), "20");
    EXPECT_EQ(shared.settings.fogDensity, 20);
    EXPECT_EQ(shared.settings.lightIntensity, 35);
    EXPECT_EQ(shared.settings.bubbleCount, 10);
}

TEST_F(SettingsDialogTest, ByHandTheViewsSlidersMoveTheEyeAutomaticallyTheyFollowIt)
{
    ini.writeText(kSection, "CHECK VIEWS", "0");
    open();
    drag(IDC_VIEWS_LEFT_RIGHT, 6000, WM_HSCROLL);
    drag(IDC_VIEWS_NEAR_FAR, 500, WM_HSCROLL);
    EXPECT_EQ(shared.views.viewsLeftRightNow, 6000);
    EXPECT_EQ(shared.views.viewsNearFarNow, 500);

    ::SendMessageA(::GetDlgItem(dialog.m_hWnd, IDC_AUTO_VIEWS), BM_SETCHECK, BST_CHECKED, 0);
    tick();
    shared.views = {1234, 567};  // where the drift has taken the eye
    drag(IDC_VIEWS_LEFT_RIGHT, 100, WM_HSCROLL);
    EXPECT_EQ(shared.views.viewsLeftRightNow, 1234) << "a drag does not stop the drift";
    tick();
    EXPECT_EQ(sliderPosition(IDC_VIEWS_LEFT_RIGHT), 1234) << "the sliders show the drift";
    EXPECT_EQ(sliderPosition(IDC_VIEWS_NEAR_FAR), 567);
    EXPECT_EQ(ini.readText(kSection, "CHECK VIEWS"), "1");
    dialog.DestroyWindow();
    EXPECT_EQ(ini.readText(kSection, "VIEWSLEFTRIGHT"), "1234")
        << "what is saved when the dialog ends is where the drift took the eye";
}

TEST_F(SettingsDialogTest, ClosingFreesTheBackgroundPreviewPictures)
{
    open();
    std::vector<HGDIOBJ> pictures;
    for (int preview : {IDC_PREVIEW_1, IDC_PREVIEW_2, IDC_PREVIEW_3})
        pictures.push_back(reinterpret_cast<HGDIOBJ>(
            ::SendDlgItemMessageA(dialog.m_hWnd, preview, STM_GETIMAGE, IMAGE_BITMAP, 0)));
    for (HGDIOBJ picture : pictures)
        ASSERT_EQ(::GetObjectType(picture), static_cast<DWORD>(OBJ_BITMAP));
    dialog.DestroyWindow();
    for (HGDIOBJ picture : pictures)
        EXPECT_EQ(::GetObjectType(picture), 0u) << "a picture outlives its dialog";
}

}  // namespace
