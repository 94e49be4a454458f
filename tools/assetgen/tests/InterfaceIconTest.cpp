// The interface's small pictures: the icon and cursor files Windows reads, and motifs that can be
// told apart.
#include "IconWriter.h"
#include "InterfaceIcons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> readBack(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

unsigned read16(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8;
}

TEST(IconFiles, ACursorCarriesItsHotSpotWhereAnIconCarriesPlanesAndBitCount)
{
    const std::string icon = ::testing::TempDir() + "/test.ico";
    const std::string cursor = ::testing::TempDir() + "/test.cur";
    ASSERT_TRUE(writeIcon(icon, {Image(24, 24)}));
    ASSERT_TRUE(writeCursor(cursor, Image(32, 32), 3, 5));
    const std::vector<std::uint8_t> ico = readBack(icon);
    const std::vector<std::uint8_t> cur = readBack(cursor);
    ASSERT_GE(ico.size(), 22u);
    ASSERT_GE(cur.size(), 22u);
    EXPECT_EQ(read16(ico, 2), 1u) << "type: icon";
    EXPECT_EQ(read16(cur, 2), 2u) << "type: cursor";
    EXPECT_EQ(ico[6], 24);
    EXPECT_EQ(cur[6], 32);
    EXPECT_EQ(read16(ico, 10), 1u) << "planes";
    EXPECT_EQ(read16(ico, 12), 32u) << "bits per pixel";
    EXPECT_EQ(read16(cur, 10), 3u) << "hot spot x";
    EXPECT_EQ(read16(cur, 12), 5u) << "hot spot y";
    std::remove(icon.c_str());
    std::remove(cursor.c_str());
}

float difference(const Image& a, const Image& b)
{
    float sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::fabs(a.at(x, y).r - b.at(x, y).r) + std::fabs(a.at(x, y).g - b.at(x, y).g) +
                   std::fabs(a.at(x, y).b - b.at(x, y).b);
    return sum / (a.width() * a.height());
}

TEST(InterfaceIcons, EveryMotifStandsOnTheWaterTileAndLooksLikeNoOther)
{
    const Motif motifs[] = {Motif::FishCounts, Motif::Exit,    Motif::Watch,    Motif::Feed,
                            Motif::Touch,      Motif::Grow,    Motif::Shrink,   Motif::Marker,
                            Motif::Ripple,     Motif::Settings, Motif::Background, Motif::Music};
    std::vector<Image> icons;
    for (const Motif motif : motifs) {
        icons.push_back(paintMenuIcon(motif, 24));
        EXPECT_LT(icons.back().at(0, 0).a, 0.1f) << "the tile's corners are rounded off";
        EXPECT_GT(icons.back().at(12, 20).a, 0.99f) << "the tile is opaque";
    }
    for (std::size_t i = 0; i < icons.size(); ++i)
        for (std::size_t j = i + 1; j < icons.size(); ++j)
            EXPECT_GT(difference(icons[i], icons[j]), 0.02f) << "motifs " << i << " and " << j;
}

TEST(InterfaceIcons, ACursorsTipIsItsHotSpotAndItsBadgeSitsLowerRight)
{
    const Image cursor = paintModeCursor(Motif::Feed);
    ASSERT_EQ(cursor.width(), kCursorSize);
    EXPECT_GT(cursor.at(kCursorHotSpot, kCursorHotSpot + 1).a, 0.5f) << "the arrow starts there";
    EXPECT_LT(cursor.at(kCursorSize - 1, 0).a, 0.1f) << "nothing in the upper right";
    EXPECT_GT(cursor.at(kCursorSize * 3 / 4, kCursorSize * 3 / 4).a, 0.99f) << "the badge";
}

}  // namespace
