// The built-in tune: unpacked from the program's own resources, read into memory and looped on a
// wave-out device of its own while the user's own music is not playing. Every frame tick
// supervises it.
#pragma once

#include <windows.h>

// Unpacks the tune, sets its volume for the settings' `attenuation` and starts looping it.
void startBuiltInMusic(int attenuation);

// Stops the tune and closes its device; nothing happens when it is not playing.
void stopBuiltInMusic();

// The wave-out volume for the settings' attenuation: 0 is loudest (65535), 65535 silent (0);
// both channels take the level.
DWORD waveOutVolumeFor(int attenuation);

// Sets the tune's volume for `attenuation` at once. Wave-out device 0 takes it where the system
// allows a device to be addressed by number; where it does not (Wine), the tune's own device
// does, when the tune is playing. Returns whether either took it.
bool setBuiltInMusicVolume(int attenuation);

// What supervision does to the built-in tune: starting it at an attenuation, and stopping it.
struct TuneSwitch {
    void (*start)(int attenuation);
    void (*stop)();
};

// The sound step of the frame ticks: keeps the built-in tune silent while the user's own music
// plays, and starts it when that stops.
class BuiltInTuneSupervisor {
public:
    explicit BuiltInTuneSupervisor(
        const TuneSwitch& tuneSwitch = {startBuiltInMusic, stopBuiltInMusic})
        : tune(tuneSwitch)
    {
    }

    // One tick. While `ownMusicPlays`, the tune is stopped on every tick and left pending; once
    // own music stops, the pending tune is started on the next tick, once, at the settings'
    // `attenuation`.
    void tick(int attenuation, bool ownMusicPlays);

private:
    TuneSwitch tune;
    bool pending = true;  // the tune has to be (re)started as soon as own music is not playing
};
