#include "Synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Raised-cosine rise over `attack`, full level until `hold`, raised-cosine fall over `release`.
double envelope(double t, double attack, double hold, double release)
{
    auto rise = [attack](double time) {
        return time >= attack ? 1.0 : 0.5 - 0.5 * std::cos(kPi * time / attack);
    };
    if (t < hold)
        return rise(t);
    if (t >= hold + release)
        return 0.0;
    return rise(hold) * (0.5 + 0.5 * std::cos(kPi * (t - hold) / release));
}

// A sine oscillator advanced by rotating its (cos, sin) pair, cheaper than calling sin per sample.
class Rotor {
public:
    Rotor(double frequency, int sampleRate, double phase)
        : c_(std::cos(phase)), s_(std::sin(phase)),
          dc_(std::cos(2 * kPi * frequency / sampleRate)), ds_(std::sin(2 * kPi * frequency / sampleRate))
    {
    }
    double sine() const { return s_; }
    double cosine() const { return c_; }
    void step()
    {
        const double c = c_ * dc_ - s_ * ds_;
        s_ = s_ * dc_ + c_ * ds_;
        c_ = c;
    }

private:
    double c_, s_, dc_, ds_;
};

long toSamples(double seconds, int sampleRate)
{
    return std::lround(seconds * sampleRate);
}

// A comb filter with a damped (low-passed) feedback path.
class Comb {
public:
    explicit Comb(int delay) : line_(static_cast<std::size_t>(delay), 0.0f) {}
    float process(float input, float feedback, float damping)
    {
        const float out = line_[pos_];
        store_ = out * (1 - damping) + store_ * damping;
        line_[pos_] = input + store_ * feedback;
        pos_ = pos_ + 1 == line_.size() ? 0 : pos_ + 1;
        return out;
    }

private:
    std::vector<float> line_;
    std::size_t pos_ = 0;
    float store_ = 0;
};

class Allpass {
public:
    explicit Allpass(int delay) : line_(static_cast<std::size_t>(delay), 0.0f) {}
    float process(float input)
    {
        const float delayed = line_[pos_];
        line_[pos_] = input + delayed * 0.5f;
        pos_ = pos_ + 1 == line_.size() ? 0 : pos_ + 1;
        return delayed - input;
    }

private:
    std::vector<float> line_;
    std::size_t pos_ = 0;
};

}  // namespace

void LoopBuffer::add(long index, float value)
{
    const long n = length();
    index %= n;
    if (index < 0)
        index += n;
    samples_[static_cast<std::size_t>(index)] += value;
}

double noteFrequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

void addPad(LoopBuffer& loop, const Note& note, double attack, double release)
{
    const int rate = loop.sampleRate();
    const long start = toSamples(note.start, rate);
    const long count = toSamples(note.length + release, rate);
    std::array<Rotor, 3> voices{Rotor(note.frequency * (1 - 0.0026), rate, 0.0), Rotor(note.frequency, rate, 0.7),
                                Rotor(note.frequency * (1 + 0.0031), rate, 1.9)};
    for (long i = 0; i < count; ++i) {
        double tone = 0;
        for (Rotor& osc : voices) {
            const double s = osc.sine();
            const double c = osc.cosine();
            // Second and third harmonics from the fundamental's sine and cosine.
            tone += s + 0.22 * (2 * s * c) + 0.07 * s * (3 - 4 * s * s);
            osc.step();
        }
        const double amp = envelope(static_cast<double>(i) / rate, attack, note.length, release);
        loop.add(start + i, static_cast<float>(note.level / 3.0 * amp * tone));
    }
}

void addBass(LoopBuffer& loop, const Note& note, double attack, double release)
{
    const int rate = loop.sampleRate();
    const long start = toSamples(note.start, rate);
    const long count = toSamples(note.length + release, rate);
    Rotor osc(note.frequency, rate, 0.0);
    for (long i = 0; i < count; ++i) {
        const double s = osc.sine();
        const double tone = s + 0.12 * (2 * s * osc.cosine());
        const double amp = envelope(static_cast<double>(i) / rate, attack, note.length, release);
        loop.add(start + i, static_cast<float>(note.level * amp * tone));
        osc.step();
    }
}

