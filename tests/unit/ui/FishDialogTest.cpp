// The fish dialog: the counts' rules, the grid under a click, and the dialog itself on the
// program's settings file, driven by the messages a user's input gives it.
#include "ui/FishSettingsDialog.h"

#include "SettingsFileFixture.h"
#include "res/resource.h"
#include "support/TestDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const std::string kSection = kFishNumberSection;

TEST(FishCounts, LoadTakesEachKindsKeyAndAMissingOrMalformedOneIsZero)
{
    TestDirectory directory;
    const IniFile file(directory.path() + "counts.ini");
    FishCounts counts;
    EXPECT_EQ(counts.total(), 150) << "ten of each before anything is loaded";
    file.writeText(kSection, "Fish0", "3");
    file.writeText(kSection, "Fish1", "abc");
    file.writeText(kSection, "Fish2", "70");
    file.writeText(kSection, "Fish14", "2");
    counts.load(file);
    const int expected[kFishKinds] = {3, 0, 70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    for (int kind = 0; kind < kFishKinds; ++kind)
        EXPECT_EQ(counts[kind], expected[kind]) << "kind " << kind;
    EXPECT_EQ(counts.total(), 75) << "a count above 50 counts in full";

    counts.clear();
    EXPECT_TRUE(counts.add(4));
    counts.save(file);
    FishCounts reloaded;
    reloaded.load(file);
    for (int kind = 0; kind < kFishKinds; ++kind)
        EXPECT_EQ(reloaded[kind], kind == 4 ? 1 : 0) << "kind " << kind;
}

TEST(FishCounts, AddNeedsAKindAndRoomInTheTankAndDeleteStopsAtZero)
{
    FishCounts counts;
    counts.clear();
    EXPECT_FALSE(counts.add(-1));
    EXPECT_FALSE(counts.add(15)) << "the rows below the grid select no kind";
    EXPECT_FALSE(counts.remove(24));
    EXPECT_TRUE(counts.remove(0));
    EXPECT_EQ(counts[0], 0);
    for (int i = 0; i < kMaxFishCount; ++i)
        ASSERT_TRUE(counts.add(i % 2));
    EXPECT_EQ(counts.total(), kMaxFishCount);
    EXPECT_FALSE(counts.add(9)) << "a full tank has no room, even for a kind it lacks";
    EXPECT_TRUE(counts.remove(1));
    EXPECT_TRUE(counts.add(9)) << "a deleted fish makes room for one more";
    EXPECT_EQ(counts[9], 1);
}

TEST(FishCounts, RandomGivesEveryKindOneToThreeSoTheTotalIsFifteenToFortyFive)
{
    FishCounts counts;
    std::srand(7);
    for (int draw = 0; draw < 200; ++draw) {
        counts.randomize();
        for (int kind = 0; kind < kFishKinds; ++kind)
            ASSERT_TRUE(counts[kind] >= 1 && counts[kind] <= 3) << "draw " << draw;
        ASSERT_GE(counts.total(), 15);
        ASSERT_LE(counts.total(), 45);
    }
}

TEST(FishDialogGrid, AClickSelectsTheCellUnderItAndNothingRightOfOrFarBelowTheGrid)
{
    const struct {
        int x, y, kind;
    } cases[] = {{250, 100, 7}, {0, 0, 0}, {499, 269, 14}, {10, 300, 15}, {499, 449, 24},
                 {10, 451, -1}, {520, 10, -1}, {700, 100, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FishSettingsDialog::cellAt(c.x, c.y), c.kind) << c.x << ", " << c.y;
}

class FishDialogTest : public SettingsFileFixture {
protected:
    void open()
    {
        ASSERT_TRUE(dialog.Create(IDD_FISH_SETTINGS));
    }
    std::string totalLabel() const
    {
        char text[64] = "";
        ::GetDlgItemTextA(dialog.m_hWnd, IDC_FISH_TOTAL, text, sizeof text);
        return text;
    }
    void clickAt(int x, int y)
    {
        dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        dialog.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void press(char key)
    {
        MSG msg{dialog.m_hWnd, WM_KEYDOWN, static_cast<WPARAM>(key), 0, 0, {0, 0}};
        EXPECT_TRUE(dialog.PreTranslateMessage(&msg)) << "the dialog takes " << key;
    }

    FishSettingsDialog dialog{shared, cursor};
};

TEST_F(FishDialogTest, WithoutAFileEveryCountIsZeroAndTheLabelShowsTheLiveTotal)
{
    open();
    EXPECT_EQ(totalLabel(), "Total: 0/50");
}

TEST_F(FishDialogTest, KeysAndClicksChangeTheCountsAndEveryTickHandsThemToTheTank)
{
    ini.writeText(kSection, "Fish3", "70");
    ini.writeText(kSection, "Fish7", "2");
    open();
    EXPECT_EQ(totalLabel(), "Total: 72/50");

    clickAt(250, 100);  // selects kind 7
    press('A');
    EXPECT_EQ(totalLabel(), "Total: 72/50") << "70 of one kind leave no room";
    press('C');
    EXPECT_EQ(totalLabel(), "Total: 0/50") << "the total follows Clear";
    press('A');
    press('A');
    press('D');
    EXPECT_EQ(totalLabel(), "Total: 1/50");

    cursor.hideNow();
    dialog.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(ini.readText(kSection, "Fish7"), "1");
    EXPECT_EQ(ini.readText(kSection, "Fish3"), "0");
    EXPECT_EQ(shared.settings.fishCount[7], 1) << "the tank follows the dialog";
    EXPECT_FALSE(cursor.countFrame()) << "the pointer stays shown over the dialog";

    clickAt(520, 10);
    press('A');
    EXPECT_EQ(totalLabel(), "Total: 1/50") << "right of the grid selects no kind";

    press('R');
    dialog.SendMessage(WM_TIMER, 1);
    int total = 0;
    for (const int count : shared.settings.fishCount)
        total += count;
    EXPECT_EQ(totalLabel(), "Total: " + std::to_string(total) + "/50");
}

}  // namespace
