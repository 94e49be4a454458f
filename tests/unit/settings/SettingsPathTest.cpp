// Where the settings file lies. Nothing here reads or writes the file in the Windows directory.
#include "settings/SettingsStore.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(SettingsPath, IsTheWindowsDirectoryWithOneTrailingBackslash)
{
    char windows[MAX_PATH];
    const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(settingsPath(), std::string(windows, length) + "\\");
}

TEST(SettingsPath, FileIsNamedWithADotSegment)
{
    EXPECT_EQ(settingsIniPath(), settingsPath() + ".\\BluereefScrSet.ini");
}

TEST(SettingsStorePath, IsTheDirectoryFollowedByTheFileName)
{
    EXPECT_EQ(SettingsStore("C:\\windows\\").iniPath(), "C:\\windows\\.\\BluereefScrSet.ini");
    EXPECT_EQ(SettingsStore("").iniPath(), ".\\BluereefScrSet.ini");
}

}  // namespace
