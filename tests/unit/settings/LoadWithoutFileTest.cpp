// The first load, from a directory that holds no settings file: the record takes the
// defaults and the file is created holding every key.
#include "settings/SettingsStore.h"

#include "SettingsKeys.h"
#include "SettingsFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class LoadWithoutFile : public ::testing::Test {
protected:
    void SetUp() override { store.load(settings, views); }

    TestDirectory directory;
    SettingsStore store{directory.path()};
    AquariumSettings settings{};
    ViewsPosition views{1234, 5678};
};

TEST_F(LoadWithoutFile, RecordTakesTheDefaults)
{
    EXPECT_EQ(settings.showWater, 0);
    EXPECT_EQ(settings.showLight, 0);
    EXPECT_EQ(settings.showTerra, 1);
    EXPECT_EQ(settings.frontFixed, 1);
    EXPECT_EQ(settings.frontColor, 16777215);
    EXPECT_EQ(settings.frontGradient, 0);
    EXPECT_EQ(settings.frontColor1, 16777215);
    EXPECT_EQ(settings.frontColor2, 16777215);
    EXPECT_EQ(settings.frontAutoGradient, 0);
    EXPECT_EQ(settings.lockFore, 0);
    EXPECT_EQ(settings.lockForeRotation, 0.0f);
    EXPECT_EQ(settings.backFixed, 1);
    EXPECT_EQ(settings.backColor, 0);
    EXPECT_EQ(settings.backGradient, 0);
    EXPECT_EQ(settings.backColor1, 65280);
    EXPECT_EQ(settings.backColor2, 0);
    EXPECT_EQ(settings.backAutoGradient, 0);
    EXPECT_EQ(settings.lockBack, 0);
    EXPECT_EQ(settings.lockBackRotation, 0.0f);
    EXPECT_EQ(settings.volume, 32767);
    EXPECT_EQ(settings.bubbleCount, 100);
    EXPECT_EQ(settings.backgroundMode, 0);
    EXPECT_EQ(settings.fogDensity, 0);
    EXPECT_EQ(settings.lightIntensity, 0);
    EXPECT_EQ(settings.autoViews, 1);
    EXPECT_EQ(settings.viewsLeftRight, 0);
    EXPECT_EQ(settings.viewsNearFar, 0);
    EXPECT_EQ(views.viewsLeftRightNow, 0);
    EXPECT_EQ(views.viewsNearFarNow, 0);
}

TEST_F(LoadWithoutFile, FishCountsAreOneToThree)
{
    for (int kind = 0; kind < kFishKinds; ++kind) {
        EXPECT_GE(settings.fishCount[kind], 1) << "kind " << kind;
        EXPECT_LE(settings.fishCount[kind], 3) << "kind " << kind;
    }
}

TEST_F(LoadWithoutFile, FileIsAValidIniWithTwoSections)
{
    ASSERT_TRUE(fileExists(settingsFile(directory)));
    const IniText ini = readIni(settingsFile(directory));
    EXPECT_EQ(ini.error, "");
    ASSERT_EQ(ini.sections.size(), 2u);
    EXPECT_EQ(ini.sections[0].name, "Aquarium Settings");
    EXPECT_EQ(ini.sections[1].name, "Fish Number");
}

TEST_F(LoadWithoutFile, FileHoldsEveryAquariumKeyInRecordOrder)
{
    const IniText ini = readIni(settingsFile(directory));
    std::vector<std::string> expectedKeys;
    for (const SettingsKey& k : aquariumKeys())
        expectedKeys.push_back(k.key);
    EXPECT_EQ(ini.keys("Aquarium Settings"), expectedKeys);
    for (const SettingsKey& k : aquariumKeys())
        EXPECT_EQ(ini.value("Aquarium Settings", k.key), k.textAfterFirstLoad) << k.key;
}

TEST_F(LoadWithoutFile, VolumeDefaultIsWrittenAsAFraction)
{
    EXPECT_EQ(readIni(settingsFile(directory)).value("Aquarium Settings", "YINLIANG"), "32767.5");
}

TEST_F(LoadWithoutFile, FileHoldsTheDrawnFishCounts)
{
    const IniText ini = readIni(settingsFile(directory));
    std::vector<std::string> expectedKeys;
    for (int kind = 0; kind < kFishKinds; ++kind)
        expectedKeys.push_back(fishKey(kind));
    EXPECT_EQ(ini.keys("Fish Number"), expectedKeys);
    for (int kind = 0; kind < kFishKinds; ++kind)
        EXPECT_EQ(ini.value("Fish Number", fishKey(kind)), std::to_string(settings.fishCount[kind]))
            << fishKey(kind);
}

TEST(LoadWithoutFileRandom, MissingCountsAreTheRuntimesRandInKindOrder)
{
    // srand(1) restarts the C runtime's default sequence, the one a fresh process draws from.
    int expected[kFishKinds] = {};
    std::srand(1);
    for (int& count : expected)
        count = std::rand() % 3 + 1;

    TestDirectory directory;
    AquariumSettings settings{};
    ViewsPosition views{};
    std::srand(1);
    SettingsStore(directory.path()).load(settings, views);

    for (int kind = 0; kind < kFishKinds; ++kind)
        EXPECT_EQ(settings.fishCount[kind], expected[kind]) << "kind " << kind;
}

TEST(LoadWithoutFileRandom, OnlyMissingCountsAreDrawn)
{
    TestDirectory directory;
    const SettingsStore store(directory.path());
    writeFileBytes(settingsFile(directory), "[Fish Number]\r\nFish0=7\r\nFish1=\r\nFish2=9\r\n");

    int expected[kFishKinds] = {};
    std::srand(1);
    for (int kind = 1; kind < kFishKinds; ++kind)
        if (kind != 2)
            expected[kind] = std::rand() % 3 + 1;

    AquariumSettings settings{};
    ViewsPosition views{};
    std::srand(1);
    store.load(settings, views);

    EXPECT_EQ(settings.fishCount[0], 7);
    EXPECT_EQ(settings.fishCount[2], 9);
    for (int kind = 1; kind < kFishKinds; ++kind) {
        if (kind != 2) {
            EXPECT_EQ(settings.fishCount[kind], expected[kind]) << "kind " << kind;
        }
    }
    // The empty key counts as missing: it now holds its drawn count.
    EXPECT_EQ(readIni(settingsFile(directory)).value("Fish Number", "Fish1"),
              std::to_string(expected[1]));
}

TEST(LoadWithoutFileRandom, ADirectoryThatDoesNotExistStillGivesTheDefaults)
{
    TestDirectory parent;
    const SettingsStore store(parent.path() + "missing\\");
    AquariumSettings settings{};
    ViewsPosition views{};
    store.load(settings, views);

    EXPECT_EQ(settings.bubbleCount, 100);
    EXPECT_EQ(settings.volume, 32767);
    EXPECT_EQ(settings.fogDensity, 0);
    EXPECT_EQ(settings.showTerra, 1);
    for (int kind = 0; kind < kFishKinds; ++kind)
        EXPECT_TRUE(settings.fishCount[kind] >= 1 && settings.fishCount[kind] <= 3);
    EXPECT_FALSE(fileExists(parent.path() + "missing\\.\\BluereefScrSet.ini"));
}

}  // namespace
