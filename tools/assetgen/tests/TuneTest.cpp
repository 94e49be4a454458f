// The synthesizer's loop guarantees and the finished tune's joint.
#include "Synth.h"
#include "Tune.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

TEST(LoopBuffer, WrapsPositionsAroundTheLoop)
{
    LoopBuffer loop(8000, 100);
    loop.add(103, 1.0f);
    loop.add(-2, 2.0f);
    loop.add(250, 4.0f);
    EXPECT_EQ(loop.samples()[3], 1.0f);
    EXPECT_EQ(loop.samples()[98], 2.0f);
    EXPECT_EQ(loop.samples()[50], 4.0f);
}

TEST(Synth, ANoteRunningPastTheEndContinuesAtTheStart)
{
    const int rate = 8000;
    LoopBuffer loop(rate, rate);  // one second
    addPad(loop, {0.8, 0.5, 220.0, 0.5f}, 0.05, 0.2);
    const std::vector<float>& s = loop.samples();
    // Still sounding 0.2 s into the loop (0.4 s after its start), silent once released. (The three
    // detuned voices beat against each other, so the level there is anywhere up to 0.5.)
    float early = 0, late = 0;
    for (int i = 0; i < rate / 10; ++i) {
        early = std::max(early, std::fabs(s[static_cast<std::size_t>(0.2 * rate) + i]));
        late = std::max(late, std::fabs(s[static_cast<std::size_t>(0.55 * rate) + i]));
    }
    EXPECT_GT(early, 0.05f);
    EXPECT_EQ(late, 0.0f);
    // The joint is as smooth as the tone anywhere: a 220 Hz tone of this level moves at most
    // about 2 pi f / rate times its amplitude (and a little more for the harmonics) per sample.
    EXPECT_LT(std::fabs(s.front() - s.back()), 0.5f * 1.4f * 2 * 3.1416f * 220 / rate);
}

TEST(Synth, ReverbGivesTheSteadyStateOfTheRepeatedLoop)
{
    const int rate = 8000;
    const std::size_t n = 4 * rate;
    std::vector<float> dry(n, 0.0f);
    dry[n - 50] = 1.0f;  // a click just before the end: its echo must come round to the start
    dry[n / 3] = -0.5f;
    const std::vector<float> once = warmAndReverberate(dry, rate, 1.0f);
    std::vector<float> thrice;
    for (int i = 0; i < 3; ++i)
        thrice.insert(thrice.end(), dry.begin(), dry.end());
    const std::vector<float> repeated = warmAndReverberate(thrice, rate, 1.0f);
    ASSERT_EQ(once.size(), n);
    float echoAtStart = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ASSERT_NEAR(once[i], repeated[2 * n + i], 1e-5f) << "sample " << i;
        if (i < static_cast<std::size_t>(rate / 2))
            echoAtStart = std::max(echoAtStart, std::fabs(once[i]));
    }
    EXPECT_GT(echoAtStart, 1e-3f);
}

TEST(Synth, Pcm16RemovesTheMeanAndScalesThePeak)
{
    std::vector<float> loop(1000);
    for (std::size_t i = 0; i < loop.size(); ++i)
        loop[i] = 0.3f + 0.1f * std::sin(i * 0.05f);
    const std::vector<std::int16_t> pcm = toPcm16(loop, 0.5f);
    long sum = 0;
    int peak = 0;
    for (std::int16_t s : pcm) {
        sum += s;
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    EXPECT_LT(std::labs(sum) / static_cast<long>(pcm.size()), 3);
    EXPECT_NEAR(peak, 16384, 3);
}

TEST(Tune, IsOneSeamlessBalancedLoop)
{
    const std::vector<std::int16_t> tune = composeTune();
    ASSERT_EQ(tune.size(), static_cast<std::size_t>(kTuneLength));
    const std::size_t n = tune.size();
    auto at = [&](long i) { return static_cast<double>(tune[static_cast<std::size_t>((i % static_cast<long>(n) + n) % n)]); };

    double sum = 0, energy = 0;
    int peak = 0;
    std::vector<double> steps, bends;
    for (std::size_t i = 0; i < n; ++i) {
        sum += tune[i];
        energy += static_cast<double>(tune[i]) * tune[i];
        peak = std::max(peak, std::abs(static_cast<int>(tune[i])));
        if (i > 0 && i + 1 < n) {
            steps.push_back(std::fabs(at(i) - at(i - 1)));
            bends.push_back(std::fabs(at(i - 1) - 2 * at(i) + at(i + 1)));
        }
    }
    EXPECT_LT(std::fabs(sum / n), 2.0);  // no offset
    EXPECT_GT(peak, 8000);               // audible
    EXPECT_LT(peak, 32000);              // and never clipped
    const double rms = std::sqrt(energy / n);

    // The last sample leads into the first like any sample into the next: no step and no kink at
    // the joint beyond what the music itself does.
    std::sort(steps.begin(), steps.end());
    std::sort(bends.begin(), bends.end());
    const double step999 = steps[steps.size() * 999 / 1000];
    const double bend999 = bends[bends.size() * 999 / 1000];
    EXPECT_LE(std::fabs(at(0) - at(-1)), step999);
    EXPECT_LE(std::fabs(at(-2) - 2 * at(-1) + at(0)), bend999);
    EXPECT_LE(std::fabs(at(-1) - 2 * at(0) + at(1)), bend999);

    // No gap or swell around the joint: the loudness there is like the loudness overall.
    const long window = kTuneSampleRate / 10;
    for (long start : {-window, 0L}) {
        double e = 0;
        for (long i = start; i < start + window; ++i)
            e += at(i) * at(i);
        const double local = std::sqrt(e / window);
        EXPECT_GT(local, 0.4 * rms) << start;
        EXPECT_LT(local, 2.5 * rms) << start;
    }
}
