// The built-in tune: unpacked from the program's own resources and looped by the system's sound
// player while the user's own music is not playing. Every frame tick supervises it.
#pragma once

// The user's own music is playing; the built-in tune must not.
extern bool ownMusicPlaying;
// The built-in tune has to be (re)started as soon as own music is not playing.
extern bool builtInSoundPending;

// Unpacks the tune, sets the wave-out volume from the settings and starts looping it.
void startBuiltInMusic();

// Stops whatever the system's sound player is playing for this process.
void stopBuiltInMusic();

// What supervision does to the built-in tune: starting and stopping it.
struct TuneSwitch {
    void (*start)();
    void (*stop)();
};

// The sound step of a frame tick. While own music plays, the built-in tune is stopped on every
// tick and left pending; once own music stops, the pending tune is started on the next tick, once.
void superviseBuiltInMusic(const TuneSwitch& tune = {startBuiltInMusic, stopBuiltInMusic});
