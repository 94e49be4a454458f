// The music dialog on the program's settings file, with real wave files played through the
// test's sound configuration: what it enables while the list plays, which row it marks, and what
// it publishes to the built-in tune.
#include "ui/CustomMusicDialog.h"

#include "SettingsFileFixture.h"
#include "res/resource.h"
#include "support/TestDirectory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A second of silence as a 16-bit mono wave file at 8000 samples a second.
void writeWave(const std::string& path)
{
    const std::uint32_t rate = 8000, samples = 8000, dataBytes = samples * 2;
    std::ofstream file(path, std::ios::binary);
    const auto put32 = [&](std::uint32_t v) { file.write(reinterpret_cast<const char*>(&v), 4); };
    const auto put16 = [&](std::uint16_t v) { file.write(reinterpret_cast<const char*>(&v), 2); };
    file.write("RIFF", 4);
    put32(36 + dataBytes);
    file.write("WAVEfmt ", 8);
    put32(16);
    put16(1);  // PCM
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    file.write("data", 4);
    put32(dataBytes);
    file.write(std::vector<char>(dataBytes).data(), dataBytes);
}

constexpr COLORREF kMarkedRow = 0x00FF00;  // the playing track's row is green

class MusicDialogTest : public SettingsFileFixture {
protected:
    void open() { ASSERT_TRUE(dialog.Create(IDD_CUSTOM_MUSIC)); }
    void tick() { dialog.SendMessage(WM_TIMER, 1); }
    void click(int id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
    }
    bool enabled(int id) const { return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != 0; }
    bool checked(int id) const
    {
        return ::SendMessageA(::GetDlgItem(dialog.m_hWnd, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void storeList(const std::vector<std::string>& paths, const char* ownMusic)
    {
        ini.writeInt(kCustomSettingsSection, "MusicSum", static_cast<int>(paths.size()));
        for (size_t i = 0; i < paths.size(); ++i)
            ini.writeText(kCustomSettingsSection, "MusicList" + std::to_string(i), paths[i]);
        ini.writeText(kCustomSettingsSection, "OwnMusic", ownMusic);
    }
    // The background the list asks for row `row` when it draws it.
    COLORREF rowBackground(int row)
    {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.hdr = {::GetDlgItem(dialog.m_hWnd, IDC_MUSIC_LIST),
                         static_cast<UINT_PTR>(IDC_MUSIC_LIST), static_cast<UINT>(NM_CUSTOMDRAW)};
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        dialog.SendMessage(WM_NOTIFY, IDC_MUSIC_LIST, reinterpret_cast<LPARAM>(&draw));
        return draw.clrTextBk;
    }
    int markedRows()
    {
        const int rows = static_cast<int>(
            ::SendMessageA(::GetDlgItem(dialog.m_hWnd, IDC_MUSIC_LIST), LVM_GETITEMCOUNT, 0, 0));
        int marked = 0;
        for (int row = 0; row < rows; ++row)
            marked += rowBackground(row) == kMarkedRow ? 1 : 0;
        return marked;
    }

    TestDirectory directory;
    CustomMusicDialog dialog{cursor};
};

const int kEditingButtons[] = {IDC_MUSIC_ADD, IDC_MUSIC_REMOVE, IDC_MUSIC_REMOVE_ALL,
                               IDC_MUSIC_PLAY};

TEST_F(MusicDialogTest, AStoredListPlaysAtStartWithItsButtonsLockedUntilStopped)
{
    const std::string first = directory.path() + "first track.wav";
    writeWave(first);
    writeWave(directory.path() + "second.wav");
    storeList({first, directory.path() + "second.wav"}, "1");
    ini.writeText(kCustomSettingsSection, "RandomMusic", "1");
    ini.writeText(kCustomSettingsSection, "RepeatMusic", "1");
    open();

    EXPECT_TRUE(checked(IDC_RANDOM_ORDER)) << "random wins over repeat one";
    EXPECT_FALSE(checked(IDC_REPEAT_ONE));
    EXPECT_EQ(markedRows(), 1) << "the playing track's row is marked";
    for (int id : kEditingButtons)
        EXPECT_FALSE(enabled(id)) << "button " << id << " while playing";
    EXPECT_TRUE(enabled(IDC_MUSIC_STOP));
    tick();
    EXPECT_TRUE(dialog.playsOwnMusic());

    click(IDC_MUSIC_STOP);
    EXPECT_EQ(markedRows(), 0) << "no row is marked once stopped";
    for (int id : kEditingButtons)
        EXPECT_TRUE(enabled(id)) << "button " << id << " once stopped";
    EXPECT_TRUE(checked(IDC_MUSIC_ON)) << "stopping does not switch own music off";
}

TEST_F(MusicDialogTest, EmptyOrUnplayableListsDoNotPlayAndOnOffDecidesTheTune)
{
    const std::string notMusic = directory.path() + "notes.wav";
    std::ofstream(notMusic) << "not a wave file";
    storeList({notMusic}, "0");
    open();
    tick();
    EXPECT_FALSE(dialog.playsOwnMusic()) << "the built-in tune may play";

    click(IDC_MUSIC_PLAY);
    EXPECT_EQ(markedRows(), 0) << "a file that cannot play is not played";
    EXPECT_TRUE(enabled(IDC_MUSIC_PLAY));

    click(IDC_MUSIC_REMOVE_ALL);
    click(IDC_MUSIC_ON);  // the box flips itself, then tells the dialog
    ASSERT_TRUE(checked(IDC_MUSIC_ON));
    EXPECT_TRUE(enabled(IDC_MUSIC_PLAY)) << "an empty list plays nothing";
    tick();
    EXPECT_TRUE(dialog.playsOwnMusic()) << "and the tune stays off";
    EXPECT_EQ(ini.readText(kCustomSettingsSection, "MusicSum"), "0") << "saved as it changed";
    EXPECT_EQ(ini.readText(kCustomSettingsSection, "OwnMusic"), "1");
}

}  // namespace
