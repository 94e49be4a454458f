// Encodes 16-bit PCM samples as a RIFF WAVE file: a "fmt " chunk (PCM) and one "data" chunk.
#pragma once

#include <cstdint>
#include <vector>

// `samples` holds the frames in order, channels interleaved.
std::vector<std::uint8_t> encodeWav16(const std::vector<std::int16_t>& samples, int channels,
                                      int sampleRate);
