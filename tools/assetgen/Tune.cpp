#include "Tune.h"

#include "Synth.h"

#include <array>

namespace {

// One bar: the bass note, the pad's four notes, the four rising notes of the bell arpeggio and up
// to two answering bell notes (beat within the bar, note; a note of 0 is a rest). MIDI numbers.
struct Bar {
    int bass;
    std::array<int, 4> pad;
    std::array<int, 4> arpeggio;
    std::array<std::array<double, 2>, 2> answer;
};

// Dmaj9, Bm11, Gmaj7, Asus2, F#m7, Em9, Gmaj9, Asus4; the last bar's answer leans back into the
// first bar's D.
const std::array<Bar, 8> kBars{{
    {50, {54, 57, 61, 64}, {69, 74, 78, 81}, {{{2.5, 76}, {0, 0}}}},
    {47, {54, 57, 62, 64}, {66, 71, 74, 78}, {{{2.5, 78}, {3.5, 76}}}},
    {43, {55, 59, 62, 66}, {67, 71, 74, 78}, {{{2.5, 74}, {0, 0}}}},
    {45, {52, 57, 59, 64}, {69, 71, 76, 81}, {{{2.5, 76}, {3.5, 71}}}},
    {42, {54, 57, 61, 64}, {66, 69, 73, 76}, {{{2.5, 73}, {3.5, 76}}}},
    {40, {55, 59, 62, 66}, {64, 67, 71, 78}, {{{2.5, 78}, {3.0, 79}}}},
    {43, {57, 59, 62, 66}, {67, 71, 74, 81}, {{{2.5, 81}, {3.5, 78}}}},
    {45, {52, 57, 62, 64}, {69, 74, 76, 81}, {{{2.5, 76}, {3.0, 73}}}},
}};

// Small fixed variations of timing (seconds) and loudness, so the bell does not sound mechanical.
constexpr std::array<double, 7> kNudge{0.004, -0.006, 0.0, 0.007, -0.003, 0.005, -0.005};
constexpr std::array<float, 5> kAccent{1.0f, 0.86f, 0.93f, 0.8f, 0.9f};

}  // namespace

std::vector<std::int16_t> composeTune()
{
    LoopBuffer loop(kTuneSampleRate, kTuneLength);
    const double beat = static_cast<double>(kTuneSamplesPerBeat) / kTuneSampleRate;
    const double bar = 4 * beat;
    int bell = 0;
    auto ring = [&](double start, int midi, float level) {
        addBell(loop, {start + kNudge[bell % kNudge.size()], 3.2, noteFrequency(midi),
                       level * kAccent[bell % kAccent.size()]});
        ++bell;
    };
    for (std::size_t b = 0; b < kBars.size(); ++b) {
        const Bar& chord = kBars[b];
        const double start = b * bar;
        addBass(loop, {start, bar * 0.8, noteFrequency(chord.bass), 0.16f}, 0.12, 1.6);
        for (int note : chord.pad)
            addPad(loop, {start, bar, noteFrequency(note), 0.085f}, 1.5, 2.6);
        // Every other bar breaks the rising arpeggio: first, third, second, fourth note.
        const std::array<int, 4> order = b % 2 == 0 ? std::array<int, 4>{0, 1, 2, 3} : std::array<int, 4>{0, 2, 1, 3};
        for (int i = 0; i < 4; ++i)
            ring(start + i * beat / 2, chord.arpeggio[order[i]], 0.11f - 0.012f * i);
        for (const auto& answer : chord.answer)
            if (answer[1] != 0)
                ring(start + answer[0] * beat, static_cast<int>(answer[1]), 0.085f);
    }
    return toPcm16(warmAndReverberate(loop.samples(), kTuneSampleRate, 0.9f), 0.55f);
}
