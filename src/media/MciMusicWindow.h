// The player of the user's own music files: one MCI window (the system's media control window,
// kept out of sight in a hidden parent) at a time, opened for one file. Positions and lengths are
// in milliseconds; volumes run from 0 to 1000, as the MCI window counts them.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

class MciMusicWindow {
public:
    MciMusicWindow() = default;
    ~MciMusicWindow() { destroyWindow(); }
    MciMusicWindow(const MciMusicWindow&) = delete;
    MciMusicWindow& operator=(const MciMusicWindow&) = delete;

    void setParent(HWND window) { parent = window; }
    void setFileName(const std::string& path) { fileName = path; }

    // Opens `fileName` in a new MCI window, after destroying the previous one: a long list played
    // for hours leaves no windows behind. False when the window could not be made.
    bool open();
    void play() const { send(MCI_PLAY); }
    void stop() const { send(MCI_STOP); }
    void close() const { send(MCI_CLOSE); }
    void seek(long milliseconds) const { send(MCI_SEEK, 0, milliseconds); }
    long getPosition() const;
    long getLength() const;
    // Sets the volume (0 to 1000).
    void setVolume(int level);

    // Whether the device opened last can play what it opened.
    bool canPlay() const { return playable; }
    HWND window() const { return mciWindow; }

private:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void destroyWindow();

    HWND parent = nullptr;
    bool playable = false;
    HWND mciWindow = nullptr;
    std::string fileName;
};
