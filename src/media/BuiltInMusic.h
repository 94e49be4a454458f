// The built-in tune: unpacked from the program's own resources and looped by the system's sound
// player while the user's own music is not playing.
#pragma once

// Unpacks the tune, sets the wave-out volume from the settings and starts looping it.
void startBuiltInMusic();

// Stops whatever the system's sound player is playing for this process.
void stopBuiltInMusic();
