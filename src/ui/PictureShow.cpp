#include "ui/PictureShow.h"

#include <algorithm>
#include <cstdlib>

constexpr long long kMillisecondsPerSecond = 1000;

void PictureShow::start()
{
    showRunning = true;
    showTicks = -1;
}

bool PictureShow::tick(int intervalSeconds)
{
    if (!showRunning)
        return false;
    ++showTicks;
    // Counted in 64 bits: a show left running for weeks with a huge interval must not wrap.
    const long long elapsed = static_cast<long long>(showTicks) * kShowTickMilliseconds;
    if (showTicks != 0 && elapsed < intervalSeconds * kMillisecondsPerSecond)
        return false;
    currentPicture = nextPicture();
    showTicks = 0;
    return currentPicture != 0;
}

unsigned PictureShow::nextPicture() const
{
    if (pictures.empty() || !showRunning)
        return 0;
    const int count = static_cast<int>(pictures.size());
    switch (pictureMode) {
    case ShowOnePicture:
        return currentPicture != 0 ? currentPicture : pictures.front();
    case ShowAllPictures: {
        // A current picture that is not listed counts as standing after the last one.
        const auto found = std::find(pictures.begin(), pictures.end(), currentPicture);
        const int position = static_cast<int>(found - pictures.begin());
        return pictures[static_cast<size_t>((position + 1) % count)];
    }
    default:
        return pictures[static_cast<size_t>(std::rand() % count)];
    }
}

void PictureShow::removeAt(int index)
{
    if (index < 0 || index >= static_cast<int>(pictures.size()))
        return;
    pictures.erase(pictures.begin() + index);
    if (std::find(pictures.begin(), pictures.end(), currentPicture) == pictures.end())
        currentPicture = 0;
}

void PictureShow::removeAll()
{
    pictures.clear();
    currentPicture = 0;
}
