// The painted pictures: what the program's loaders and blending make of them.
#include "Backdrop.h"
#include "BmpWriter.h"
#include "Particles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

float luminance(const Rgba& p)
{
    return 0.3f * p.r + 0.59f * p.g + 0.11f * p.b;
}

class BackdropPicture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { picture_ = new Image(paintBackdrop()); }
    static void TearDownTestSuite()
    {
        delete picture_;
        picture_ = nullptr;
    }
    static const Image& picture() { return *picture_; }

private:
    static Image* picture_;
};

Image* BackdropPicture::picture_ = nullptr;

}  // namespace

TEST_F(BackdropPicture, HasNoPureBlackPixel)
{
    // Pure black becomes transparent when the program loads the picture.
    const std::vector<std::uint8_t> bmp = encodeBmp24(picture());
    ASSERT_EQ(bmp.size(), 54u + kBackdropWidth * kBackdropHeight * 3);
    int black = 0;
    for (std::size_t i = 54; i < bmp.size(); i += 3)
        black += bmp[i] == 0 && bmp[i + 1] == 0 && bmp[i + 2] == 0;
    EXPECT_EQ(black, 0);
}

TEST_F(BackdropPicture, IsDeepWaterAboveAndLighterReefBelow)
{
    const Image& p = picture();
    ASSERT_EQ(p.width(), kBackdropWidth);
    ASSERT_EQ(p.height(), kBackdropHeight);
    auto bandMean = [&](int y0, int y1, float Rgba::*channel) {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < p.width(); ++x)
                sum += channel ? p.at(x, y).*channel : luminance(p.at(x, y));
        return sum / ((y1 - y0) * p.width());
    };
    const int h = p.height();
    const double top = bandMean(0, h / 10, nullptr);
    const double middle = bandMean(h * 4 / 10, h * 5 / 10, nullptr);
    const double bottom = bandMean(h * 8 / 10, h * 9 / 10, nullptr);
    EXPECT_LT(top, 0.12);
    EXPECT_LT(top, middle);
    EXPECT_LT(middle, bottom);
    // Blue-black, not grey, at the top.
    EXPECT_GT(bandMean(0, h / 10, &Rgba::b), 2 * bandMean(0, h / 10, &Rgba::r));
}

TEST_F(BackdropPicture, WrapsAcrossItsWidthWithoutASeam)
{
    // The wall's texture repeats, so the right edge is filtered against the left one.
    const Image& p = picture();
    auto columnDifference = [&](int a, int b) {
        double sum = 0;
        for (int y = 0; y < p.height(); ++y) {
            const Rgba& u = p.at(a, y);
            const Rgba& v = p.at(b, y);
            sum += std::fabs(u.r - v.r) + std::fabs(u.g - v.g) + std::fabs(u.b - v.b);
        }
        return sum / p.height();
    };
    double typical = 0;
    for (int x = 0; x + 1 < p.width(); ++x)
        typical += columnDifference(x, x + 1);
    typical /= p.width() - 1;
    EXPECT_LT(columnDifference(p.width() - 1, 0), 2.5 * typical);
}

TEST_F(BackdropPicture, IsTheMirrorImageOfWhatTheViewerSees)
{
    const Image seen = paintBackdropAsSeen();
    const Image& stored = picture();
    for (int y = 0; y < stored.height(); y += 37)
        for (int x = 0; x < stored.width(); x += 41) {
            const Rgba& a = stored.at(x, y);
            const Rgba& b = seen.at(stored.width() - 1 - x, y);
            ASSERT_EQ(toByte(a.r), toByte(b.r)) << x << "," << y;
            ASSERT_EQ(toByte(a.g), toByte(b.g)) << x << "," << y;
            ASSERT_EQ(toByte(a.b), toByte(b.b)) << x << "," << y;
        }
}

TEST(Bubble, IsBlackOutsideTheRimWithItsHighlightUpAndToTheLeftOnTheQuad)
{
    const int size = 32;
    const Image bubble = paintBubble(size);
    const float half = size / 2.0f;
    int brightestX = 0, brightestY = 0;
    float brightest = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Rgba& p = bubble.at(x, y);
            const float r = std::hypot(x + 0.5f - half, y + 0.5f - half) / half;
            if (r >= 1.0f) {
                // Drawn additively: black adds nothing, so the square quad never shows.
                EXPECT_EQ(toByte(p.r) + toByte(p.g) + toByte(p.b), 0) << x << "," << y;
            }
            if (luminance(p) > brightest) {
                brightest = luminance(p);
                brightestX = x;
                brightestY = y;
            }
        }
    EXPECT_GT(brightest, 0.6f);
    // The quad lays picture rows along its x axis from right to left and picture columns up its
    // y axis, so up-left on the quad is down-right in the picture.
    EXPECT_GT(brightestX, size / 2);
    EXPECT_GT(brightestY, size / 2);
    // A ring: brighter at the rim than in the middle.
    const float centre = luminance(bubble.at(size / 2, size / 2));
    const float rim = luminance(bubble.at(size / 2, 3));
    EXPECT_GT(rim, 2 * centre);
}
