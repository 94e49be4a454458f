#include "media/MciMusicWindow.h"

#include <vfw.h>

namespace {
constexpr DWORD kNotifyMedia = 0x0800;  // MCIWNDF_NOTIFYMEDIA
// Without MCIWNDF_NOERRORDLG the window would stop on a file it cannot play with an error box of
// its own; such a file is passed over in silence instead.
constexpr DWORD kWindowStyle = WS_CHILD | WS_VISIBLE | MCIWNDF_NOPLAYBAR | MCIWNDF_NOMENU |
                               MCIWNDF_NOTIFYMODE | MCIWNDF_NOTIFYPOS | MCIWNDF_NOTIFYSIZE |
                               kNotifyMedia | MCIWNDF_NOTIFYERROR | MCIWNDF_NOERRORDLG;
constexpr UINT kActiveTimerMilliseconds = 100;
}  // namespace

LRESULT MciMusicWindow::send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return mciWindow != nullptr ? ::SendMessageA(mciWindow, message, wParam, lParam) : 0;
}

void MciMusicWindow::destroyWindow()
{
    if (mciWindow != nullptr)
        ::SendMessageA(mciWindow, WM_CLOSE, 0, 0);
    mciWindow = nullptr;
}

bool MciMusicWindow::open()
{
    destroyWindow();
    // No name opens no device: the window waits empty for its first file.
    mciWindow = ::MCIWndCreateA(parent, ::GetModuleHandleA(nullptr), kWindowStyle,
                                fileName.empty() ? nullptr : fileName.c_str());
    playable = send(MCIWNDM_CAN_PLAY) != 0;
    send(MCIWNDM_SETTIMEFORMATA, 0, reinterpret_cast<LPARAM>("ms"));
    send(MCIWNDM_SETACTIVETIMER, kActiveTimerMilliseconds);
    return mciWindow != nullptr;
}

long MciMusicWindow::getPosition() const
{
    return static_cast<long>(send(MCIWNDM_GETPOSITIONA));
}

long MciMusicWindow::getLength() const
{
    return static_cast<long>(send(MCIWNDM_GETLENGTH));
}

void MciMusicWindow::setVolume(int level)
{
    send(MCIWNDM_SETVOLUME, 0, level);
}
