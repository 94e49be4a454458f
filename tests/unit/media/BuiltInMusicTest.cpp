// The sound step of every frame tick: the built-in tune against the user's own music.
#include "media/BuiltInMusic.h"

#include <gtest/gtest.h>

namespace {

int starts = 0;
int stops = 0;
int startedAt = -1;  // the attenuation of the last start
void countStart(int attenuation)
{
    ++starts;
    startedAt = attenuation;
}
void countStop() { ++stops; }
constexpr TuneSwitch kCountingTune{countStart, countStop};
constexpr int kAttenuation = 1234;

TEST(BuiltInMusicSupervision, StopsTheTuneOnEveryTickOfOwnMusicAndStartsItOnceAfter)
{
    starts = stops = 0;
    BuiltInTuneSupervisor supervisor(kCountingTune);
    for (int tick = 0; tick < 3; ++tick)
        supervisor.tick(kAttenuation, true);
    EXPECT_EQ(stops, 3);
    EXPECT_EQ(starts, 0);

    for (int tick = 0; tick < 3; ++tick)
        supervisor.tick(kAttenuation, false);
    EXPECT_EQ(starts, 1) << "started on the first tick without own music, and only then";
    EXPECT_EQ(startedAt, kAttenuation) << "at the settings' volume";
    EXPECT_EQ(stops, 3);

    supervisor.tick(kAttenuation, true);
    supervisor.tick(kAttenuation, false);
    EXPECT_EQ(starts, 2) << "own music that plays and stops again brings the tune back";
}

}  // namespace
