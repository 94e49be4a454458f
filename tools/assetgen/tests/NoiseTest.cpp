#include "Noise.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Noise, RepeatsAcrossItsPeriodAndVariesWithin)
{
    const Noise noise(7);
    float lowest = 1, highest = -1;
    for (int i = 0; i < 400; ++i) {
        const float x = i * 0.173f;
        const float y = i * 0.311f - 20;
        EXPECT_NEAR(noise.at(x, y, 5), noise.at(x + 5, y, 5), 1e-4f) << x;
        EXPECT_NEAR(noise.at(x, y, 5), noise.at(x - 10, y, 5), 1e-4f) << x;
        EXPECT_NEAR(noise.fractal(x, y, 3, 4), noise.fractal(x + 3, y, 3, 4), 1e-4f) << x;
        lowest = std::min(lowest, noise.at(x, y, 5));
        highest = std::max(highest, noise.at(x, y, 5));
    }
    EXPECT_GT(lowest, -1.1f);
    EXPECT_LT(highest, 1.1f);
    EXPECT_GT(highest - lowest, 0.8f);
}

TEST(Noise, IsContinuousAcrossTheWrap)
{
    const Noise noise(3);
    for (float y = 0; y < 8; y += 0.37f)
        EXPECT_NEAR(noise.at(6.9999f, y, 7), noise.at(0.0f, y, 7), 1e-3f) << y;
}

TEST(Noise, DependsOnlyOnTheSeed)
{
    const Noise a(11), b(11), c(12);
    int differing = 0;
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(a.at(i * 0.37f, i * 0.71f, 9), b.at(i * 0.37f, i * 0.71f, 9));
        EXPECT_EQ(a.hash(i, 2, 3), b.hash(i, 2, 3));
        differing += a.at(i * 0.37f, i * 0.71f, 9) != c.at(i * 0.37f, i * 0.71f, 9);
        EXPECT_GE(a.hash(i), 0.0f);
        EXPECT_LT(a.hash(i), 1.0f);
    }
    EXPECT_GT(differing, 40);
}
