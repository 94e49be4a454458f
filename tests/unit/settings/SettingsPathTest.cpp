// Where the settings file lies. Nothing here reads or writes the file in the Windows directory.
#include "settings/SettingsStore.h"

#include "support/TestDirectory.h"

#include <windows.h>

#include <fstream>
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
    TestDirectory directory;
    AquariumSettings settings{};
    ViewsPosition views{};
    SettingsStore(directory.path()).load(settings, views);
    EXPECT_TRUE(std::ifstream(directory.path() + ".\\BluereefScrSet.ini").good())
        << "the first load writes the file there";
}

bool fileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(SettingsFolderWithoutVirtualization, StoreWithTheFileWinsOverAWritableWindowsFolder)
{
    TestDirectory windows, store;
    std::ofstream(store.file(kSettingsFileName)) << "[Fish Number]\n";
    EXPECT_EQ(chooseSettingsFolder(windows.path(), store.path()), store.path());
}

TEST(SettingsFolderWithoutVirtualization, WritableWindowsFolderIsUsedAndLeftAsItWas)
{
    TestDirectory windows, store;
    EXPECT_EQ(chooseSettingsFolder(windows.path(), store.path()), windows.path());
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((windows.path() + "*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "the writing probe was left behind";
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);
}

TEST(SettingsFolderWithoutVirtualization, WindowsFolderWhereNothingCanBeMadeSendsItToANewStore)
{
    TestDirectory parent;
    const std::string store = parent.path() + "VirtualStore\\Windows\\";
    EXPECT_EQ(chooseSettingsFolder(parent.path() + "missing\\", store), store);
    // The store is made, so the settings file can be written there.
    EXPECT_TRUE(std::ofstream(store + kSettingsFileName) << "[Fish Number]\n");
    EXPECT_TRUE(fileExists(store + kSettingsFileName));
    ::DeleteFileA((store + kSettingsFileName).c_str());
    ::RemoveDirectoryA(store.c_str());
    ::RemoveDirectoryA((parent.path() + "VirtualStore").c_str());
}

}  // namespace