void addBell(LoopBuffer& loop, const Note& note)
{
    const int rate = loop.sampleRate();
    const long start = toSamples(note.start, rate);
    const long count = toSamples(note.length, rate);
    const double w = 2 * kPi * note.frequency / rate;
    Rotor modulator(2 * note.frequency, rate, 0.0);
    Rotor overtone(4.01 * note.frequency, rate, 0.0);
    // Exponential decays as per-sample factors: the tone, the shimmer (which dies first) and the
    // faint high overtone.
    const double toneDecay = std::exp(-1.0 / (0.95 * rate));
    const double shimmerDecay = std::exp(-1.0 / (0.18 * rate));
    const double overtoneDecay = std::exp(-1.0 / (0.35 * rate));
    double toneLevel = 1, shimmer = 1.1, overtoneLevel = 0.08;
    const long fadeStart = count * 6 / 10;
    for (long i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double tone = std::sin(w * i + shimmer * modulator.sine()) + overtoneLevel * overtone.sine();
        double amp = toneLevel * envelope(t, 0.006, note.length, 0.0);
        if (i > fadeStart)
            amp *= 0.5 + 0.5 * std::cos(kPi * (i - fadeStart) / (count - fadeStart));
        loop.add(start + i, static_cast<float>(note.level * amp * tone));
        modulator.step();
        overtone.step();
        toneLevel *= toneDecay;
        shimmer *= shimmerDecay;
        overtoneLevel *= overtoneDecay;
    }
}

std::vector<float> warmAndReverberate(const std::vector<float>& dry, int sampleRate, float wet)
{
    // Delay lengths of a classic parallel-comb reverb, tuned at 44.1 kHz and scaled to this rate.
    const std::array<int, 8> combDelays{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    const std::array<int, 4> allpassDelays{556, 441, 341, 225};
    const double scale = sampleRate / 44100.0;
    std::vector<Comb> combs;
    for (int d : combDelays)
        combs.emplace_back(std::max(1, static_cast<int>(d * scale)));
    std::vector<Allpass> allpasses;
    for (int d : allpassDelays)
        allpasses.emplace_back(std::max(1, static_cast<int>(d * scale)));

    const float lowPass = static_cast<float>(1 - std::exp(-2 * kPi * 3800.0 / sampleRate));
    const float feedback = 0.86f;
    const float damping = 0.35f;

    // The reverb's tail falls below a millionth of its level within a few seconds; two passes over
    // a loop longer than that leave only the periodic steady state in the second.
    std::vector<float> out(dry.size());
    float warm = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < dry.size(); ++i) {
            warm += (dry[i] - warm) * lowPass;
            float reverb = 0;
            for (Comb& comb : combs)
                reverb += comb.process(warm * 0.02f, feedback, damping);
            for (Allpass& allpass : allpasses)
                reverb = allpass.process(reverb);
            out[i] = warm + wet * reverb;
        }
    return out;
}

std::vector<std::int16_t> toPcm16(std::vector<float> loop, float peak)
{
    double mean = 0;
    for (float v : loop)
        mean += v;
    mean /= std::max<std::size_t>(1, loop.size());
    float highest = 0;
    for (float& v : loop) {
        v -= static_cast<float>(mean);
        highest = std::max(highest, std::fabs(v));
    }
    const float gain = highest > 0 ? peak * 32767.0f / highest : 0.0f;
    std::uint32_t state = 0x2545F491U;
    auto uniform = [&state]() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state >> 8) * (1.0f / 16777216.0f);
    };
    std::vector<std::int16_t> pcm(loop.size());
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const float dither = uniform() + uniform() - 1.0f;
        const float value = std::round(loop[i] * gain + dither);
        pcm[i] = static_cast<std::int16_t>(std::clamp(value, -32768.0f, 32767.0f));
    }
    return pcm;
}
