// Where the user's music list stands: how tracks follow one another, whether the list plays,
// and which track is current. The rules only; the music dialog holds the list and the player.
#pragma once

enum PlayMode { RepeatOne = 0, RepeatAll = 1, RandomOrder = 2 };
enum PlayState { Playing = 0, NotStarted = 1, Stopped = 2 };

struct MusicPlaylist {
    int playMode = RepeatOne;
    int playState = NotStarted;
    int currentIndex = -1;

    // The track to open next among `itemCount`, given the first selected item (-1 for none) and
    // whether the user picked it just now; -1 for an empty list. Random choices draw on rand().
    int nextTrack(int itemCount, int selected, bool explicitSelection) const;

    // The track to try after the current one turned out unplayable: the next in order, or a
    // random one; -1 in repeat-one mode, which has nothing else to play.
    int trackAfterUnplayable(int itemCount) const;
};
