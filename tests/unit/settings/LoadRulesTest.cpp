// The per-key rules of the load on a file that already exists: overridden keys, range rules,
// fractions, empty values, the limits held in memory only, and what a load leaves untouched.
#include "settings/SettingsStore.h"

#include "SettingsKeys.h"
#include "SettingsFiles.h"

#include <gtest/gtest.h>

namespace {

// A test directory with a complete settings file (every key at its first-load text, fish
// counts 2) whose keys the test changes before loading.
class LoadFromFile : public ::testing::Test {
protected:
    void loadWith(const std::map<std::string, std::string>& changes)
    {
        writeFileBytes(settingsFile(directory), completeSettingsFileText(changes));
        store.load(settings, views);
        file = readIni(settingsFile(directory));
        ASSERT_EQ(file.error, "");
    }
    std::optional<std::string> stored(const std::string& key) const
    {
        return file.value("Aquarium Settings", key);
    }
    std::optional<std::string> storedCount(int kind) const
    {
        return file.value("Fish Number", fishKey(kind));
    }

    TestDirectory directory;
    SettingsStore store{directory.path()};
    AquariumSettings settings{};
    ViewsPosition views{};
    IniText file;
};

TEST_F(LoadFromFile, OverriddenKeysAreForcedInMemoryAndInTheFile)
{
    loadWith({{"Show Water", "1"}, {"Show Light", "1"}, {"Show Terra", "0"}, {"BACK GUDING", "0"},
              {"BACKCOLOR", "255"}, {"BACK AUTOJIANBIAN", "1"}});

    EXPECT_EQ(settings.showWater, 0);
    EXPECT_EQ(settings.showLight, 0);
    EXPECT_EQ(settings.showTerra, 1);
    EXPECT_EQ(settings.backFixed, 1);
    EXPECT_EQ(settings.backColor, 0);
    EXPECT_EQ(settings.backAutoGradient, 0);
    EXPECT_EQ(stored("Show Water"), "0");
    EXPECT_EQ(stored("Show Light"), "0");
    EXPECT_EQ(stored("Show Terra"), "1");
    EXPECT_EQ(stored("BACK GUDING"), "1");
    EXPECT_EQ(stored("BACKCOLOR"), "0");
    EXPECT_EQ(stored("BACK AUTOJIANBIAN"), "0");
}

TEST_F(LoadFromFile, StoredValuesOfPlainKeysAreTaken)
{
    loadWith({{"FRONT GUDING", "0"}, {"FRONTCOLOR", "255"}, {"FRONT MANJIANBIAN", "1"},
              {"FRONT COLOR1", "65535"}, {"FRONT COLOR2", "16711680"}, {"FRONT AUTOJIANBIAN", "1"},
              {"CHECK LOCKFORE", "1"}, {"BACK MANJIANBIAN", "1"}, {"BACK COLOR1", "12345"},
              {"BACK COLOR2", "54321"}, {"CHECK LOCKBACK", "1"}, {"YINLIANG", "65535"},
              {"QIPAONUM", "0"}, {"BACKGROUND", "2"}, {"FOGNONGDU", "0"}, {"LIGHTQIANGDU", "100"},
              {"CHECK VIEWS", "0"}, {"VIEWSLEFTRIGHT", "-40"}, {"VIEWSNEARFAR", "35"},
              {"Fish0", "0"}, {"Fish14", "50"}});

    EXPECT_EQ(settings.frontFixed, 0);
    EXPECT_EQ(settings.frontColor, 255);
    EXPECT_EQ(settings.frontGradient, 1);
    EXPECT_EQ(settings.frontColor1, 65535);
    EXPECT_EQ(settings.frontColor2, 16711680);
    EXPECT_EQ(settings.frontAutoGradient, 1);
    EXPECT_EQ(settings.lockFore, 1);
    EXPECT_EQ(settings.backGradient, 1);
    EXPECT_EQ(settings.backColor1, 12345);
    EXPECT_EQ(settings.backColor2, 54321);
    EXPECT_EQ(settings.lockBack, 1);
    EXPECT_EQ(settings.volume, 65535);
    EXPECT_EQ(settings.bubbleCount, 0);
    EXPECT_EQ(settings.backgroundMode, 2);
    EXPECT_EQ(settings.fogDensity, 0);
    EXPECT_EQ(settings.lightIntensity, 100);
    EXPECT_EQ(settings.autoViews, 0);
    EXPECT_EQ(settings.viewsLeftRight, -40);
    EXPECT_EQ(settings.viewsNearFar, 35);
    EXPECT_EQ(settings.fishCount[0], 0);
    EXPECT_EQ(settings.fishCount[7], 2);
    EXPECT_EQ(settings.fishCount[14], 50);
}

TEST_F(LoadFromFile, ViewsPositionFollowsTheViewsKeys)
{
    views = {99, 99};
    loadWith({{"VIEWSLEFTRIGHT", "17"}, {"VIEWSNEARFAR", "-8"}});
    EXPECT_EQ(views.viewsLeftRightNow, 17);
    EXPECT_EQ(views.viewsNearFarNow, -8);
}

TEST_F(LoadFromFile, FogOutsideTheRangeBecomesClearWaterAndIsRewritten)
{
    for (const char* outside : {"26", "-1"}) {
        loadWith({{"FOGNONGDU", outside}});
        EXPECT_EQ(settings.fogDensity, 0) << outside;
        EXPECT_EQ(stored("FOGNONGDU"), "0") << outside;
    }
}

TEST_F(LoadFromFile, FogInsideTheRangeIsKeptWithItsText)
{
    loadWith({{"FOGNONGDU", "3.9"}});
    EXPECT_EQ(settings.fogDensity, 3);
    EXPECT_EQ(stored("FOGNONGDU"), "3.9");
}

TEST_F(LoadFromFile, LightAboveTheRangeBecomesZeroAndIsRewritten)
{
    loadWith({{"LIGHTQIANGDU", "101"}});
    EXPECT_EQ(settings.lightIntensity, 0);
    EXPECT_EQ(stored("LIGHTQIANGDU"), "0");
}

TEST_F(LoadFromFile, NegativeLightBecomesZeroAndIsRewritten)
{
    loadWith({{"LIGHTQIANGDU", "-5"}});
    EXPECT_EQ(settings.lightIntensity, 0);
    EXPECT_EQ(stored("LIGHTQIANGDU"), "0");
}

TEST_F(LoadFromFile, CountAbove50Becomes50InMemoryOnly)
{
    loadWith({{"Fish3", "70"}});
    EXPECT_EQ(settings.fishCount[3], 50);
    EXPECT_EQ(storedCount(3), "70");
}

TEST_F(LoadFromFile, NegativeCountBecomesZeroInMemoryOnly)
{
    loadWith({{"Fish2", "-4"}});
    EXPECT_EQ(settings.fishCount[2], 0);
    EXPECT_EQ(storedCount(2), "-4");
}

TEST_F(LoadFromFile, BubbleSettingAbove110Becomes110InMemoryOnly)
{
    loadWith({{"QIPAONUM", "500"}});
    EXPECT_EQ(settings.bubbleCount, 110);
    EXPECT_EQ(stored("QIPAONUM"), "500");
}

TEST_F(LoadFromFile, NegativeBubbleSettingBecomesZeroInMemoryOnly)
{
    loadWith({{"QIPAONUM", "-3"}});
    EXPECT_EQ(settings.bubbleCount, 0);
    EXPECT_EQ(stored("QIPAONUM"), "-3");
}

TEST_F(LoadFromFile, BubbleSettingAtTheTopOfTheSliderIsKept)
{
    loadWith({{"QIPAONUM", "110"}});
    EXPECT_EQ(settings.bubbleCount, 110);
}

TEST_F(LoadFromFile, RotationsWrittenWithDecimalsKeepTheirIntegerPart)
{
    loadWith({{"LOCKBACK ROT", "123.456"}, {"LOCKFORE ROT", "-7.900000"}});
    EXPECT_EQ(settings.lockBackRotation, 123.0f);
    EXPECT_EQ(settings.lockForeRotation, -7.0f);
    EXPECT_EQ(stored("LOCKBACK ROT"), "123.456");
}

TEST_F(LoadFromFile, EmptyBubbleSettingCountsAsMissing)
{
    loadWith({{"QIPAONUM", ""}});
    EXPECT_EQ(settings.bubbleCount, 100);
    EXPECT_EQ(stored("QIPAONUM"), "100");
}

TEST_F(LoadFromFile, TextThatIsNotANumberReadsAsZeroAndStays)
{
    loadWith({{"YINLIANG", "loud"}, {"BACK COLOR1", "12abc"}});
    EXPECT_EQ(settings.volume, 0);
    EXPECT_EQ(settings.backColor1, 12);
    EXPECT_EQ(stored("YINLIANG"), "loud");
    EXPECT_EQ(stored("BACK COLOR1"), "12abc");
}

TEST_F(LoadFromFile, OnlyTheSixOverriddenKeysChangeInACompleteFile)
{
    // Every key off its default; the six overridden ones off their forced value too.
    const std::map<std::string, std::string> handEdited = {
        {"Show Water", "1"},        {"Show Light", "1"},          {"Show Terra", "0"},
        {"FRONT GUDING", "0"},      {"FRONTCOLOR", "1"},          {"FRONT MANJIANBIAN", "1"},
        {"FRONT COLOR1", "2"},      {"FRONT COLOR2", "3"},        {"FRONT AUTOJIANBIAN", "1"},
        {"CHECK LOCKFORE", "1"},    {"LOCKFORE ROT", "5.500000"}, {"BACK GUDING", "0"},
        {"BACKCOLOR", "4"},         {"BACK MANJIANBIAN", "1"},    {"BACK COLOR1", "5"},
        {"BACK COLOR2", "6"},       {"BACK AUTOJIANBIAN", "1"},   {"CHECK LOCKBACK", "1"},
        {"LOCKBACK ROT", "9.250000"}, {"YINLIANG", "100"},        {"QIPAONUM", "7"},
        {"BACKGROUND", "1"},        {"FOGNONGDU", "12"},          {"LIGHTQIANGDU", "40"},
        {"CHECK VIEWS", "0"},       {"VIEWSLEFTRIGHT", "11"},     {"VIEWSNEARFAR", "12"},
        {"Fish0", "0"},             {"Fish5", "9"},               {"Fish14", "70"},
    };
    const IniText before = parseIni(completeSettingsFileText(handEdited));
    loadWith(handEdited);

    const std::map<std::string, std::string> forced = {
        {"Show Water", "0"}, {"Show Light", "0"},  {"Show Terra", "1"},
        {"BACK GUDING", "1"}, {"BACKCOLOR", "0"}, {"BACK AUTOJIANBIAN", "0"},
    };
    ASSERT_EQ(file.sections.size(), before.sections.size());
    for (std::size_t s = 0; s < before.sections.size(); ++s) {
        EXPECT_EQ(file.sections[s].name, before.sections[s].name);
        const auto& entries = before.sections[s].entries;
        ASSERT_EQ(file.sections[s].entries.size(), entries.size());
        for (std::size_t e = 0; e < entries.size(); ++e) {
            const auto& [key, value] = entries[e];
            const auto f = forced.find(key);
            const std::string expected = f != forced.end() ? f->second : value;
            EXPECT_EQ(file.sections[s].entries[e], std::make_pair(key, expected));
        }
    }
}

TEST(LoadTwice, SecondLoadLeavesTheFileAsTheFirstLeftIt)
{
    TestDirectory directory;
    const SettingsStore store(directory.path());
    AquariumSettings first{};
    AquariumSettings second{};
    ViewsPosition views{};
    store.load(first, views);
    const std::string bytesAfterFirst = readFileBytes(settingsFile(directory));
    store.load(second, views);

    EXPECT_EQ(readFileBytes(settingsFile(directory)), bytesAfterFirst);
    // The counts drawn at the first load are the ones the second reads.
    for (int kind = 0; kind < kFishKinds; ++kind)
        EXPECT_EQ(second.fishCount[kind], first.fishCount[kind]) << "kind " << kind;
    EXPECT_EQ(second.volume, 32767);
}

}  // namespace
