#include "WavWriter.h"

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

std::vector<std::uint8_t> encodeWav16(const std::vector<std::int16_t>& samples, int channels,
                                      int sampleRate)
{
    const std::uint32_t blockAlign = 2 * static_cast<std::uint32_t>(channels);
    const std::uint32_t dataSize = 2 * static_cast<std::uint32_t>(samples.size());
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putTag(out, "RIFF");
    put32(out, 36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // WAVE_FORMAT_PCM
    put16(out, static_cast<std::uint32_t>(channels));
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataSize);
    for (std::int16_t sample : samples)
        put16(out, static_cast<std::uint16_t>(sample));
    return out;
}
