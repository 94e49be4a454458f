// The two operations through which the settings dialog and the fish dialog change the record.
#include "settings/SettingsStore.h"
#include "settings/SharedSettings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// 42 four-byte fields and no padding, so whole records compare byte for byte.
static_assert(sizeof(AquariumSettings) == 42 * 4, "the record holds 42 fields");

bool sameRecord(const AquariumSettings& a, const AquariumSettings& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A record whose every field differs from the same field of any record made with `seed` + k.
AquariumSettings distinctRecord(int seed)
{
    AquariumSettings s{};
    for (int i = 0; i < 42; ++i) {
        const int word = seed + i;
        std::memcpy(reinterpret_cast<char*>(&s) + i * sizeof word, &word, sizeof word);
    }
    // The two rotations are floats; give them values a float holds exactly.
    s.lockForeRotation = static_cast<float>(seed) + 0.5f;
    s.lockBackRotation = static_cast<float>(seed) + 0.25f;
    s.bubbleCount = 60;  // inside the slider's range, so it is copied unchanged
    return s;
}

TEST(ApplyDialogSettings, CopiesEveryFieldButTheFishCounts)
{
    AquariumSettings record = distinctRecord(1000);
    const AquariumSettings fromDialog = distinctRecord(5000);

    SettingsStore::applyDialogSettings(record, fromDialog);

    AquariumSettings expected = fromDialog;
    for (int kind = 0; kind < kFishKinds; ++kind)
        expected.fishCount[kind] = distinctRecord(1000).fishCount[kind];
    EXPECT_TRUE(sameRecord(record, expected));
    EXPECT_EQ(record.lockBackRotation, 5000.25f);
    EXPECT_EQ(record.viewsNearFar, fromDialog.viewsNearFar);
    EXPECT_EQ(record.fishCount[0], distinctRecord(1000).fishCount[0]);
}

TEST(ApplyDialogSettings, HoldsTheBubbleSettingToTheSlidersRange)
{
    AquariumSettings record{};
    AquariumSettings fromDialog{};
    fromDialog.bubbleCount = 500;
    SettingsStore::applyDialogSettings(record, fromDialog);
    EXPECT_EQ(record.bubbleCount, 110);

    fromDialog.bubbleCount = -3;
    SettingsStore::applyDialogSettings(record, fromDialog);
    EXPECT_EQ(record.bubbleCount, 0);
}

TEST(ApplyFishCounts, CopiesTheCountsAndNothingElse)
{
    AquariumSettings record = distinctRecord(1000);
    const AquariumSettings before = record;
    const int counts[kFishKinds] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 50};

    SettingsStore::applyFishCounts(record, counts);

    AquariumSettings expected = before;
    std::memcpy(expected.fishCount, counts, sizeof counts);
    EXPECT_TRUE(sameRecord(record, expected));
}

TEST(ApplyFishCounts, HoldsEachCountTo0Through50)
{
    AquariumSettings record{};
    const int counts[kFishKinds] = {70, -4, 51, -1, 50, 0, 3, 3, 3, 3, 3, 3, 3, 3, 1000};

    SettingsStore::applyFishCounts(record, counts);

    const int expected[kFishKinds] = {50, 0, 50, 0, 50, 0, 3, 3, 3, 3, 3, 3, 3, 3, 50};
    for (int kind = 0; kind < kFishKinds; ++kind)
        EXPECT_EQ(record.fishCount[kind], expected[kind]) << "kind " << kind;
}

TEST(SharedSettingsApply, ApplyOperationsChangeTheSharedRecord)
{
    SharedSettings shared;
    AquariumSettings fromDialog{};
    fromDialog.volume = 1234;
    fromDialog.fishCount[4] = 9;
    shared.applyDialogSettings(fromDialog);
    EXPECT_EQ(shared.settings.volume, 1234);
    EXPECT_EQ(shared.settings.fishCount[4], 0);

    int counts[kFishKinds] = {};
    counts[4] = 60;
    shared.applyFishCounts(counts);
    EXPECT_EQ(shared.settings.fishCount[4], 50);
    EXPECT_EQ(shared.settings.volume, 1234);
}

}  // namespace
