// The INI access shared by the store and the dialogs, checked against an independent reader.
#include "settings/IniFile.h"

#include "SettingsFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    // The names of the files in the test's directory.
    std::vector<std::string> filesThere() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        const HANDLE search = ::FindFirstFileA((directory.path() + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
        return names;
    }

    TestDirectory directory;
    IniFile ini{directory.path() + "test.ini"};
};

TEST_F(IniFileTest, MissingFileAndMissingKeyReadAsEmpty)
{
    EXPECT_EQ(ini.readText("Custom Images", "ImageTime"), "");
    EXPECT_EQ(ini.readInt("Custom Images", "ImageSum"), 0);
    ini.writeText("Custom Images", "OwnImage", "1");
    EXPECT_EQ(ini.readText("Custom Images", "ImageTime"), "");
    EXPECT_EQ(ini.readText("Other", "OwnImage"), "");
}

TEST_F(IniFileTest, EmptyValueReadsLikeAMissingKey)
{
    writeFileBytes(ini.path(), "[S]\r\nEmpty=\r\n");
    EXPECT_EQ(ini.readText("S", "Empty"), "");
    EXPECT_EQ(ini.readInt("S", "Empty"), 0);
}

TEST_F(IniFileTest, NumbersReadAsTheirLeadingDecimalDigits)
{
    writeFileBytes(ini.path(), "[S]\r\nA=42\r\nB=-17\r\nC=7.9\r\nD=12abc\r\nE=abc\r\n");
    EXPECT_EQ(ini.readInt("S", "A"), 42);
    EXPECT_EQ(ini.readInt("S", "B"), -17);
    EXPECT_EQ(ini.readInt("S", "C"), 7);
    EXPECT_EQ(ini.readInt("S", "D"), 12);
    EXPECT_EQ(ini.readInt("S", "E"), 0);
}

TEST_F(IniFileTest, ReadsAtMost127Characters)
{
    const std::string longPath = "C:\\" + std::string(200, 'p') + ".jpg";
    ini.writeText("Custom Images", "ImageList0", longPath);
    EXPECT_EQ(readIni(ini.path()).value("Custom Images", "ImageList0"), longPath);
    EXPECT_EQ(ini.readText("Custom Images", "ImageList0"), longPath.substr(0, 127));
}

TEST_F(IniFileTest, WritesTextAndDecimalNumbersIntoTheirSections)
{
    ini.writeText("Custom Images", "ImageTime", "15");
    ini.writeInt("Custom Images", "ImageSum", 2);
    ini.writeText("Custom Images", IniFile::listKey("ImageList", 0), "C:\\a.jpg");
    ini.writeInt("Custom Settings", "MusicSum", -1);

    const IniText file = readIni(ini.path());
    EXPECT_EQ(file.error, "");
    EXPECT_EQ(file.value("Custom Images", "ImageTime"), "15");
    EXPECT_EQ(file.value("Custom Images", "ImageSum"), "2");
    EXPECT_EQ(file.value("Custom Images", "ImageList0"), "C:\\a.jpg");
    EXPECT_EQ(file.value("Custom Settings", "MusicSum"), "-1");
    EXPECT_EQ(ini.readText("Custom Images", "ImageList0"), "C:\\a.jpg");
    EXPECT_EQ(ini.readInt("Custom Settings", "MusicSum"), -1);
}

TEST_F(IniFileTest, WritingAKeyAgainReplacesItsValue)
{
    ini.writeInt("S", "K", 1);
    ini.writeInt("S", "K", 2);
    const IniText file = readIni(ini.path());
    EXPECT_EQ(file.keys("S"), std::vector<std::string>{"K"});
    EXPECT_EQ(file.value("S", "K"), "2");
}

TEST_F(IniFileTest, ReadsASectionWholeWithValuesOfAnyLengthQuotesAndAll)
{
    // Around the section's first buffer (4096 bytes, cut two short of its end) and beyond it.
    for (const std::size_t length : {259u, 4070u, 4090u, 5000u}) {
        SCOPED_TRACE(length);
        const std::string value = "C:\\" + std::string(length - 7, 'p') + ".jpg";
        writeFileBytes(ini.path(), "[Custom Images]\r\nImageList0=" + value +
                                       "\r\nQuoted=\"C:\\a b.jpg\"\r\n");
        EXPECT_EQ(ini.readSection("Custom Images"),
                  (IniEntries{{"ImageList0", value}, {"Quoted", "\"C:\\a b.jpg\""}}));
        EXPECT_EQ(ini.readText("Custom Images", "ImageList0"), value.substr(0, 127));
    }
    EXPECT_EQ(IniFile::unquoted("\"C:\\a b.jpg\""), ini.readText("Custom Images", "Quoted"))
        << "quotes come off as the profile functions take them off";
    EXPECT_EQ(IniFile::unquoted("'a'"), "a");
    EXPECT_EQ(IniFile::unquoted("\"a'"), "\"a'");
    EXPECT_EQ(IniFile::unquoted("\""), "\"");
    EXPECT_TRUE(ini.readSection("Other").empty());
}

