// The built-in tune: a calm loop in D major of soft pads over a sine bass, with a mallet bell
// arpeggio, eight bars at 75 beats a minute, mono 16-bit at 22050 Hz. It loops seamlessly.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kTuneSampleRate = 22050;
constexpr int kTuneSamplesPerBeat = kTuneSampleRate * 4 / 5;  // 75 beats a minute
constexpr int kTuneBeats = 32;
constexpr int kTuneLength = kTuneSamplesPerBeat * kTuneBeats;

// One period of the loop, mono samples.
std::vector<std::int16_t> composeTune();
