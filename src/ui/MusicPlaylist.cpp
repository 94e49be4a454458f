#include "ui/MusicPlaylist.h"

#include <cstdlib>

int MusicPlaylist::nextTrack(int itemCount, int selected, bool explicitSelection) const
{
    if (itemCount <= 0)
        return -1;
    const bool hasSelection = selected >= 0 && selected < itemCount;
    int next = 0;
    if (playState != Playing) {
        if (hasSelection)
            next = selected;
        else if (playMode == RandomOrder)
            next = std::rand() % itemCount;
    } else if (explicitSelection && hasSelection) {
        next = selected;
    } else if (playMode == RepeatOne) {
        next = currentIndex;
    } else if (playMode == RepeatAll) {
        next = currentIndex + 1;
    } else {
        next = std::rand() % itemCount;
    }
    // A current index the list no longer reaches starts it over.
    return next >= 0 && next < itemCount ? next : 0;
}

int MusicPlaylist::trackAfterUnplayable(int itemCount) const
{
    if (itemCount <= 0 || playMode == RepeatOne)
        return -1;
    if (playMode == RepeatAll)
        return (currentIndex + 1) % itemCount;
    return std::rand() % itemCount;
}
