#include "media/WaveLoop.h"

#include <cstring>

namespace {

constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kPcmFormatSize = 16;
// As good as endless: the tune is tens of seconds long, so this many loops last for years.
constexpr DWORD kEndlessLoops = 0xFFFFFFFF;

DWORD littleEndian32(const char* p)
{
    DWORD value = 0;
    std::memcpy(&value, p, sizeof value);
    return value;
}

}  // namespace

bool parseWaveImage(const std::vector<char>& image, WaveImageLayout& layout)
{
    const size_t size = image.size();
    if (size < kRiffHeaderSize || std::memcmp(image.data(), "RIFF", 4) != 0 ||
        std::memcmp(image.data() + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    for (size_t at = kRiffHeaderSize; size - at >= kChunkHeaderSize;) {
        const char* chunk = image.data() + at;
        const size_t length = littleEndian32(chunk + 4);
        const size_t body = at + kChunkHeaderSize;
        if (length > size - body)
            return false;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= kPcmFormatSize) {
            std::memcpy(&layout.format, image.data() + body, kPcmFormatSize);
            layout.format.cbSize = 0;
            haveFormat = layout.format.wFormatTag == WAVE_FORMAT_PCM;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            layout.dataOffset = body;
            layout.dataSize = length;
            return haveFormat && length > 0;
        }
        at = body + length + (length & 1);  // chunks are padded to even lengths
    }
    return false;
}

bool WaveLoop::open(std::vector<char> wave)
{
    stop();
    WaveImageLayout parsed;
    if (!parseWaveImage(wave, parsed))
        return false;
    if (::waveOutOpen(&device, WAVE_MAPPER, &parsed.format, 0, 0, CALLBACK_NULL) !=
        MMSYSERR_NOERROR) {
        device = nullptr;
        return false;
    }
    image = std::move(wave);
    layout = parsed;
    return true;
}

bool WaveLoop::setVolume(DWORD volume)
{
    return device != nullptr && ::waveOutSetVolume(device, volume) == MMSYSERR_NOERROR;
}

bool WaveLoop::play()
{
    if (device == nullptr || headerPrepared)
        return false;
    header = {};
    header.lpData = image.data() + layout.dataOffset;
    header.dwBufferLength = static_cast<DWORD>(layout.dataSize);
    if (::waveOutPrepareHeader(device, &header, sizeof header) != MMSYSERR_NOERROR)
        return false;
    headerPrepared = true;
    // The loop flags go on a prepared header: preparing wants the flags clear.
    header.dwFlags |= WHDR_BEGINLOOP | WHDR_ENDLOOP;
    header.dwLoops = kEndlessLoops;
    return ::waveOutWrite(device, &header, sizeof header) == MMSYSERR_NOERROR;
}

void WaveLoop::stop()
{
    if (device == nullptr)
        return;
    ::waveOutReset(device);
    if (headerPrepared)
        ::waveOutUnprepareHeader(device, &header, sizeof header);
    headerPrepared = false;
    ::waveOutClose(device);
    device = nullptr;
    image.clear();
}
