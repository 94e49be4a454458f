// A wave sound looped from memory on a wave-out device of its own: the sound does not depend on
// any file once it plays, and its device's volume can be set through the device's handle (the
// only way Wine accepts).
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstddef>
#include <vector>

// Where the format and the samples lie in a RIFF WAVE file image.
struct WaveImageLayout {
    WAVEFORMATEX format{};
    size_t dataOffset = 0;
    size_t dataSize = 0;
};

// Reads the "fmt " and "data" chunks of a PCM RIFF WAVE image; false for anything else, and for
// an image whose chunks run past its end.
bool parseWaveImage(const std::vector<char>& image, WaveImageLayout& layout);

class WaveLoop {
public:
    WaveLoop() = default;
    ~WaveLoop() { stop(); }
    WaveLoop(const WaveLoop&) = delete;
    WaveLoop& operator=(const WaveLoop&) = delete;

    // Opens a device for the image's format, keeping the image; nothing plays yet. False when
    // the image is not a PCM wave or no device takes its format.
    bool open(std::vector<char> image);
    // Sets the open device's volume (low word left, high word right); false when none is open.
    bool setVolume(DWORD volume);
    // Starts the samples, looped without end.
    bool play();
    // Stops and closes the device; does nothing when none is open.
    void stop();

    HWAVEOUT handle() const { return device; }

private:
    std::vector<char> image;
    WaveImageLayout layout;
    HWAVEOUT device = nullptr;
    WAVEHDR header{};
    bool headerPrepared = false;
};
