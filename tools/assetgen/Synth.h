// A small synthesizer for a seamless loop: voices are mixed into a loop buffer in which whatever
// still sounds past the end wraps around to the start, and the effects run until their output
// repeats, so the last sample leads into the first exactly as any sample into the next.
#pragma once

#include <cstdint>
#include <vector>

class LoopBuffer {
public:
    LoopBuffer(int sampleRate, int length) : sampleRate_(sampleRate), samples_(length, 0.0f) {}

    int sampleRate() const { return sampleRate_; }
    int length() const { return static_cast<int>(samples_.size()); }
    // Adds `value` at position `index` taken modulo the loop length.
    void add(long index, float value);

    std::vector<float>& samples() { return samples_; }
    const std::vector<float>& samples() const { return samples_; }

private:
    int sampleRate_;
    std::vector<float> samples_;
};

// Note start and length in seconds, pitch in Hz, level as a linear amplitude.
struct Note {
    double start;
    double length;
    double frequency;
    float level;
};

// A soft chorused pad: three slightly detuned voices with a few gentle harmonics each, a slow
// attack, and a long release after `length`.
void addPad(LoopBuffer& loop, const Note& note, double attack, double release);

// A mellow sine bass with a rounded attack and release.
void addBass(LoopBuffer& loop, const Note& note, double attack, double release);

// A mallet bell: a sine carrier with a frequency-modulated shimmer that dies away faster than the
// tone itself; `length` is how long it rings before fading out.
void addBell(LoopBuffer& loop, const Note& note);

// Warms the loop with a gentle low-pass and adds a reverb; both run over the loop repeatedly until
// the reverb's tail has wrapped around, so the result is one period of the steady state.
std::vector<float> warmAndReverberate(const std::vector<float>& dry, int sampleRate, float wet);

// Removes the loop's mean, scales its peak to `peak` (of full scale) and quantises it to 16 bits
// with triangular dither from a fixed seed.
std::vector<std::int16_t> toPcm16(std::vector<float> loop, float peak);

// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
double noteFrequency(int midiNote);
