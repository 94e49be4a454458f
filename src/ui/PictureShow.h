// The show of the user's pictures: which one is current and when the next one comes. Pictures
// are known by their texture names, in list order; 0 names none. The rules only; the background
// dialog holds the list and the textures.
#pragma once

#include <vector>

enum PictureMode { ShowOnePicture = 0, ShowAllPictures = 1, ShowRandomPicture = 2 };

// The show counts time in ticks of this length.
constexpr int kShowTickMilliseconds = 200;

class PictureShow {
public:
    std::vector<unsigned> pictures;
    unsigned currentPicture = 0;
    int pictureMode = ShowOnePicture;

    bool isRunning() const { return showRunning; }
    void start();
    void stop() { showRunning = false; }

    // One tick of a running show with the interval in seconds: true when it made a picture
    // current just now (the first tick of a show, and each tick the interval has run out).
    bool tick(int intervalSeconds);

    // The picture that follows the current one in the show's mode; 0 when the list is empty or
    // the show is stopped. Random choices draw on rand().
    unsigned nextPicture() const;

    // Removes the list's picture at `index`. The current picture stays current while it is still
    // listed; otherwise none is.
    void removeAt(int index);
    void removeAll();

private:
    bool showRunning = false;
    int showTicks = -1;  // ticks since the last change; -1 until the first tick of a show
};
