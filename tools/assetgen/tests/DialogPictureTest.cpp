// The dialogs' pictures: every kind in its cell of the fish sheet, with the cell's corner free for
// its count.
#include "DialogPictures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The sheet's own pale sea tone, which a white fish is brighter than.
bool pale(const Rgba& p)
{
    return p.r > 0.8f && p.r < 0.93f && p.g > 0.85f && p.g < 0.96f && p.b > 0.85f &&
           p.b < 0.96f && std::fabs(p.g - p.b) < 0.05f;
}

TEST(FishSheet, EachKindFillsTheMiddleOfItsCellAndLeavesTheCornerForItsCount)
{
    const Image sheet = paintFishSheet();
    ASSERT_EQ(sheet.width(), kSheetWidth);
    ASSERT_EQ(sheet.height(), kSheetHeight);
    for (int kind = 0; kind < 15; ++kind) {
        const int left = kSheetOrigin + kind % 5 * kSheetCellWidth;
        const int top = kSheetOrigin + kind / 5 * kSheetCellHeight;
        int fish = 0;
        for (int y = top + 25; y < top + kSheetCellHeight - 10; ++y)
            for (int x = left + 15; x < left + kSheetCellWidth - 15; ++x)
                fish += pale(sheet.at(x, y)) ? 0 : 1;
        EXPECT_GT(fish, 800) << "kind " << kind << " shows in its cell";
        for (int y = top + 2; y < top + 20; ++y)
            for (int x = left + 2; x < left + 25; ++x)
                ASSERT_TRUE(pale(sheet.at(x, y))) << "kind " << kind << ": the count's corner";
    }
}

TEST(BackgroundPreviews, AreTheSizeOfTheirPlacesAndDifferFromEachOther)
{
    const Image one = paintBackgroundPreview(1), two = paintBackgroundPreview(2);
    ASSERT_EQ(one.width(), kPreviewWidth);
    ASSERT_EQ(one.height(), kPreviewHeight);
    const Rgba a = one.at(64, 44), b = two.at(64, 2);
    EXPECT_GT(std::fabs(a.g - b.g), 0.2f);
}

}  // namespace