// A line break written as it is would end the line, and what follows it would be read back as a
// key (or a section) of its own.
TEST_F(IniFileTest, RefusesToWriteALineBreakAnywhere)
{
    ASSERT_TRUE(ini.writeText("S", "Kept", "1"));
    const std::string before = readFileBytes(ini.path());
    const std::pair<const char*, std::string> lineBreaks[] = {
        {"CR", "\r"}, {"LF", "\n"}, {"CR LF", "\r\n"}};
    for (const auto& [breakName, lineBreak] : lineBreaks) {
        const std::string injected = "x" + lineBreak + "Injected=1";
        struct Write {
            const char* part;
            std::string section, key, text;
        };
        const Write writes[] = {{"text", "S", "K", injected},
                                {"key", "S", injected, "1"},
                                {"section", "S]" + lineBreak + "[T", "K", injected}};
        for (const Write& w : writes) {
            SCOPED_TRACE(std::string(breakName) + " in the " + w.part);
            EXPECT_FALSE(ini.writeText(w.section, w.key, w.text));
            EXPECT_EQ(readFileBytes(ini.path()), before) << "nothing is written";
        }
    }
    EXPECT_TRUE(ini.writeText("S", "K", "a value = with spaces; and signs"));
    EXPECT_EQ(readIni(ini.path()).value("S", "K"), "a value = with spaces; and signs");
}

TEST_F(IniFileTest, AnUpdateReplacesTheFileOnceWithAllItsWritesAndLeavesNoCopyBehind)
{
    writeFileBytes(ini.path(), "[Other]\r\nKept=1\r\n[S]\r\nA=old\r\n");
    const std::string before = readFileBytes(ini.path());
    EXPECT_TRUE(ini.update([&](const IniFile& copy) {
        copy.writeText("S", "A", "new");
        copy.writeInt("S", "B", 2);
        EXPECT_EQ(readFileBytes(ini.path()), before) << "the file is as it was until the end";
    }));
    const IniText file = readIni(ini.path());
    EXPECT_EQ(file.value("Other", "Kept"), "1");
    EXPECT_EQ(file.keys("S"), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(file.value("S", "A"), "new");
    EXPECT_EQ(ini.readInt("S", "B"), 2);
    ASSERT_TRUE(ini.writeText("S", "C", "3"));
    EXPECT_EQ(filesThere(), std::vector<std::string>{"test.ini"});
}

TEST_F(IniFileTest, AReadOnlyFileIsLeftAsItIs)
{
    writeFileBytes(ini.path(), "[S]\r\nA=1\r\n");
    ASSERT_TRUE(::SetFileAttributesA(ini.path().c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ini.writeText("S", "A", "2"));
    EXPECT_FALSE(ini.update([](const IniFile& copy) { copy.writeText("S", "B", "2"); }));
    EXPECT_EQ(readFileBytes(ini.path()), "[S]\r\nA=1\r\n");
    EXPECT_EQ(filesThere(), std::vector<std::string>{"test.ini"});
    ::SetFileAttributesA(ini.path().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(IniFileTest, OnlyTheCopiesOfProcessesThatEndedAreRemoved)
{
    const std::string running = "test.ini." + std::to_string(::GetCurrentProcessId()) + ".tmp";
    const std::string ended = "test.ini.4000000000.tmp";  // beyond any process number
    for (const std::string& name : {running, ended, std::string("test.ini.old.tmp")})
        writeFileBytes(directory.file(name), "[S]\r\n");
    ini.removeUnfinishedCopies();
    std::vector<std::string> left = filesThere();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{running, "test.ini.old.tmp"}));
}

TEST(IniFileListKey, IsTheStemFollowedByTheDecimalIndex)
{
    EXPECT_EQ(IniFile::listKey("Fish", 0), "Fish0");
    EXPECT_EQ(IniFile::listKey("Fish", 14), "Fish14");
    EXPECT_EQ(IniFile::listKey("MusicList", 103), "MusicList103");
}

}  // namespace
